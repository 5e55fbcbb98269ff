#include "geometry/CarGeometry.h"
#include "render/PartReadout.h"
#include "render/WeightMarkers.h"

#include <gtest/gtest.h>

using namespace brisko;

TEST(PartReadout, NamesEachPartWithItsMaterialAndDimensions)
{
    const CarDesign design;
    const MaterialLibrary materials;
    const auto readout = [&](int part) { return partReadout(part, design, materials); };
    EXPECT_EQ(readout(-1), "Select parts to edit their attributes. Click \"Apply\" to apply your changes.");
    EXPECT_EQ(readout(InnerLayersPart), "Highlighted: Inner layer (Default Foamcore).");
    EXPECT_EQ(readout(OuterLayerPart), "Highlighted: Outer layer (Default Foamcore).");
    EXPECT_EQ(readout(WheelTreadPart), "Highlighted: Wheel tread (Ideal Rubber).");
    EXPECT_EQ(readout(DriveWheelsPart), "Highlighted: Drive wheel (Default Foamcore, 4.80 inches dia).");
    EXPECT_EQ(readout(OtherWheelsPart), "Highlighted: Other wheel (Default Foamcore, 1.75 inches dia).");
    EXPECT_EQ(readout(SpringPart), "Highlighted: Spring (Default plastic, 1.5 inches wide, 36 inches long).");
    EXPECT_EQ(readout(DriveAxlePart), "Highlighted: Drive axle (Default Oak, 0.5 inches dia, 7 inches long).");
    EXPECT_EQ(readout(OtherAxlePart), "Highlighted: Other axle (Default Oak, 0.25 inches dia, 7 inches long).");
}

TEST(PartReadout, FollowsTheChosenMaterialAndTheTypedTexts)
{
    CarDesign design;
    MaterialLibrary materials;
    materials.addAxle({QStringLiteral("Steel rod"), QStringLiteral("0.28")});
    materials.addBoard({QStringLiteral("Balsa"), QStringLiteral("0.25"), QStringLiteral("0.005")});
    design.Materials[OtherAxleSlot] = 1;
    design.Materials[OtherWheelSlot] = 1;
    design.OtherAxleLength = QStringLiteral("6.5");
    design.OtherWheelDiameter = QStringLiteral("2");
    EXPECT_EQ(partReadout(OtherAxlePart, design, materials),
              "Highlighted: Other axle (Steel rod, 0.25 inches dia, 6.5 inches long).");
    EXPECT_EQ(partReadout(OtherWheelsPart, design, materials), "Highlighted: Other wheel (Balsa, 2 inches dia).");
    EXPECT_EQ(partReadout(DriveAxlePart, design, materials),
              "Highlighted: Drive axle (Default Oak, 0.5 inches dia, 7 inches long).");
}

TEST(WeightMarkers, ArrowLengthHitBoxAndLabelFollowTheMass)
{
    EXPECT_EQ(weightArrowLength(-0.5f), -72);
    EXPECT_EQ(weightArrowLength(1.0f), 144);
    EXPECT_EQ(weightLabel(-0.5f), "-0.5 lb");
    EXPECT_EQ(weightLabel(0.125f), "0.125 lb");
    EXPECT_EQ(weightLabel(0.57f), "0.569 lb");

    // Down onto the point: the box runs from 15 above the tail to the point.
    const QRect down = weightHitBox(QPoint(100, 200), 0.5f, 2.0f);
    EXPECT_EQ(down.left(), 95);
    EXPECT_EQ(down.right(), 104); // x + 5 is outside
    EXPECT_EQ(down.top(), 200 - 144 - 15);
    EXPECT_EQ(down.bottom(), 199);
    EXPECT_FALSE(down.contains(QPoint(100, 200)));
    // Up to the point: from the point to 15 below the tail; the margin does not scale.
    const QRect up = weightHitBox(QPoint(100, 200), -0.5f, 2.0f);
    EXPECT_EQ(up.top(), 200);
    EXPECT_EQ(up.bottom(), 200 + 144 + 15 - 1);
}
