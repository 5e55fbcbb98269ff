#pragma once
// Filling and framing plane regions on any painter.
#include <QBrush>
#include <QPainter>
#include <QRegion>

namespace brisko {

// The band inside `region` along its boundary, `width` pixels wide horizontally
// and `height` pixels high vertically: every pixel of the region whose horizontal
// neighbours within `width` or vertical neighbours within `height` are not all
// inside the region.
QRegion frameBand(const QRegion& region, int width, int height);

// Paints every pixel of the region with the brush; a hatch leaves the pixels
// between its lines untouched. Under a scaling transform (a picture scaled into a
// box on paper) the region is filled as one outline: its bands then meet without
// seams and a page holds one fill per region instead of one per band.
void fillRegion(QPainter& painter, const QRegion& region, const QBrush& brush);

// Paints the band of frameBand with the brush.
void frameRegion(QPainter& painter, const QRegion& region, const QBrush& brush, int width, int height);

} // namespace brisko
