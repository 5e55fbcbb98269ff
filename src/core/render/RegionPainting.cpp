#include "render/RegionPainting.h"

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

} // namespace

QRegion frameBand(const QRegion& region, int width, int height)
{
    return region - erodeAlong(region, width, height);
}

void fillRegion(QPainter& painter, const QRegion& region, const QBrush& brush)
{
    for (const QRect& rect : region)
        painter.fillRect(rect, brush);
}

void frameRegion(QPainter& painter, const QRegion& region, const QBrush& brush, int width, int height)
{
    fillRegion(painter, frameBand(region, width, height), brush);
}

} // namespace brisko
