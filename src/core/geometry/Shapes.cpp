#include "geometry/Shapes.h"

#include "geometry/RegionMemo.h"
#include "geometry/ScanRegion.h"
#include "text/NumberText.h"

namespace brisko {

QPolygon outlineIn(const Frame& frame, const BodyOutline& outline)
{
    QPolygon polygon;
    polygon.reserve(outline.count());
    for (const QPoint& p : outline.points())
        polygon << frame.point(static_cast<float>(p.x()), static_cast<float>(p.y()));
    return polygon;
}

QPolygon printerOutline(const Frame& printer, const BodyOutline& outline)
{
    // A copy made for another printer's resolution is converted afresh.
    const QPointF scale(printer.ScaleX, printer.ScaleY);
    if (!outline.printerPoints().isEmpty() && outline.printerScale() == scale)
        return QPolygon(outline.printerPoints());
    return outlineIn(printer, outline);
}

QRegion polygonRegion(const QPolygon& polygon)
{
    if (polygon.size() < 3)
        return {};
    // The outlines, octagons and the paper of one refresh in every frame, for
    // two designs at least.
    // Built by the scanline builder, which gives Qt's region to the rectangle in a
    // fraction of the time (a self-crossing outline took Qt seconds).
    thread_local RegionMemo<QPolygon> memo(48);
    return memo.regionOf(polygon, [&] { return scanPolygonRegion(polygon, Qt::WindingFill); });
}

QRegion ellipseRegion(const QRect& box)
{
    if (box.width() <= 0 || box.height() <= 0)
        return {};
    // The cases, chambers, axles, wheels, spring and marks of a refresh in every
    // frame, for two designs at least.
    thread_local RegionMemo<QRect> memo(128);
    return memo.regionOf(box, [&] { return scanEllipseRegion(box); });
}

QRegion circleRegion(const Frame& frame, const QPointF& centre, float radius)
{
    return ellipseRegion(frame.circleBox(centre, radius));
}

QPolygon octagonVertices(float cx, float height, float rho)
{
    cx = withinSheetReach(cx);
    height = withinSheetReach(height);
    rho = withinSheetReach(rho);
    const int x = nearest(cx);
    const int y = 540 - nearest(height);
    const int a = nearest(1.08f * rho);
    const int d = nearest(0.763668f * rho);
    // The left vertex is rounded from the unrounded centre.
    const int left = nearest(cx - 1.08f * rho);
    return QPolygon({QPoint(x, y - a), QPoint(x + d, y - d), QPoint(x + a, y), QPoint(x + d, y + d),
                     QPoint(x, y + a), QPoint(x - d, y + d), QPoint(left, y), QPoint(x - d, y - d)});
}

QRegion octagonRegion(const Frame& frame, float centreX, float height, float rho)
{
    QPolygon converted;
    for (const QPoint& v : octagonVertices(centreX, height, rho))
        converted << frame.point(static_cast<float>(v.x()), static_cast<float>(v.y()));
    return polygonRegion(converted);
}

} // namespace brisko
