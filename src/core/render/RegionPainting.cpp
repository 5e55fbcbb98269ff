#include "render/RegionPainting.h"

#include <QLineF>
#include <QPainterPath>

#include <cmath>

namespace brisko {

namespace {

// The pixels whose neighbours up to `reach` pixels away along one axis all lie
// in the region.
QRegion erodeAlong(const QRegion& region, int reachX, int reachY)
{
    QRegion inner = region;
    for (int step = 1; step <= reachX; ++step)
        inner &= region.translated(step, 0) & region.translated(-step, 0);
    for (int step = 1; step <= reachY; ++step)
        inner &= region.translated(0, step) & region.translated(0, -step);
    return inner;
}

// How far (in pixels of the region) a drawn outline may stray from the region's
// staircase: three quarters of a pixel smooth its single steps into lines and keep
// a frame two pixels wide open.
constexpr double kStepTolerance = 1.01;

double distanceToLine(const QPointF& p, const QPointF& a, const QPointF& b)
{
    const QPointF ab = b - a;
    const double length = std::hypot(ab.x(), ab.y());
    if (length == 0)
        return std::hypot(p.x() - a.x(), p.y() - a.y());
    return std::abs(ab.x() * (p.y() - a.y()) - ab.y() * (p.x() - a.x())) / length;
}

// Douglas-Peucker: the points from `first` to `last` that keep the line within the
// tolerance of every point between them.
void keepCorners(const QPolygonF& line, int first, int last, QPolygonF& kept)
{
    int farthest = -1;
    double distance = kStepTolerance;
    for (int i = first + 1; i < last; ++i)
        if (const double d = distanceToLine(line[i], line[first], line[last]); d > distance) {
            distance = d;
            farthest = i;
        }
    if (farthest < 0) {
        kept << line[last];
        return;
    }
    keepCorners(line, first, farthest, kept);
    keepCorners(line, farthest, last, kept);
}

// A closed outline with its pixel steps smoothed into lines within the tolerance.
QPolygonF withoutSteps(const QPolygonF& closed)
{
    const int n = static_cast<int>(closed.size());
    if (n < 4)
        return closed;
    int opposite = 1;
    for (int i = 1; i < n; ++i)
        if (QLineF(closed[0], closed[i]).length() > QLineF(closed[0], closed[opposite]).length())
            opposite = i;
    QPolygonF kept{closed[0]};
    keepCorners(closed, 0, opposite, kept);
    keepCorners(closed, opposite, n - 1, kept);
    return kept;
}

// The region's outlines, its bands merged and its steps smoothed, filled in one go.
void fillAsOnePath(QPainter& painter, const QRegion& region, const QBrush& brush)
{
    QPainterPath bands;
    bands.addRegion(region);
    QPainterPath outline;
    outline.setFillRule(Qt::OddEvenFill);
    for (const QPolygonF& polygon : bands.simplified().toSubpathPolygons())
        outline.addPolygon(withoutSteps(polygon));
    painter.fillPath(outline, brush);
}

} // namespace

QRegion frameBand(const QRegion& region, int width, int height)
{
    return region - erodeAlong(region, width, height);
}

void fillRegion(QPainter& painter, const QRegion& region, const QBrush& brush)
{
    if (painter.worldTransform().isScaling()) {
        fillAsOnePath(painter, region, brush);
        return;
    }
    for (const QRect& rect : region)
        painter.fillRect(rect, brush);
}

void frameRegion(QPainter& painter, const QRegion& region, const QBrush& brush, int width, int height)
{
    fillRegion(painter, frameBand(region, width, height), brush);
}

} // namespace brisko
