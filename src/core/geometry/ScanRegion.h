#pragma once
// Polygon and ellipse regions equal to Qt's own (the same pixels in the same
// bands), built in one pass.
#include <QPolygon>
#include <QRegion>

namespace brisko {

// As QRegion(polygon, rule), for any polygon: simple or crossing itself, as a
// sketched outline may, and the flattened outline of an ellipse.
QRegion scanPolygonRegion(const QPolygon& polygon, Qt::FillRule rule);

// As QRegion(box, QRegion::Ellipse).
QRegion scanEllipseRegion(const QRect& box);

} // namespace brisko
