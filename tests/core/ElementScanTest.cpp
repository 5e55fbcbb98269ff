#include "analysis/ChamberSizing.h"
#include "model/DesignFigures.h"
#include "analysis/ElementScan.h"
#include "model/Presets.h"

#include <gtest/gtest.h>

#include <map>
#include <numeric>

using namespace brisko;

namespace {

constexpr float kPiF = 3.14159274f;

struct Scanned {
    CarDesign design;
    MaterialLibrary materials;
    MassModel model;
    CarGeometry g;

    Scanned() { loadPresetShape(design, 0); }
    void build()
    {
        sizeChamberAndLayers(design, materials, model);
        g = buildCarGeometry(design, materials, layoutView(864, 648), chamberGeometryOf(model));
    }
    void run(const ElementVisitor& visit = {})
    {
        build();
        runElementScan(design, materials, g, model, visit);
    }
    // A board of density 0 for the inner layers, so that only the outer ones weigh.
    void weightlessInnerBoard()
    {
        materials.addBoard({"Air", "0.50", "0"});
        design.Materials[InnerBodySlot] = 1;
    }
};

} // namespace

TEST(ElementScan, WholePaperOuterLayersWeighEveryElementOnThePaper)
{
    Scanned s;
    s.design.OuterOutline.setPoints({QPoint(0, 0), QPoint(720, 0), QPoint(720, 540), QPoint(0, 540)});
    s.weightlessInnerBoard();
    int outerElements = 0;
    s.run([&](const QPoint&, ElementLayer layer) { outerElements += layer == ElementLayer::Outer ? 1 : 0; });
    // Columns 4, 13, ... 715 and rows 535 ... 4 lie on the paper: 80 x 60 elements.
    EXPECT_EQ(outerElements, 4800);
    const float body = 4800.0f * 2.0f * (81.0f / 5184.0f) * 0.5f * 0.0023f;
    const float rearWheels = 2.0f * kPiF * 2.4f * 2.4f * 0.5f * 0.0023f;
    const float frontWheels = 2.0f * kPiF * 0.875f * 0.875f * 0.5f * 0.0023f;
    EXPECT_NEAR(s.model.BoardMass, body + rearWheels + frontWheels, 1e-5);
    const float axles = kPiF * 0.0625f * 7.0f * 0.027f + kPiF * 0.015625f * 7.0f * 0.027f;
    EXPECT_NEAR(s.model.AxleMass, axles, 1e-6);
    EXPECT_NEAR(s.model.SpringMass, 0.045f * 36.0f * 0.0125f * 1.5f, 1e-7);
    EXPECT_NEAR(s.model.TotalMass, s.model.BoardMass + s.model.AxleMass + s.model.SpringMass, 1e-5);

    const float rearX = s.model.CaseOuterDia / 2.0f;
    const float frontX = 10.0f - 115.0f / 72.0f;
    const float expectedX = (body * (359.5f / 72.0f) + frontX * (frontWheels + kPiF * 0.015625f * 7.0f * 0.027f)
                             + rearX * (rearWheels + kPiF * 0.0625f * 7.0f * 0.027f + s.model.SpringMass))
                            / s.model.TotalMass;
    EXPECT_NEAR(s.model.CentroidX, expectedX, 1e-4);
    EXPECT_NEAR(s.model.CentroidFromRear, s.model.CentroidX - rearX, 1e-6);
    EXPECT_NEAR(s.model.Wheelbase, frontX - rearX, 1e-6);
    EXPECT_NEAR(s.model.CentroidHeight, 2.4f + (7.5f - s.model.DriveAxleHeight / 72.0f) - s.model.CentroidY, 1e-5);
}

TEST(ElementScan, CaseCountsOnlyAboveThePaperButTheOutlineEverywhere)
{
    Scanned s;
    s.weightlessInnerBoard();
    // A small outline away from the case: the outer elements are the outline's and
    // the case's above the paper's bottom edge.
    s.design.OuterOutline.setPoints({QPoint(600, 500), QPoint(700, 500), QPoint(700, 600), QPoint(600, 600)});
    bool belowPaperInCase = false, belowPaperInOutline = false;
    s.run([&](const QPoint& p, ElementLayer layer) {
        if (layer != ElementLayer::Outer || p.y() < 540)
            return;
        (p.x() < 300 ? belowPaperInCase : belowPaperInOutline) = true;
    });
    EXPECT_FALSE(belowPaperInCase);
    EXPECT_TRUE(belowPaperInOutline);
}

TEST(ElementScan, InnerLayersLeaveTheChamberOut)
{
    Scanned s;
    s.run([&](const QPoint& p, ElementLayer layer) {
        if (layer == ElementLayer::Inner)
            EXPECT_FALSE(s.g.rearChamberDrawing().contains(p));
    });
    EXPECT_GT(s.model.BoardMass, 0.0f);
}

TEST(ElementScan, AddedWeightMovesTheCentroidAndAnEmptySlotNothing)
{
    Scanned s;
    s.run();
    const MassModel before = s.model;
    s.design.Weights[5] = {360, 100, 0.0f};
    s.run();
    EXPECT_FLOAT_EQ(s.model.TotalMass, before.TotalMass);
    EXPECT_FLOAT_EQ(s.model.CentroidX, before.CentroidX);

    s.design.Weights[5].Mass = 0.25f;
    s.run();
    EXPECT_NEAR(s.model.TotalMass, before.TotalMass + 0.25f, 1e-6);
    EXPECT_NEAR(s.model.CentroidX, (before.CentroidX * before.TotalMass + 5.0f * 0.25f) / s.model.TotalMass, 1e-5);
    EXPECT_NEAR(s.model.CentroidY, (before.CentroidY * before.TotalMass + (100.0f / 72.0f) * 0.25f) / s.model.TotalMass,
                1e-5);
}

TEST(ElementScan, AllWheelDriveCarriesASecondDriveAxleWithItsSpring)
{
    Scanned s;
    s.run();
    const MassModel rwd = s.model;
    s.design.setDrive(DriveType::AWD);
    s.run();
    const float driveAxle = kPiF * 0.0625f * 7.0f * 0.027f;
    EXPECT_NEAR(s.model.AxleMass, 2.0f * driveAxle, 1e-6);
    EXPECT_GT(s.model.BoardMass, rwd.BoardMass); // bigger front wheels and a second case
    EXPECT_NEAR(s.model.Wheelbase, 10.0f - s.model.CaseOuterDia, 1e-5);
    EXPECT_NEAR(s.model.TotalMass - s.model.BoardMass - s.model.AxleMass, 2.0f * s.model.SpringMass, 1e-5);
}

TEST(ElementScan, SymmetricAllWheelDriveBodyBalancesMidway)
{
    Scanned s;
    s.design.setDrive(DriveType::AWD);
    s.design.OuterOutline.setPoints({QPoint(0, 300), QPoint(720, 300), QPoint(720, 540), QPoint(0, 540)});
    s.design.clearInnerOutline();
    s.design.ElementStepSize = "2";
    s.run();
    EXPECT_NEAR(s.model.CentroidX, 5.0f, 0.02f);
}

TEST(ElementScan, FinerGridConvergesOnTheSameBody)
{
    Scanned coarse, fine;
    fine.design.ElementStepSize = "2";
    coarse.run();
    fine.run();
    EXPECT_NEAR(coarse.model.BoardMass, fine.model.BoardMass, 0.02f * fine.model.BoardMass);
    EXPECT_NEAR(coarse.model.CentroidX, fine.model.CentroidX, 0.05f);
    EXPECT_NEAR(coarse.model.CentroidY, fine.model.CentroidY, 0.05f);
}

TEST(MassStep, ElementSizeBelowTwoBecomesNine)
{
    Scanned s;
    s.design.ElementStepSize = "1";
    EXPECT_EQ(elementSize(s.design), 9);
    EXPECT_EQ(s.design.ElementStepSize, "1");
    settleElementSize(s.design);
    EXPECT_EQ(s.design.ElementStepSize, "9");
    s.design.ElementStepSize = "abc";
    EXPECT_EQ(elementSize(s.design), 9);
    const int sizes[] = {72, 36, 18, 9, 4, 2};
    for (int p = 0; p < 6; ++p)
        EXPECT_EQ(elementSizeAtSliderPosition(p), sizes[p]) << p;
}

TEST(MassStep, WithoutLayersOnlyTheSpringMassIsRefreshed)
{
    Scanned s;
    s.run();
    const MassModel before = s.model;
    s.design.clearOuterOutline();
    s.design.clearInnerOutline();
    s.design.SpringLength = "72";
    s.build();
    EXPECT_FALSE(runMassStep(s.design, s.materials, s.g, s.model, 0));
    EXPECT_FLOAT_EQ(s.model.SpringMass, 2.0f * before.SpringMass);
    EXPECT_FLOAT_EQ(s.model.TotalMass, before.TotalMass);
    EXPECT_FLOAT_EQ(s.model.CentroidX, before.CentroidX);

    loadPresetShape(s.design, 0);
    s.build();
    EXPECT_FALSE(runMassStep(s.design, s.materials, s.g, s.model, 1));
    EXPECT_TRUE(runMassStep(s.design, s.materials, s.g, s.model, 0));
    EXPECT_GT(s.model.TotalMass, before.TotalMass);
}

TEST(MassStep, TinyMassesReadZero)
{
    MassModel m;
    m.SpringMass = 0.00005f;
    m.BoardMass = 0.5f;
    const MassFieldTexts t = massFieldTexts(m);
    EXPECT_EQ(t.SpringMass, "0");
    EXPECT_EQ(t.BoardMass, "0.5");
    EXPECT_EQ(t.AxleMass, "0");
}

// The fast scan must count exactly what point-in-region tests count, column by
// column and row by row, for every preset, drive, chamber shape and element size.
TEST(ElementScanExactness, BitmapScanEqualsRegionByRegionScan)
{
    for (int preset = 0; preset < kPresetCount; ++preset) {
        for (DriveType drive : {DriveType::RWD, DriveType::FWD, DriveType::AWD}) {
            for (ChamberShape shape : {ChamberShape::Circular, ChamberShape::Octagonal}) {
                CarDesign design;
                MaterialLibrary materials;
                MassModel model;
                loadPresetShape(design, preset);
                design.setDrive(drive);
                design.Chamber = shape;
                sizeChamberAndLayers(design, materials, model);
                const CarGeometry g =
                    buildCarGeometry(design, materials, layoutView(1280, 800), chamberGeometryOf(model));
                for (int size : {72, 36, 18, 9, 4, 2}) {
                    const ElementCounts fast = countElements(g, size, 2, model.CoredLayers, PointTests::Masks);
                    const ElementCounts naive =
                        countElements(g, size, 2, model.CoredLayers, PointTests::RegionByRegion);
                    ASSERT_EQ(fast, naive) << "preset " << preset << " drive " << int(drive) << " shape "
                                           << int(shape) << " size " << size;
                    ASSERT_GT(std::accumulate(fast.OuterColumns.begin(), fast.OuterColumns.end(), 0), 0);
                }
            }
        }
    }
}

namespace {

// The mass figures worked out from the counted elements in the order in which they
// are defined, each product and sum in single precision from left to right.
struct WeighedByHand {
    float Board = 0, Axles = 0, Total = 0, CentroidX = 0, CentroidY = 0;
};

WeighedByHand weighByHand(Scanned& s)
{
    const int size = elementSize(s.design);
    const int h = size / 2;
    std::map<int, int> outerColumns, innerColumns, outerRows, innerRows;
    s.run([&](const QPoint& p, ElementLayer layer) {
        const int column = (p.x() - h) / size;
        const int row = (540 + h - p.y()) / size;
        ((layer == ElementLayer::Outer) ? outerColumns : innerColumns)[column] +=
            layer == ElementLayer::Outer ? s.model.FullLayers : s.model.CoredLayers;
        ((layer == ElementLayer::Outer) ? outerRows : innerRows)[row] +=
            layer == ElementLayer::Outer ? s.model.FullLayers : s.model.CoredLayers;
    });
    const CarDesign& d = s.design;
    const BoardMaterial& outer = s.materials.board(d.Materials[OuterBodySlot]);
    const BoardMaterial& inner = s.materials.board(d.Materials[InnerBodySlot]);
    const float area = static_cast<float>(size * size) / (72.0f * 72.0f);
    const auto f = [](const QString& t) { return figure(t); };
    const auto massOf = [&](int outerCount, int innerCount) {
        return static_cast<float>(outerCount) * area * f(outer.Thickness) * f(outer.Density)
            + static_cast<float>(innerCount) * area * f(inner.Thickness) * f(inner.Density);
    };
    float body = 0, momentX = 0, momentY = 0;
    for (int k = 0; k <= 720 / size + 2; ++k) {
        const float columnMass = massOf(outerColumns[k], innerColumns[k]);
        body += columnMass;
        momentX += columnMass * (static_cast<float>(h + k * size) / 72.0f);
    }
    for (int r = nearest(540.0f / static_cast<float>(size)); r >= 0; --r)
        momentY += massOf(outerRows[r], innerRows[r])
                   * (7.5f - static_cast<float>(r * size) / 72.0f + static_cast<float>(size) / 72.0f / 2.0f);

    const bool awd = d.Drive == DriveType::AWD;
    const auto pairOfWheels = [&](const QString& diameter, MaterialSlot slot) {
        const BoardMaterial& b = s.materials.board(d.Materials[slot]);
        const float radius = f(diameter) / 2.0f;
        return 2.0f * kPiF * (radius * radius) * f(b.Thickness) * f(b.Density);
    };
    const auto axle = [&](const QString& diameter, const QString& length, MaterialSlot slot) {
        const float radius = f(diameter) / 2.0f;
        return kPiF * (radius * radius) * f(length) * f(s.materials.axle(d.Materials[slot]).Density);
    };
    const float rearWheels = pairOfWheels(d.DriveWheelDiameter, DriveWheelSlot);
    const float rearAxle = axle(d.DriveAxleDiameter, d.DriveAxleLength, DriveAxleSlot);
    const float frontWheels = awd ? rearWheels : pairOfWheels(d.OtherWheelDiameter, OtherWheelSlot);
    const float frontAxle = awd ? rearAxle : axle(d.OtherAxleDiameter, d.OtherAxleLength, OtherAxleSlot);
    const float spring = s.model.SpringMass;
    const float secondSpring = awd ? spring : 0.0f;
    float weights = 0, weightsX = 0, weightsY = 0;
    for (const AddedWeight& w : d.Weights) {
        weights += w.Mass;
        weightsX += static_cast<float>(w.X) / 72.0f * w.Mass;
        weightsY += static_cast<float>(w.Y) / 72.0f * w.Mass;
    }
    const float rearX = s.model.CaseOuterDia / 2.0f;
    const float frontX = awd ? 10.0f - s.model.CaseOuterDia / 2.0f : 10.0f - d.FrontAxle.XInches;
    const float rearY = 7.5f - s.model.DriveAxleHeight / 72.0f;
    const float frontY = awd ? rearY : 7.5f - s.model.OtherAxleHeightInches;

    WeighedByHand w;
    w.Board = body + frontWheels + rearWheels;
    w.Axles = frontAxle + rearAxle;
    w.Total = body + frontWheels + frontAxle + rearWheels + rearAxle + spring + secondSpring + weights;
    w.CentroidX = (momentX + frontX * (frontWheels + frontAxle + secondSpring) + rearX * (rearWheels + rearAxle + spring)
                   + weightsX)
                  / w.Total;
    w.CentroidY = (momentY + frontY * (frontWheels + frontAxle + secondSpring) + rearY * (rearWheels + rearAxle + spring)
                   + weightsY)
                  / w.Total;
    return w;
}

} // namespace

// The figures a student reads must be the single-precision results of the defined
// order of operations, not merely close to them.
TEST(ElementScanFigures, MassesAndCentroidFollowTheirFormulasExactly)
{
    for (int preset = 0; preset < 5; ++preset) {
        for (const DriveType drive : {DriveType::RWD, DriveType::AWD}) {
            for (const char* size : {"9", "4", "7"}) {
                Scanned s;
                loadPresetShape(s.design, preset);
                s.design.setDrive(drive);
                s.design.ElementStepSize = size;
                if (preset % 2 == 1) { // axles and wheels whose radii are not powers of two
                    s.design.DriveAxleDiameter = "0.3";
                    s.design.OtherAxleDiameter = "0.19";
                    s.design.OtherWheelDiameter = "2.3";
                    s.design.DriveAxleLength = "6.3";
                    s.design.OtherAxleLength = "7";
                }
                s.design.Weights[3] = {413, 201, 0.37f};
                s.design.Weights[9] = {97, 333, 0.11f};
                const WeighedByHand expected = weighByHand(s);
                const auto where = ::testing::Message() << "preset " << preset << " drive " << static_cast<int>(drive)
                                                        << " size " << size;
                EXPECT_EQ(s.model.BoardMass, expected.Board) << where;
                EXPECT_EQ(s.model.AxleMass, expected.Axles) << where;
                EXPECT_EQ(s.model.TotalMass, expected.Total) << where;
                EXPECT_EQ(s.model.CentroidX, expected.CentroidX) << where;
                EXPECT_EQ(s.model.CentroidY, expected.CentroidY) << where;
            }
        }
    }
}

// Wheels and axles alone (a weightless body): each disc is pi times the squared
// radius, then the thickness or length, then the density.
TEST(ElementScanFigures, WheelAndAxleDiscsFollowTheirFormulasExactly)
{
    for (const char* other : {"2.76", "3.45", "2.24"}) {
        Scanned s;
        s.weightlessInnerBoard();
        s.design.Materials[OuterBodySlot] = 1;
        s.design.OtherWheelDiameter = other;
        s.design.OtherAxleDiameter = QString::number(QString(other).toDouble() / 10.0);
        const WeighedByHand expected = weighByHand(s);
        EXPECT_EQ(s.model.BoardMass, expected.Board) << other;
        EXPECT_EQ(s.model.AxleMass, expected.Axles) << other;
    }
}
