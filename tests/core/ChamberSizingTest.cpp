#include "analysis/ChamberSizing.h"
#include "model/Presets.h"

#include <gtest/gtest.h>

using namespace brisko;

namespace {

struct Sized {
    CarDesign design;
    MaterialLibrary materials;
    MassModel model;
    void run() { sizeChamberAndLayers(design, materials, model); }
};

} // namespace

TEST(ChamberSizing, DefaultDesignGivesFourInnerLayersAndKeepsItsWheel)
{
    Sized s;
    s.run();
    EXPECT_EQ(s.model.CoredLayers, 4);
    EXPECT_EQ(s.model.FullLayers, 2);
    EXPECT_EQ(s.model.TotalLayers, 6);
    EXPECT_FLOAT_EQ(s.model.CaseWidth, 2.0f);
    EXPECT_FLOAT_EQ(s.model.CarWidth, 3.0f);
    EXPECT_NEAR(s.model.CaseInnerDia, 3.8176f, 1e-4);
    EXPECT_FLOAT_EQ(s.model.CaseOuterDia, s.model.CaseInnerDia + 1.0f);
    // 4.80 is below the case, and the chamber's own wheel text is "4.80" again.
    EXPECT_EQ(s.design.DriveWheelDiameter, "4.80");
    EXPECT_FLOAT_EQ(s.model.DriveAxleHeight, 36.0f * s.model.CaseInnerDia);
    EXPECT_FLOAT_EQ(s.model.BottlesNeeded, 0.75f);
    EXPECT_FLOAT_EQ(s.model.OtherAxleHeight, 27.0f); // nearest(1.75 * 36) - 36
    EXPECT_FLOAT_EQ(s.design.FrontAxle.YUnits, 27.0f);
    EXPECT_FLOAT_EQ(s.design.FrontAxle.YInches, 27.0f / 72.0f);
    const auto texts = chamberFieldTexts(s.model, s.design);
    EXPECT_EQ(texts.LayersWide, "6");
    EXPECT_EQ(texts.CarWidth, "3");
    EXPECT_EQ(texts.BottlesNeeded, "0.75");
    EXPECT_EQ(texts.SpringLength, "36");
}

TEST(ChamberSizing, CorrectsDimensionsTheSheetOrChamberCannotTake)
{
    Sized s;
    s.design.SpringWidth = "7";
    s.design.OtherWheelDiameter = "0.2";
    s.design.DriveWheelDiameter = "9";
    s.run();
    EXPECT_EQ(s.design.SpringWidth, "6");
    EXPECT_EQ(s.design.OtherWheelDiameter, "1.75");
    EXPECT_EQ(s.design.DriveWheelDiameter, "7.5");
    EXPECT_EQ(s.model.CoredLayers, 16); // (6 + 1.5996) / 0.5 = 15.2 rounded up
    EXPECT_FLOAT_EQ(s.model.BottlesNeeded, 3.0f);
    // A wheel above the case lifts the drive axle by the difference of the radii.
    EXPECT_FLOAT_EQ(s.model.DriveAxleHeight,
                    72.0f * (s.model.CaseInnerDia / 2.0f + (7.5f - s.model.CaseOuterDia) / 2.0f));

    s.design.OtherWheelDiameter = "8";
    s.run();
    EXPECT_EQ(s.design.OtherWheelDiameter, "7.5");
    EXPECT_FLOAT_EQ(s.model.OtherAxleHeight, 234.0f); // nearest(270) - 36
}

TEST(ChamberSizing, SmallDriveWheelTakesTheChambersTextOfAtMostFourCharacters)
{
    Sized s;
    s.design.DriveWheelDiameter = "1";
    s.design.SpringLength = "100";
    s.run();
    EXPECT_LE(s.design.DriveWheelDiameter.size(), 4);
    EXPECT_EQ(s.design.DriveWheelDiameter, driveWheelTextForChamber(s.model.CaseInnerDia));
    EXPECT_EQ(driveWheelTextForChamber(3.8176f), "4.80");
    EXPECT_EQ(driveWheelTextForChamber(9.5f), "10.5");
}

TEST(ChamberSizing, AllWheelDriveNeedsTwoSpringsWorthOfBottles)
{
    Sized s;
    s.design.setDrive(DriveType::AWD);
    s.run();
    EXPECT_FLOAT_EQ(s.model.BottlesNeeded, 1.5f);
}

TEST(ChamberSizing, ZeroSpringWidthNeedsNoLayersAndNoBottles)
{
    Sized s;
    s.design.SpringWidth = "0";
    s.run();
    EXPECT_EQ(s.model.CoredLayers, 0);
    EXPECT_FLOAT_EQ(s.model.BottlesNeeded, 0.0f);
}
