#include "geometry/ViewLayout.h"

#include "text/NumberText.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace brisko {

float withinSheetReach(float units)
{
    if (std::isnan(units))
        return 0.0f;
    return std::clamp(units, -kFarthestSheetUnits, kFarthestSheetUnits);
}

QPoint Frame::point(float x, float y) const
{
    const float sx = withinSheetReach(x) * ScaleX * Factor;
    const float sy = withinSheetReach(y) * ScaleY * Factor;
    return {nearest(sx) + OffsetX, nearest(sy)};
}

QRect Frame::circleBox(const QPointF& c, float rho) const
{
    const float cx = static_cast<float>(c.x());
    const float cy = static_cast<float>(c.y());
    const QPoint topLeft = point(cx - rho, cy - rho);
    const QPoint bottomRight = point(cx + rho, cy + rho);
    return {topLeft, QSize(bottomRight.x() - topLeft.x(), bottomRight.y() - topLeft.y())};
}

Frame ViewLayout::pictureFrame() const
{
    // x * ViewScale * PictureSize, scaled to the view first.
    return {ViewScale, ViewScale, 0, PictureSize};
}

ViewLayout layoutView(int availWidth, int availHeight, float pictureSize, int printerDpiX, int printerDpiY)
{
    ViewLayout v;
    v.PictureSize = pictureSize;
    const bool heightBound =
        availHeight != 0 && static_cast<float>(availWidth) / static_cast<float>(availHeight) > kFourThirds;
    if (heightBound) {
        const int sheetH = std::abs(availHeight);
        const int sheetW = nearest(static_cast<float>(sheetH) * kFourThirds);
        v.ViewScale = static_cast<float>(sheetW) / 864.0f;
        v.PaperViewHeight = nearest(static_cast<float>(sheetH) - 108.0f * v.ViewScale);
        v.PaperViewWidth = nearest(static_cast<float>(v.PaperViewHeight) * kFourThirds);
    } else {
        const int sheetW = std::abs(availWidth);
        v.ViewScale = static_cast<float>(sheetW) / 864.0f;
        v.PaperViewWidth = nearest(static_cast<float>(sheetW) - 144.0f * v.ViewScale);
        v.PaperViewHeight = nearest(static_cast<float>(v.PaperViewWidth) / kFourThirds);
    }
    v.PaperLeft = nearest(static_cast<float>(availWidth - v.PaperViewWidth) / 2.0f);
    v.PrinterScaleX = static_cast<float>(printerDpiX) / 72.0f;
    v.PrinterScaleY = static_cast<float>(printerDpiY) / 72.0f;
    v.PictureShiftX = nearest(32.0f * v.ViewScale * v.PictureSize);
    v.PictureShiftY = nearest(8.0f * v.ViewScale * v.PictureSize);
    return v;
}

int availHeightShowingGround(int availWidth, int availHeight, int areaHeight)
{
    // Below the ground line: the wheels' rims, and in Simulate the traction bars that
    // lie along the ground under the propulsion bars (6 px down, 4 px thick).
    constexpr int kRimRoom = 12;
    const auto fits = [&](int h) {
        const ViewLayout v = layoutView(availWidth, h);
        return v.PaperViewHeight + nearest(kGroundBelowPaper * v.ViewScale) + kRimRoom <= areaHeight;
    };
    // The paper and its ground take 8/9 of a height-bound sheet; rounding is settled below.
    int h = std::min(availHeight, (areaHeight - kRimRoom) * 9 / 8 + 2);
    while (h > 1 && !fits(h))
        --h;
    return std::max(h, 1);
}

} // namespace brisko
