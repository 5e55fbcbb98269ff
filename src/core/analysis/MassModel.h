#pragma once
// The figures of the virtual prototype: the chamber sizing of the refresh and the
// masses and centre of mass of the element scan.
#include "analysis/ChamberFigures.h"

namespace brisko {

struct MassModel : ChamberFigures {
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
};

} // namespace brisko
