#pragma once
// The figures of the chamber and layer sizing that every refresh recomputes first:
// the layers, the widths, the case's diameters and the axle heights.
#include <QtGlobal>

namespace brisko {

struct ChamberFigures {
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

    // Radii of the chamber and of the case in drawing pixels.
    float chamberRadiusUnits() const { return CaseInnerDia * 36.0f; }
    float caseRadiusUnits() const { return chamberRadiusUnits() + 36.0f; }
};

} // namespace brisko
