#include "render/WeightMarkers.h"

#include "render/Pens.h"
#include "render/RegionPainting.h"
#include "render/TextDrawing.h"
#include "render/ViewColours.h"
#include "text/NumberText.h"

#include <algorithm>

namespace brisko {

namespace {

constexpr int kHeadHalfWidth = 5;
constexpr int kHitMargin = 15;
constexpr int kLabelPointSize = 9;

int directionOf(int arrowLength)
{
    return arrowLength >= 0 ? 1 : -1;
}

} // namespace

int weightArrowLength(float mass)
{
    // Weights are at most a pound either way; a heavier one draws as a pound.
    constexpr float kHeaviest = 1.0f;
    return nearest(std::clamp(mass, -kHeaviest, kHeaviest) * 144.0f);
}

QRect weightHitBox(const QPoint& p, float mass, float viewScale)
{
    const int shaft = nearest(static_cast<float>(weightArrowLength(mass)) * viewScale);
    const int top = directionOf(weightArrowLength(mass)) > 0 ? p.y() - shaft - kHitMargin : p.y();
    const int bottom = directionOf(weightArrowLength(mass)) > 0 ? p.y() : p.y() - shaft + kHitMargin;
    return QRect(QPoint(p.x() - kHeadHalfWidth, top), QPoint(p.x() + kHeadHalfWidth - 1, bottom - 1));
}

QString weightLabel(float mass)
{
    return cut(numberText(mass), 5) + QStringLiteral(" lb");
}

QRect paintWeight(QPainter& painter, const ViewLayout& layout, const AddedWeight& weight)
{
    const float scale = layout.ViewScale;
    const QPoint p = layout.viewFrame().point(static_cast<float>(weight.X), static_cast<float>(weight.Y));
    const int length = weightArrowLength(weight.Mass);
    const int s = directionOf(length);
    const int shaft = nearest(static_cast<float>(length) * scale);
    const int headY = p.y() - s * nearest(15.0f * scale);

    painter.save();
    painter.setPen(viewPen(colours::kWeight, 2));
    painter.drawLine(QPoint(p.x(), p.y() - shaft), p);
    painter.drawPolyline(QPolygon({p, QPoint(p.x() - kHeadHalfWidth, headY), QPoint(p.x() + kHeadHalfWidth, headY), p}));
    painter.restore();

    const QRect box = weightHitBox(p, weight.Mass, scale);
    frameRegion(painter, QRegion(box), QBrush(colours::kSilver), 1, 1);

    const QPoint labelAt(p.x() + kHeadHalfWidth, p.y() - s * nearest(30.0f * scale));
    drawLabel(painter, labelAt, weightLabel(weight.Mass), kLabelPointSize);
    return box;
}

WeightBoxes paintWeights(QPainter& painter, const ViewLayout& layout, const CarDesign& design)
{
    WeightBoxes boxes{};
    for (int slot = 0; slot < kWeightSlots; ++slot)
        if (design.Weights[slot].inUse())
            boxes[slot] = paintWeight(painter, layout, design.Weights[slot]);
    return boxes;
}

} // namespace brisko
