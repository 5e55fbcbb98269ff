#pragma once
// The spiral spring on the drive axle: its torque, the force it puts on the road,
// how many revolutions it turns the drive wheel and how far that carries the car.
#include "analysis/TorqueCurve.h"

#include <QString>

namespace brisko {

inline constexpr float kRevolutionsPi = 3.14159274f;
inline constexpr float kDistancePi = 3.1415927f;
inline constexpr float kShownAsZeroBelow = 0.0001f;

struct SpringInputs {
    float SpringWidth = 0;        // w, in
    float SpringLength = 0;       // L, in
    float ArborDiameter = 0;      // a, the drive axle, in
    float DriveWheelDiameter = 0; // Dd, in
    float CaseInnerDia = 0;       // D, in
    float Thickness = 0;          // t of the spring material, in
    float SampleWidth = 0;        // width of the measured sample, in
    TorqueCurve Curve;
};

struct SpringFigures {
    float MaxRealTorque = 0;     // in-lb
    float PropulsiveForce = 0;   // lb, per driven wheel pair
    float Revolutions = 0;
    float ProjectedDistance = 0; // ft

    QString maxRealTorqueText() const;
    QString propulsiveForceText() const;
    QString revolutionsText() const;
    QString projectedDistanceText() const;
};

// w x curve entry 0 / sample width; 0 below 0.0001.
float maxRealTorque(float springWidth, float torqueEntry0, float sampleWidth);
// Torque over the drive wheel's radius; 0 below 0.0001.
float propulsiveForce(float maxTorque, float driveWheelDiameter);
// Wraps on the arbor fully wound, less the wraps kept at the chamber wall, less one.
float springRevolutions(float caseInnerDia, float thickness, float length, float arborDia);
// Feet rolled by the drive wheel over the given revolutions.
float projectedDistance(float driveWheelDiameter, float revolutions);

SpringFigures computeSpringFigures(const SpringInputs& in);

} // namespace brisko
