#include "model/CarDesign.h"
#include "model/MaterialLibrary.h"
#include "model/Presets.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace brisko;

TEST(Presets, EachHasExactlyItsTablesPointCounts)
{
    const int outer[] = {4, 20, 12, 30, 26};
    const int inner[] = {4, 36, 32, 42, 22};
    for (int p = 0; p < kPresetCount; ++p) {
        CarDesign d;
        loadPresetShape(d, p);
        EXPECT_EQ(d.OuterOutline.count(), outer[p]) << p;
        EXPECT_EQ(d.InnerOutline.count(), inner[p]) << p;
    }
    CarDesign d;
    loadPresetShape(d, 0);
    EXPECT_EQ(d.OuterOutline.point(0), QPoint(720, 540));
    EXPECT_EQ(d.OuterOutline.point(1), QPoint(0, 216));
    loadPresetShape(d, 3, QPoint(10, 20));
    EXPECT_EQ(d.InnerOutline.point(41), QPoint(720, 551));
    EXPECT_EQ(presetNames().at(0), "Default Design");
    EXPECT_EQ(presetListText(0), "Default design");
    EXPECT_EQ(presetListText(3), "Tow Truck");
}

TEST(Presets, UntitledNameNeverGivesZNorANumberAbove999)
{
    QRandomGenerator random(7);
    const QRegularExpression form("^Untitled design [A-Y]{2}(0|[1-9][0-9]{0,2})$");
    bool sawY = false, saw999 = false, saw0 = false;
    for (int i = 0; i < 20000; ++i) {
        const QString name = untitledName(random);
        ASSERT_TRUE(form.match(name).hasMatch()) << name.toStdString();
        sawY |= name.contains("Y");
        saw999 |= name.endsWith("999");
        saw0 |= name.endsWith("0") && !name.at(name.size() - 2).isDigit();
    }
    EXPECT_TRUE(sawY && saw999 && saw0);
}

TEST(Presets, ResetLeavesThePreferencesAlone)
{
    CarDesign d;
    d.SpringWidth = "3";
    d.CaseRatio = "10";
    d.FrictionForce = "0.2";
    d.Chamber = ChamberShape::Octagonal;
    d.Drive = DriveType::AWD;
    d.Materials[SpringSlot] = 2;
    d.FrontAxle.setUnits(200, 30);
    applyDefaultDesign(d);
    EXPECT_EQ(d.SpringWidth, "1.5");
    EXPECT_EQ(d.DriveWheelDiameter, "4.80");
    EXPECT_EQ(d.Drive, DriveType::RWD);
    EXPECT_EQ(d.Materials[SpringSlot], 0);
    EXPECT_EQ(d.FrontAxle.XUnits, 115.0f);
    EXPECT_EQ(d.CaseRatio, "10");
    EXPECT_EQ(d.FrictionForce, "0.2");
    EXPECT_EQ(d.Chamber, ChamberShape::Octagonal);
}

TEST(CarDesignModel, DriveSwitchKeepsTheOtherWheelAsideInAwd)
{
    CarDesign d;
    d.OtherWheelDiameter = "2.5";
    d.KeptOtherWheelDiameter = "2.5";
    d.setDrive(DriveType::AWD);
    d.OtherWheelDiameter = "4.80"; // anything may happen to it while AWD
    d.setDrive(DriveType::RWD);
    EXPECT_EQ(d.OtherWheelDiameter, "2.5");
}

TEST(CarDesignModel, OutlinesHoldAtMost256PointsAndWeightsCountByMass)
{
    BodyOutline o;
    for (int i = 0; i < 256; ++i)
        ASSERT_TRUE(o.append({i, i}));
    EXPECT_FALSE(o.append({1, 1}));
    EXPECT_EQ(o.count(), 256);

    CarDesign d;
    d.Weights[4].Mass = 0.5f;
    d.Weights[8].Mass = -0.25f;
    d.Weights[9].X = 10; // position without mass is still empty
    EXPECT_EQ(d.weightsInUse(), 2);
    d.clearWeights();
    EXPECT_EQ(d.weightsInUse(), 0);

    FrontAxleLocation f;
    f.setUnits(144, 36);
    EXPECT_EQ(f.XInches, 2.0f);
    EXPECT_EQ(f.YInches, 0.5f);
}

TEST(MaterialLibraryModel, DefaultsAsTabled)
{
    MaterialLibrary lib;
    EXPECT_EQ(lib.board(0).Name, "Default Foamcore");
    EXPECT_EQ(lib.board(0).Thickness, "0.50");
    EXPECT_EQ(lib.board(0).Density, "0.0023");
    EXPECT_EQ(lib.axle(0).Density, "0.027");
    EXPECT_EQ(lib.spring(0).TorqueCurve[0], "0.57");
    EXPECT_EQ(lib.spring(0).TorqueCurve[48], "0");
    EXPECT_EQ(lib.spring(0).SampleWidth, "1.5");
    EXPECT_EQ(lib.tread(0).Name, "Ideal Rubber");
    EXPECT_EQ(lib.listTexts(MaterialKind::Tread), QStringList{"Ideal rubber"});
    EXPECT_EQ(lib.count(MaterialKind::Spring), 1);
}

TEST(MaterialLibraryModel, DeletingMovesLaterRecordsDownWithTheirFields)
{
    MaterialLibrary lib;
    lib.addBoard({"B1", "0.25", "0.001"});
    lib.addBoard({"B2", "0.3", "0.002"});
    lib.addBoard({"B3", "0.4", "0.003"});
    ASSERT_EQ(lib.count(MaterialKind::Board), 4);
    EXPECT_TRUE(lib.remove(MaterialKind::Board, 2));
    EXPECT_EQ(lib.listTexts(MaterialKind::Board), (QStringList{"Default Foamcore", "B1", "B3"}));
    EXPECT_EQ(lib.board(2).Thickness, "0.4");
    EXPECT_EQ(lib.board(2).Density, "0.003");
    EXPECT_FALSE(lib.remove(MaterialKind::Board, 0));
    EXPECT_FALSE(lib.remove(MaterialKind::Board, 9));

    MaterialSelection sel{};
    sel[OuterBodySlot] = 2;
    sel[InnerBodySlot] = 3;
    sel[DriveWheelSlot] = 1;
    sel[SpringSlot] = 3; // another kind stays
    adjustSelectionsAfterDelete(sel, MaterialKind::Board, 2);
    EXPECT_EQ(sel[OuterBodySlot], 0);
    EXPECT_EQ(sel[InnerBodySlot], 2);
    EXPECT_EQ(sel[DriveWheelSlot], 1);
    EXPECT_EQ(sel[SpringSlot], 3);
}

TEST(MaterialLibraryModel, RefusesThe102ndMaterialOfAKind)
{
    MaterialLibrary lib;
    int notified = 0;
    lib.onChanged = [&](MaterialKind k) { notified += k == MaterialKind::Tread; };
    QString error;
    for (int i = 1; i <= 100; ++i)
        ASSERT_TRUE(lib.addTread({QString("T%1").arg(i), "0.5"}, &error));
    EXPECT_FALSE(lib.addTread({"T101", "0.5"}, &error));
    EXPECT_TRUE(error.contains("101"));
    EXPECT_EQ(lib.count(MaterialKind::Tread), 101);
    EXPECT_EQ(notified, 100);
    lib.replaceTread(0, {"X", "2"});
    EXPECT_EQ(lib.tread(0).Name, "Ideal Rubber");
    lib.clearDefined();
    EXPECT_EQ(lib.count(MaterialKind::Tread), 1);
}
