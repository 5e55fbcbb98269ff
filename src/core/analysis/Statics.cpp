#include "analysis/Statics.h"

#include "model/DesignFigures.h"

#include "text/NumberText.h"

#include <algorithm>

namespace brisko {

float rightNormalForce(DriveType drive, float wheelbase, float centroidHeight, float thrust,
                       float centroidFromRear, float totalMass)
{
    if (wheelbase == 0.0f)
        return 0.0f; // both axles at one point: the drive wheels carry the car
    const float weightTerm = totalMass * centroidFromRear;
    float thrustTerm = thrust * centroidHeight;
    if (drive == DriveType::AWD)
        thrustTerm *= 2.0f;
    if (drive == DriveType::FWD)
        return finiteOrZero((weightTerm + thrustTerm) / wheelbase);
    return finiteOrZero((weightTerm - thrustTerm) / wheelbase);
}

float leftNormalForce(float rightForce, float totalMass)
{
    return finiteOrZero(std::min(totalMass - rightForce, totalMass));
}

StaticResult computeStatics(const StaticInputs& in)
{
    StaticResult r;
    const float M = in.TotalMass;
    r.NormalRightRest = rightNormalForce(in.Drive, in.Wheelbase, in.CentroidHeight, 0.0f, in.CentroidFromRear, M);
    r.NormalLeftRest = leftNormalForce(r.NormalRightRest, M);
    r.NormalLeftStatic = finiteOrZero(in.Wheelbase == 0.0f ? M : M - M * in.CentroidFromRear / in.Wheelbase);
    r.NormalRightWound =
        rightNormalForce(in.Drive, in.Wheelbase, in.CentroidHeight, in.PropulsiveForce, in.CentroidFromRear, M);
    r.NormalLeftWound = leftNormalForce(r.NormalRightWound, M);
    r.TractionLeft = finiteOrZero(in.StaticFriction * r.NormalLeftWound);
    r.TractionRight = r.NormalRightWound < 0.0f ? 0.0f : finiteOrZero(in.StaticFriction * r.NormalRightWound);
    r.BarScale = M;
    return r;
}

QString StaticResult::normalLeftStaticText() const { return numberText(NormalLeftStatic); }
QString StaticResult::normalRightWoundText() const { return numberText(NormalRightWound); }
QString StaticResult::normalLeftWoundText() const { return numberText(NormalLeftWound); }
QString StaticResult::tractionLeftText() const { return numberText(TractionLeft); }

QString StaticResult::tractionRightText() const
{
    return NormalRightWound < 0.0f ? QStringLiteral("0") : numberText(TractionRight);
}

int forceBarLength(float force, float scale)
{
    if (scale == 0.0f)
        return 0;
    // No bar reaches beyond the drawing area, however the force compares with the scale.
    constexpr int kLongestBar = 4320;
    return std::clamp(nearest(150.0f * force / scale), -kLongestBar, kLongestBar);
}

QString normalForceLabel(float force)
{
    return cut(numberText(force), 5) + QStringLiteral(" lb");
}

QString propulsionLabel(float force)
{
    return cut(numberText(force), 6) + QStringLiteral(" lb");
}

} // namespace brisko
