#include "analysis/ChamberSizing.h"

#include "model/DesignFigures.h"
#include "text/NumberText.h"

#include <cmath>

namespace brisko {

namespace {

constexpr float kSheetHeightInches = 7.5f;
constexpr float kMaxSpringWidth = 6.0f;

// Keeps the other wheel on the sheet; returns its diameter.
float correctOtherWheel(CarDesign& design)
{
    const float d = figure(design.OtherWheelDiameter);
    if (d > kSheetHeightInches)
        design.OtherWheelDiameter = QStringLiteral("7.5");
    else if (d < 0.25f)
        design.OtherWheelDiameter = QStringLiteral("1.75");
    return figure(design.OtherWheelDiameter);
}

float correctSpringWidth(CarDesign& design)
{
    if (figure(design.SpringWidth) > kMaxSpringWidth)
        design.SpringWidth = QStringLiteral("6");
    return figure(design.SpringWidth);
}

// The number of inner layers whose boards hold the spring with its clearance.
qint32 coredLayersFor(float springWidth, float innerThickness)
{
    const float clearance = 0.1333f * springWidth;
    const float q = (springWidth + 2.0f * clearance) / innerThickness;
    // Far more layers than any board and spring the material dialogs accept can give.
    constexpr float kMostLayers = 100000.0f;
    if (!std::isfinite(q) || q <= 0.0f || q > kMostLayers)
        return 0;
    const float whole = std::trunc(q);
    return static_cast<qint32>(whole) + (q - whole > 0.0f ? 1 : 0);
}

// Inner diameter of the chamber: the strip's side area over the case ratio fills
// the ring between the arbor and the chamber wall.
float caseInnerDiameter(float arbor, float springLength, float springThickness, float caseRatio)
{
    const float arborRadius = arbor / 2.0f;
    const float ring = springLength * springThickness / (kPi * caseRatio);
    // A ratio of 0 or less, or a strip of no size, gives no chamber that can be computed.
    return finiteOrZero(2.0f * std::sqrt(arborRadius * arborRadius + ring));
}

// Keeps the drive wheel on the sheet and no smaller than the case; returns its diameter.
float correctDriveWheel(CarDesign& design, float caseInnerDia, float caseOuterDia)
{
    if (figure(design.DriveWheelDiameter) > kSheetHeightInches)
        design.DriveWheelDiameter = QStringLiteral("7.5");
    if (figure(design.DriveWheelDiameter) < caseOuterDia)
        design.DriveWheelDiameter = driveWheelTextForChamber(caseInnerDia);
    return figure(design.DriveWheelDiameter);
}

} // namespace

QString driveWheelTextForChamber(float caseInnerDia)
{
    const float hundredths = std::trunc(caseInnerDia * 100.0f);
    const float truncated = hundredths / 100.0f;
    const float diameter = truncated + 1.0f;
    return cut(numberText(diameter), 4);
}

void sizeChamberAndLayers(CarDesign& design, const MaterialLibrary& materials, ChamberFigures& model)
{
    const float otherWheel = correctOtherWheel(design);
    model.OtherAxleHeight = static_cast<float>(nearest(otherWheel * 72.0f / 2.0f) - 36);
    model.OtherAxleHeightInches = model.OtherAxleHeight / 72.0f;
    design.FrontAxle.setHeightUnits(model.OtherAxleHeight);

    const float w = correctSpringWidth(design);
    const float innerThickness = figure(boardOf(design, materials, InnerBodySlot).Thickness);
    const float outerThickness = figure(boardOf(design, materials, OuterBodySlot).Thickness);
    model.CoredLayers = coredLayersFor(w, innerThickness);
    model.CaseWidth = static_cast<float>(model.CoredLayers) * innerThickness;
    model.CarWidth = 2.0f * outerThickness + model.CaseWidth;

    const float L = figure(design.SpringLength);
    const float springThickness = figure(springOf(design, materials).Thickness);
    const float caseRatio = figure(design.CaseRatio) / 100.0f;
    model.CaseInnerDia = caseInnerDiameter(figure(design.DriveAxleDiameter), L, springThickness, caseRatio);
    model.CaseOuterDia = model.CaseInnerDia + 1.0f;

    const float driveWheel = correctDriveWheel(design, model.CaseInnerDia, model.CaseOuterDia);
    if (driveWheel <= model.CaseOuterDia)
        model.DriveAxleHeight = 72.0f * (model.CaseInnerDia / 2.0f);
    else
        model.DriveAxleHeight = 72.0f * (model.CaseInnerDia / 2.0f + (driveWheel - model.CaseOuterDia) / 2.0f);

    const int stripsPerBottle = w > 0.0f ? nearest(6.0f / w) : 0;
    model.BottlesNeeded = stripsPerBottle > 0 ? (L / 12.0f) / static_cast<float>(stripsPerBottle) : 0.0f;
    if (design.Drive == DriveType::AWD)
        model.BottlesNeeded *= 2.0f;

    model.FullLayers = 2;
    model.TotalLayers = model.CoredLayers + 2;
    for (float* f : {&model.CaseWidth, &model.CarWidth, &model.CaseOuterDia, &model.DriveAxleHeight,
                     &model.BottlesNeeded})
        *f = finiteOrZero(*f);
}

ChamberFieldTexts chamberFieldTexts(const ChamberFigures& m, const CarDesign& design)
{
    ChamberFieldTexts t;
    t.LayersCored = QString::number(m.CoredLayers);
    t.LayersFull = QString::number(m.FullLayers);
    t.LayersWide = QString::number(m.TotalLayers);
    t.CaseWidth = numberText(m.CaseWidth);
    t.CarWidth = numberText(m.CarWidth);
    t.CaseInnerDia = numberText(m.CaseInnerDia);
    t.CaseOuterDia = numberText(m.CaseOuterDia);
    t.BottlesNeeded = numberText(m.BottlesNeeded);
    t.SpringLength = numberText(figure(design.SpringLength));
    return t;
}

} // namespace brisko

namespace brisko {

ChamberGeometry chamberGeometryOf(const ChamberFigures& chamber)
{
    const float r = chamber.chamberRadiusUnits();
    return {r, r + 36.0f, chamber.DriveAxleHeight};
}

} // namespace brisko
