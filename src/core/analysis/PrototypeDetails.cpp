#include "analysis/PrototypeDetails.h"

#include "analysis/ElementScan.h"

namespace brisko {

PrototypeDetails prototypeDetailsOf(const VirtualPrototype& prototype, const CarDesign& design)
{
    PrototypeDetails d;
    const ChamberFieldTexts chamber = chamberFieldTexts(prototype.mass(), design);
    const StaticResult& statics = prototype.statics();
    const SpringFigures& spring = prototype.spring();
    d.TrueCentroid = massFieldTexts(prototype.mass()).CentroidX;
    d.NormalForceAtRest = statics.normalLeftStaticText();
    d.NormalForceWound = statics.normalLeftWoundText();
    d.NormalForceFront = statics.normalRightWoundText();
    d.CaseInnerDia = chamber.CaseInnerDia;
    d.CaseOuterDia = chamber.CaseOuterDia;

    d.AxleLength = design.DriveAxleLength;
    d.NumberOfLayers = chamber.LayersWide;
    d.BottlesNeeded = chamber.BottlesNeeded;
    d.TractionLeft = statics.tractionLeftText();
    d.PropulsionLeft = spring.propulsiveForceText();
    const bool awd = design.Drive == DriveType::AWD;
    d.RightWheelShown = awd;
    d.TractionRight = statics.tractionRightText();
    d.PropulsionRight = awd ? spring.propulsiveForceText() : QStringLiteral("0");
    // Both springs of all-wheel drive are the one the student dimensioned.
    d.SecondSpringShown = awd;
    if (awd) {
        d.SecondSpringWidth = design.SpringWidth;
        d.SecondSpringLength = design.SpringLength;
        d.SecondArborDia = design.DriveAxleDiameter;
    }
    if (prototype.hasRun()) {
        d.RevisedShown = prototype.dynamic().RevisedVisible;
        d.RevisedNote = d.RevisedShown ? prototype.dynamic().RevisedLabel : QString();
    }
    return d;
}

} // namespace brisko
