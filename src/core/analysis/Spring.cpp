#include "analysis/Spring.h"

#include "model/DesignFigures.h"

#include "text/NumberText.h"

#include <cmath>

namespace brisko {

namespace {

float shownAsZeroWhenTiny(float value)
{
    return value < kShownAsZeroBelow ? 0.0f : value;
}

// Wraps of a strip of thickness t and free length l on a core of diameter x.
float wrapsOnCore(float x, float t, float l)
{
    const float pi = kRevolutionsPi;
    const float px = pi * x;
    return (std::sqrt(px * px + 4.0f * pi * t * l) - px) / (2.0f * pi * t);
}

} // namespace

float maxRealTorque(float springWidth, float torqueEntry0, float sampleWidth)
{
    if (!(sampleWidth > 0.0f))
        return 0.0f;
    return finiteOrZero(shownAsZeroWhenTiny(springWidth * torqueEntry0 / sampleWidth));
}

float propulsiveForce(float maxTorque, float driveWheelDiameter)
{
    if (!(driveWheelDiameter > 0.0f))
        return 0.0f;
    return finiteOrZero(shownAsZeroWhenTiny(maxTorque / (driveWheelDiameter / 2.0f)));
}

float springRevolutions(float caseInnerDia, float thickness, float length, float arborDia)
{
    const float pi = kRevolutionsPi;
    const float D = caseInnerDia;
    const float t = thickness;
    const float piD = pi * D;
    const float discriminant = piD * piD - 4.0f * pi * t * length;
    if (!(t > 0.0f) || discriminant < 0.0f)
        return 0.0f; // the strip does not fit the chamber: no usable revolutions
    const float unwoundTurns = (piD - std::sqrt(discriminant)) / (2.0f * pi * t);
    const float unwoundInnerDia = D - t * unwoundTurns;
    const float freeLength = length - (D / 2.0f - arborDia / 2.0f);
    const float revs = wrapsOnCore(arborDia, t, freeLength) - wrapsOnCore(unwoundInnerDia, t, freeLength) - 1.0f;
    return std::isfinite(revs) ? revs : 0.0f;
}

float projectedDistance(float driveWheelDiameter, float revolutions)
{
    return finiteOrZero(kDistancePi * driveWheelDiameter * revolutions / 12.0f);
}

SpringFigures computeSpringFigures(const SpringInputs& in)
{
    SpringFigures f;
    f.MaxRealTorque = maxRealTorque(in.SpringWidth, in.Curve.value(0), in.SampleWidth);
    f.PropulsiveForce = propulsiveForce(f.MaxRealTorque, in.DriveWheelDiameter);
    f.Revolutions = springRevolutions(in.CaseInnerDia, in.Thickness, in.SpringLength, in.ArborDiameter);
    f.ProjectedDistance = projectedDistance(in.DriveWheelDiameter, f.Revolutions);
    return f;
}

QString SpringFigures::maxRealTorqueText() const { return numberText(MaxRealTorque); }
QString SpringFigures::propulsiveForceText() const { return numberText(PropulsiveForce); }
QString SpringFigures::revolutionsText() const { return numberText(Revolutions); }
QString SpringFigures::projectedDistanceText() const { return numberText(ProjectedDistance); }

} // namespace brisko
