#pragma once
// The red arrow above the car that shows which way the drive pushes, with its
// caption, and the loose end of each wound spring.
#include "geometry/CarGeometry.h"

#include <QPainter>
#include <QPolygon>
#include <QString>

namespace brisko {

// The arrow's closed outline in drawing pixels: pointing right for rear and all
// wheel drive, left for front wheel drive.
QPolygon driveArrowPoints(DriveType drive);
// "Rear wheel drive", "Front wheel drive" or "All wheel drive".
QString driveCaption(DriveType drive);

void paintDriveDirection(QPainter& painter, const ViewLayout& layout, DriveType drive);

// The strip leading from the edge of each wound coil: a line of ten segments
// spiralling out toward the chamber wall, to the rear (left) for rear and all
// wheel drive and to the front (right) for front wheel drive.
void paintSpringStrips(QPainter& painter, const CarGeometry& geometry, const CarDesign& design,
                       const MaterialLibrary& materials, float chamberRadius);

} // namespace brisko
