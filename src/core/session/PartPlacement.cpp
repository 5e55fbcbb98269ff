#include "session/PartPlacement.h"

#include "geometry/OutlineSketch.h"
#include "session/Session.h"
#include "session/SessionEditor.h"
#include "text/NumberText.h"

namespace brisko {

namespace {

constexpr int kAxleCode = 13;
constexpr int kWeightCode = 22;
constexpr long double kLeastWeight = 0.0001L;

bool boxHolds(const QRect& box, const QPoint& p)
{
    // QRect's right and bottom are its last pixels inside.
    return !box.isEmpty() && p.x() >= box.left() && p.x() <= box.right() && p.y() >= box.top()
           && p.y() <= box.bottom();
}

} // namespace

bool placeOtherAxle(Session& session, const CarGeometry& geometry, const QPoint& viewPoint)
{
    if (!geometry.FrontAxleZone.contains(viewPoint))
        return false;
    const QPoint p = drawingPointOf(geometry.Layout, viewPoint);
    // On the drive axle's centre line the wheelbase would vanish.
    if (p.x() <= geometry.RearCentre.x())
        return false;
    const EditStep step(session, QStringLiteral("Place axle"));
    FrontAxleLocation& axle = SessionEditor::design(session).FrontAxle;
    axle.setUnits(static_cast<float>(720 - p.x()), static_cast<float>(540 - p.y()));
    session.logAction(1, kAxleCode, QString::number(p.x()), QString::number(p.y()), {}, {},
                      QStringLiteral("SetFrontWheelLoc"));
    return true;
}

std::optional<float> addedWeightMass(const QString& text)
{
    const std::optional<float> m = toSingle(text);
    if (!m || *m < -1.0f || *m > 1.0f)
        return std::nullopt;
    const long double wide = *m;
    if (wide > -kLeastWeight && wide < kLeastWeight)
        return std::nullopt;
    return m;
}

std::optional<int> firstFreeWeightSlot(const CarDesign& design)
{
    for (int slot = 0; slot < kWeightSlots; ++slot)
        if (!design.Weights[slot].inUse())
            return slot;
    return std::nullopt;
}

AddWeightOutcome addWeight(Session& session, const QPoint& drawingPoint, const QString& massText)
{
    CarDesign& design = SessionEditor::design(session);
    const std::optional<float> mass = addedWeightMass(massText);
    if (!mass)
        return AddWeightOutcome::Refused;
    const std::optional<int> slot = firstFreeWeightSlot(design);
    if (!slot)
        return AddWeightOutcome::Full;
    const EditStep step(session, QStringLiteral("Add weight"));
    AddedWeight& weight = design.Weights[*slot];
    weight.clear();
    weight.X = drawingPoint.x();
    weight.Y = drawingPoint.y();
    weight.Mass = *mass;
    return AddWeightOutcome::Stored;
}

std::optional<int> weightSlotAt(const CarDesign& design, const WeightMarkerBoxes& markers, const QPoint& viewPoint)
{
    for (int slot = 0; slot < kWeightSlots; ++slot)
        if (design.Weights[slot].inUse() && boxHolds(markers[slot], viewPoint))
            return slot;
    return std::nullopt;
}

bool removeWeightAt(Session& session, const WeightMarkerBoxes& markers, const QPoint& viewPoint)
{
    const std::optional<int> slot = weightSlotAt(session.design(), markers, viewPoint);
    if (!slot)
        return false;
    const EditStep step(session, QStringLiteral("Remove weight"));
    AddedWeight& weight = SessionEditor::design(session).Weights[*slot];
    session.logAction(1, kWeightCode, QString::number(weight.X), QString::number(weight.Y), numberText(-weight.Mass),
                      {}, QStringLiteral("SetRemoveWt"));
    weight.clear();
    return true;
}

} // namespace brisko
