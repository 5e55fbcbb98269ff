#pragma once
// How the car's weight is shared between the drive (left) and the other (right)
// wheels, at rest and with the spring fully wound, and the traction that follows.
#include "model/CarDesign.h"

#include <QString>

namespace brisko {

// Moments about the left wheels' contact point; the thrust term is doubled in AWD
// (two springs push) and lifts the right wheels except in FWD, where it presses them.
float rightNormalForce(DriveType drive, float wheelbase, float centroidHeight, float thrust,
                       float centroidFromRear, float totalMass);
// What the right wheels do not carry, but never more than the whole car.
float leftNormalForce(float rightForce, float totalMass);

struct StaticInputs {
    DriveType Drive = DriveType::RWD;
    float TotalMass = 0;        // M, lbm
    float CentroidFromRear = 0; // xr, in
    float CentroidHeight = 0;   // h, in
    float Wheelbase = 0;        // Lw, in
    float PropulsiveForce = 0;  // F of one fully wound spring, lb
    float StaticFriction = 0;   // mu of the tread
};

struct StaticResult {
    float NormalRightRest = 0;
    float NormalLeftRest = 0;
    float NormalLeftStatic = 0;
    float NormalRightWound = 0;
    float NormalLeftWound = 0;
    float TractionLeft = 0;
    float TractionRight = 0; // 0 when NormalRightWound is negative
    float BarScale = 0;      // normal-force bars: the whole car's weight

    QString normalLeftStaticText() const;
    QString normalRightWoundText() const;
    QString normalLeftWoundText() const;
    QString tractionLeftText() const;
    QString tractionRightText() const; // "0" when NormalRightWound is negative
};

StaticResult computeStatics(const StaticInputs& in);

// Bar length in pixels: a force equal to the scale is 150 pixels; 0 without a scale.
int forceBarLength(float force, float scale);
// Normal-force bar label: first five characters of the force's number text + " lb".
QString normalForceLabel(float force);
// Propulsion and traction bar label: first six characters + " lb".
QString propulsionLabel(float force);

} // namespace brisko
