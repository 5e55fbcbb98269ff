#pragma once
// The frames in which the car's parts live and the layout of the design view.
// Drawing pixels (72 to the inch, origin at the paper's top-left corner, y down)
// convert to screen pixels of the design view, to printer pixels and to screen
// pixels of the 3D picture.
#include <QPoint>
#include <QPointF>
#include <QRect>

namespace brisko {

inline constexpr float kFourThirds = 4.0f / 3.0f;

// How far from the paper's corner a drawing-pixel coordinate may lie when it is
// converted to a frame (60 in): farther points, and points that are not numbers,
// are brought to that distance, so every converted point and rectangle stays far
// within the integers whatever a design holds.
inline constexpr float kFarthestSheetUnits = 4320.0f;

// A drawing-pixel coordinate or length within that distance (not-a-number gives 0).
float withinSheetReach(float units);

// One conversion from drawing pixels: each coordinate scaled (then multiplied by
// Factor, the 3D picture's size) and rounded, then shifted right by OffsetX.
struct Frame {
    float ScaleX = 1.0f;
    float ScaleY = 1.0f;
    int OffsetX = 0;
    float Factor = 1.0f;

    // Coordinates beyond kFarthestSheetUnits are brought within it first.
    QPoint point(float x, float y) const;
    QPoint point(const QPointF& p) const { return point(static_cast<float>(p.x()), static_cast<float>(p.y())); }
    // The box of a circle of radius rho about c, its corners converted; the right
    // and bottom edges are outside, as in every region.
    QRect circleBox(const QPointF& c, float rho) const;
};

struct ViewLayout {
    float ViewScale = 1.0f;     // screen pixels per drawing pixel
    int PaperViewWidth = 720;
    int PaperViewHeight = 540;
    int PaperLeft = 0;          // screen x of the paper's left edge
    float PrinterScaleX = 1.0f; // printer pixels per drawing pixel
    float PrinterScaleY = 1.0f;
    float PictureSize = 0.4f;   // 3D picture relative to the design view
    int PictureShiftX = 0;      // per-layer shifts of the 3D picture
    int PictureShiftY = 0;

    Frame drawingFrame() const { return {}; }
    Frame viewFrame() const { return {ViewScale, ViewScale, PaperLeft}; }
    Frame unshiftedViewFrame() const { return {ViewScale, ViewScale, 0}; }
    Frame printerFrame() const { return {PrinterScaleX, PrinterScaleY, 0}; }
    Frame pictureFrame() const;
};

// Lays the sheet (12 by 9 in, the paper centred on it at the top) into the space
// left for the drawing area: availWidth is the window width less the drawing
// area's left edge, availHeight the window height less its top edge less 50.
ViewLayout layoutView(int availWidth, int availHeight, float pictureSize = 0.4f, int printerDpiX = 72,
                      int printerDpiY = 72);

// The ground line the wheels stand on, in drawing pixels under the paper's bottom edge.
inline constexpr float kGroundBelowPaper = 36.0f;

// availHeight, lowered where needed so that the paper and the ground line under it
// (with the wheels' rims) show whole in a drawing area areaHeight pixels high: a
// short window gives a smaller sheet instead of cutting the wheels off.
int availHeightShowingGround(int availWidth, int availHeight, int areaHeight);

} // namespace brisko
