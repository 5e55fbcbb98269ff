#include "analysis/DriveSwitching.h"

#include <gtest/gtest.h>

using namespace brisko;

TEST(DriveSwitching, AllWheelDriveCopiesTheSpringAndShowsTheRightWheels)
{
    CarDesign d;
    d.SpringWidth = "2";
    d.SpringLength = "48";
    d.DriveAxleDiameter = "0.75";
    d.OtherWheelDiameter = "2.5";
    d.KeptOtherWheelDiameter = "2.5";
    DriveFields f = switchDrive(d, DriveType::AWD, {});
    EXPECT_EQ(f.SecondSpringWidth, "2");
    EXPECT_EQ(f.SecondSpringLength, "48");
    EXPECT_EQ(f.SecondArborDia, "0.75");
    EXPECT_TRUE(f.SecondSpringVisible);
    EXPECT_FALSE(f.OtherWheelEnabled);
    EXPECT_TRUE(f.RightWheelFiguresVisible);
    EXPECT_EQ(d.KeptOtherWheelDiameter, "2.5");

    // Front-wheel drive keeps the second spring's fields as they were shown.
    const DriveFields fwd = switchDrive(d, DriveType::FWD, f);
    EXPECT_TRUE(fwd.SecondSpringVisible);
    EXPECT_TRUE(fwd.OtherWheelEnabled);
    EXPECT_FALSE(fwd.RightWheelFiguresVisible);
    EXPECT_EQ(d.OtherWheelDiameter, "2.5");

    const DriveFields rwd = switchDrive(d, DriveType::RWD, fwd);
    EXPECT_FALSE(rwd.SecondSpringVisible);
    EXPECT_EQ(d.Drive, DriveType::RWD);
}
