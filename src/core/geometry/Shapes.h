#pragma once
// Plane regions of the car's shapes in a frame: polygons filled with the winding
// rule, circles as inscribed ellipses and the octagons of the chamber and case.
#include "geometry/ViewLayout.h"
#include "model/CarDesign.h"

#include <QPolygon>
#include <QRegion>

namespace brisko {

// The outline's points converted to a frame.
QPolygon outlineIn(const Frame& frame, const BodyOutline& outline);
// The outline in the printer frame: its printer-frame copy when it has one.
QPolygon printerOutline(const Frame& printer, const BodyOutline& outline);
// The region of a polygon; fewer than 3 points give an empty region.
QRegion polygonRegion(const QPolygon& polygon);
// The ellipse inscribed in a box (right and bottom edges outside).
QRegion ellipseRegion(const QRect& box);
QRegion circleRegion(const Frame& frame, const QPointF& centre, float radius);

// The octagon of radius rho about the axle at centreX and `height` drawing pixels
// above the paper's bottom edge, its vertices 1.08 rho out on the axes and
// diagonals, in drawing pixels: the top vertex first, then clockwise.
QPolygon octagonVertices(float centreX, float height, float rho);
QRegion octagonRegion(const Frame& frame, float centreX, float height, float rho);

} // namespace brisko
