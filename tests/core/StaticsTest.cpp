#include "analysis/Statics.h"
#include "text/NumberText.h"

#include <gtest/gtest.h>

using namespace brisko;

namespace {

StaticInputs car(DriveType drive, float mu = 1.0f)
{
    StaticInputs in;
    in.Drive = drive;
    in.TotalMass = 0.35f;
    in.CentroidFromRear = 4.0f;
    in.CentroidHeight = 2.5f;
    in.Wheelbase = 6.0f;
    in.PropulsiveForce = 0.2375f;
    in.StaticFriction = mu;
    return in;
}

} // namespace

TEST(NormalForces, CentroidOverRearAxleLoadsOnlyTheDriveWheels)
{
    StaticInputs in = car(DriveType::RWD);
    in.CentroidFromRear = 0.0f;
    const StaticResult r = computeStatics(in);
    EXPECT_EQ(r.NormalRightRest, 0.0f);
    EXPECT_EQ(r.NormalLeftRest, in.TotalMass);
    EXPECT_EQ(r.NormalLeftStatic, in.TotalMass);
}

TEST(NormalForces, ThrustLiftsTheFrontButPressesTheRearInFwd)
{
    const StaticResult rwd = computeStatics(car(DriveType::RWD));
    const StaticResult fwd = computeStatics(car(DriveType::FWD));
    const StaticResult awd = computeStatics(car(DriveType::AWD));
    EXPECT_FLOAT_EQ(rwd.NormalRightRest, 0.35f * 4.0f / 6.0f);
    EXPECT_LT(rwd.NormalRightWound, rwd.NormalRightRest);
    EXPECT_GT(fwd.NormalRightWound, fwd.NormalRightRest);
    EXPECT_FLOAT_EQ(fwd.NormalRightWound - fwd.NormalRightRest, rwd.NormalRightRest - rwd.NormalRightWound);
    EXPECT_FLOAT_EQ(awd.NormalRightRest - awd.NormalRightWound, 2.0f * (rwd.NormalRightRest - rwd.NormalRightWound));
    EXPECT_FLOAT_EQ(rwd.NormalLeftWound, 0.35f - rwd.NormalRightWound);
}

TEST(NormalForces, LeftWheelsNeverCarryMoreThanTheCar)
{
    EXPECT_FLOAT_EQ(leftNormalForce(-0.1f, 0.35f), 0.35f);
    EXPECT_FLOAT_EQ(leftNormalForce(0.1f, 0.35f), 0.25f);
}

TEST(NormalForces, ZeroWheelbaseLeavesTheCarOnTheDriveWheels)
{
    StaticInputs in = car(DriveType::RWD);
    in.Wheelbase = 0.0f;
    const StaticResult r = computeStatics(in);
    EXPECT_EQ(r.NormalRightWound, 0.0f);
    EXPECT_EQ(r.NormalLeftWound, in.TotalMass);
    EXPECT_EQ(r.NormalLeftStatic, in.TotalMass);
}

TEST(Traction, FollowsTheTreadFriction)
{
    const StaticResult full = computeStatics(car(DriveType::AWD, 1.0f));
    const StaticResult half = computeStatics(car(DriveType::AWD, 0.5f));
    EXPECT_FLOAT_EQ(half.TractionLeft, full.TractionLeft / 2);
    EXPECT_FLOAT_EQ(half.TractionRight, full.TractionRight / 2);
    EXPECT_EQ(full.tractionLeftText(), numberText(full.TractionLeft));
}

TEST(Traction, LiftedFrontShowsZeroTraction)
{
    StaticInputs in = car(DriveType::RWD);
    in.CentroidFromRear = 0.5f;
    in.PropulsiveForce = 2.0f;
    const StaticResult r = computeStatics(in);
    ASSERT_LT(r.NormalRightWound, 0.0f);
    EXPECT_EQ(r.tractionRightText(), "0");
    EXPECT_EQ(r.TractionRight, 0.0f);
    EXPECT_EQ(r.NormalLeftWound, in.TotalMass);
    EXPECT_EQ(r.normalRightWoundText(), numberText(r.NormalRightWound)); // stays negative
}

TEST(ForceBars, LengthAgainstTheScale)
{
    StaticInputs in = car(DriveType::RWD);
    in.CentroidFromRear = in.Wheelbase / 2;
    const StaticResult r = computeStatics(in);
    EXPECT_EQ(forceBarLength(r.NormalRightRest, r.BarScale), 75);
    EXPECT_EQ(forceBarLength(r.NormalLeftRest, r.BarScale), 75);
    EXPECT_EQ(forceBarLength(0.35f, 0.35f), 150);
    EXPECT_EQ(forceBarLength(-0.035f, 0.35f), -15);
    EXPECT_EQ(forceBarLength(1.0f, 0.0f), 0);
    EXPECT_EQ(normalForceLabel(0.57f), "0.569 lb");
    EXPECT_EQ(propulsionLabel(0.57f), "0.5699 lb");
}
