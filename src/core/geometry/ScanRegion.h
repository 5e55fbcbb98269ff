#pragma once
// Polygon and ellipse regions equal to Qt's own (the same pixels in the same
// bands), built in one pass.
#include <QPolygon>
#include <QRegion>

namespace brisko {

// As QRegion(polygon, rule) for polygons that never cross themselves, such as
// the flattened outline of an ellipse.
QRegion scanPolygonRegion(const QPolygon& polygon, Qt::FillRule rule);

// As QRegion(box, QRegion::Ellipse).
QRegion scanEllipseRegion(const QRect& box);

} // namespace brisko
