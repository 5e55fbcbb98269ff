#pragma once
// The texts of the virtual-prototype details that the printed report reads: the
// "Details" and "Projections" groups, the right-wheel figures of all-wheel drive,
// the second spring's texts and the revised-distance note.
#include "analysis/VirtualPrototype.h"

#include <QString>

namespace brisko {

struct PrototypeDetails {
    // Details.
    QString TrueCentroid;       // TrueCentroidEF
    QString NormalForceAtRest;  // NormalForceAtRestEF: static
    QString NormalForceWound;   // NormalForceWoundEF: left
    QString NormalForceFront;   // NormalForceFrontEF: right
    QString CaseInnerDia, CaseOuterDia;
    // Projections.
    QString AxleLength;
    QString NumberOfLayers;
    QString BottlesNeeded;
    QString TractionLeft, PropulsionLeft;
    QString TractionRight, PropulsionRight; // TractionRightEF, PropulsionRightEF
    bool RightWheelShown = false;           // with their labels, in all-wheel drive only
    // The second spring of all-wheel drive: RSpringWidthEF, RSPringLengthEF, RArborDiaEF.
    QString SecondSpringWidth, SecondSpringLength, SecondArborDia;
    bool SecondSpringShown = false;
    // RevisedLabel: "(was ...)" when the run fell short of the projected distance.
    QString RevisedNote;
    bool RevisedShown = false;
};

PrototypeDetails prototypeDetailsOf(const VirtualPrototype& prototype, const CarDesign& design);

} // namespace brisko
