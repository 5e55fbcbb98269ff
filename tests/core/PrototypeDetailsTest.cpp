#include "analysis/PrototypeDetails.h"
#include "model/Presets.h"

#include <gtest/gtest.h>

using namespace brisko;

namespace {

PrototypeDetails detailsAfterSimulating(DriveType drive)
{
    CarDesign design;
    MaterialLibrary materials;
    loadPresetShape(design, 0);
    design.setDrive(drive);
    VirtualPrototype vp(design, materials);
    vp.refresh(ProcessState::Dynamic, kNoFrame);
    return prototypeDetailsOf(vp, design);
}

} // namespace

TEST(PrototypeDetails, RearDriveHidesTheRightWheelAndSecondSpring)
{
    const PrototypeDetails d = detailsAfterSimulating(DriveType::RWD);
    EXPECT_EQ(d.NumberOfLayers, "6");
    EXPECT_EQ(d.AxleLength, "7");
    EXPECT_FALSE(d.TrueCentroid.isEmpty());
    EXPECT_FALSE(d.TractionLeft.isEmpty());
    EXPECT_FALSE(d.RightWheelShown);
    EXPECT_EQ(d.PropulsionRight, "0");
    EXPECT_FALSE(d.SecondSpringShown);
    EXPECT_TRUE(d.SecondSpringWidth.isEmpty());
}

TEST(PrototypeDetails, AllWheelDriveShowsTheRightWheelAndTheSecondSpringCopies)
{
    const PrototypeDetails d = detailsAfterSimulating(DriveType::AWD);
    EXPECT_TRUE(d.RightWheelShown);
    EXPECT_EQ(d.PropulsionRight, d.PropulsionLeft);
    EXPECT_TRUE(d.SecondSpringShown);
    EXPECT_EQ(d.SecondSpringWidth, "1.5");
    EXPECT_EQ(d.SecondSpringLength, "36");
    EXPECT_EQ(d.SecondArborDia, "0.5");
}
