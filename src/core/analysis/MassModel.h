#pragma once
// The figures of the virtual prototype: the chamber and layer sizing that every
// refresh recomputes, and the masses and centre of mass of the element scan.
#include <QtGlobal>

namespace brisko {

struct MassModel {
    // Chamber and layers.
    qint32 CoredLayers = 0;
    qint32 FullLayers = 2;
    qint32 TotalLayers = 2;
    float CaseWidth = 0.0f;          // in
    float CarWidth = 0.0f;           // in
    float CaseInnerDia = 0.0f;       // in
    float CaseOuterDia = 0.0f;       // in
    float DriveAxleHeight = 0.0f;    // drawing pixels above the paper's bottom edge
    float OtherAxleHeight = 0.0f;    // drawing pixels above the paper's bottom edge
    float OtherAxleHeightInches = 0.0f;
    float BottlesNeeded = 0.0f;

    // Masses (lbm) and centre of mass (in).
    float SpringMass = 0.0f;
    float BoardMass = 0.0f;
    float AxleMass = 0.0f;
    float TotalMass = 0.0f;
    float CentroidX = 0.0f;          // from the paper's left edge
    float CentroidY = 0.0f;          // below the paper's top edge
    float CentroidFromRear = 0.0f;   // CentroidX less the rear axle position
    float CentroidHeight = 0.0f;     // above the ground
    float Wheelbase = 0.0f;

    // Radii of the chamber and of the case in drawing pixels.
    float chamberRadiusUnits() const { return CaseInnerDia * 36.0f; }
    float caseRadiusUnits() const { return chamberRadiusUnits() + 36.0f; }
};

} // namespace brisko
