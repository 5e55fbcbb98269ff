// Whatever a design in memory holds, the whole analysis ends with figures that
// are numbers: no value a file, a tool or a slip could leave in the design makes
// it overflow, read outside a table, run without end or divide by nothing.
#include "DesignSamples.h"
#include "FigureChecks.h"

#include <QRandomGenerator>
#include <limits>

using namespace brisko;
using namespace brisko::test;

namespace {

constexpr int kMostInt = std::numeric_limits<int>::max();
constexpr int kLeastInt = std::numeric_limits<int>::min();

void expectFiniteInEveryDriveAndChamber(const CarDesign& design, const MaterialLibrary& materials)
{
    for (DriveType drive : {DriveType::RWD, DriveType::FWD, DriveType::AWD})
        for (ChamberShape chamber : {ChamberShape::Octagonal, ChamberShape::Circular}) {
            SCOPED_TRACE(testing::Message() << "drive " << int(drive) << " chamber " << int(chamber));
            CarDesign d = design;
            d.setDrive(drive);
            d.Chamber = chamber;
            const QStringList bad = analyseForNonFinite(d, materials);
            EXPECT_TRUE(bad.isEmpty()) << bad.join(", ").toStdString();
        }
}

CarDesign sample()
{
    return sampleDesign(1, DriveType::RWD, ChamberShape::Circular);
}

} // namespace

TEST(AnalysisTotality, TheSmallestDesignsOfEachFindingGiveNumbers)
{
    const MaterialLibrary materials = userMaterials();
    CarDesign d = sample();
    d.ElementStepSize = "2147483647";
    expectFiniteInEveryDriveAndChamber(d, materials);

    d = sample();
    QVector<QPoint> points = d.OuterOutline.points();
    points[0].setY(kLeastInt);
    points[1] = {kMostInt, 1000000000};
    d.OuterOutline.setPoints(points);
    expectFiniteInEveryDriveAndChamber(d, materials);

    for (const char* ratio : {"-1", "INF", "0", "1e38"}) {
        SCOPED_TRACE(ratio);
        d = sample();
        d.CaseRatio = ratio;
        expectFiniteInEveryDriveAndChamber(d, materials);
    }

    d = sample();
    d.SpringLength = "1e8";
    d.FrontAxle.setUnits(std::numeric_limits<float>::quiet_NaN(), 1e30f);
    expectFiniteInEveryDriveAndChamber(d, materials);

    d = sample();
    for (AddedWeight& w : d.Weights)
        w = {kMostInt, kLeastInt, 3e38f};
    expectFiniteInEveryDriveAndChamber(d, materials);
}

TEST(AnalysisTotality, ACarThatWeighsNothingOrLessStaysAtRestWithAnAdvisory)
{
    const MaterialLibrary materials = userMaterials();
    CarDesign d = sample();
    for (AddedWeight& w : d.Weights)
        w = {300, 300, -1.0f};
    VirtualPrototype vp(d, materials);
    vp.refresh(ProcessState::Dynamic, kNoFrame);
    EXPECT_LT(vp.mass().TotalMass, 0.0f);
    EXPECT_EQ(massFieldTexts(vp.mass()).CentroidX, "0");
    EXPECT_EQ(vp.dynamic().RunDistance, "0");
    EXPECT_TRUE(vp.advisories().NoMass.Shown);
    EXPECT_TRUE(nonFiniteFigures(vp, d).isEmpty());

    d.clearWeights(); // the same car with its own mass runs, and the advisory goes
    vp.refresh(ProcessState::Dynamic, kNoFrame);
    EXPECT_GT(vp.mass().TotalMass, 0.0f);
    EXPECT_FALSE(vp.advisories().NoMass.Shown);
    EXPECT_NE(vp.dynamic().RunDistance, "0");
}

// Designs with fields set to values far beyond anything that can be typed.
TEST(AnalysisTotality, DesignsWithHostileValuesGiveNumbers)
{
    const QStringList texts{"-1", "0", "INF", "nan", "1e38", "-3e38", "1e-38", "2147483647", "1e8", "", "abc",
                            "0.0001", "-0.0001"};
    const QList<int> ints{kLeastInt, kMostInt, -1000000000, 1000000000, 0, -1, 720, 540};
    const QList<float> floats{0.0f, -1.0f, 1e30f, -3e38f, 1e-30f, std::numeric_limits<float>::infinity(),
                              std::numeric_limits<float>::quiet_NaN()};
    MaterialLibrary materials = userMaterials();
    SpringMaterial wild = materials.spring(1);
    wild.Thickness = "1e30";
    wild.TorqueCurve[0] = "-1e30";
    wild.TorqueCurve[7] = "1e-30";
    materials.addSpring(wild);
    materials.addBoard({"Thin", "1e-30", "1e30"});
    QRandomGenerator random(16);
    const int cases = std::max(100, qEnvironmentVariableIntValue("BRISKO_HELD_CASES"));
    for (int i = 0; i < cases; ++i) {
        CarDesign d = sampleDesign(random.bounded(kPresetCount), DriveType(10 + random.bounded(3)),
                                   random.bounded(2) ? ChamberShape::Circular : ChamberShape::Octagonal);
        for (int m = 1 + random.bounded(4); m > 0; --m) {
            const int field = random.bounded(14);
            const QString text = texts[random.bounded(texts.size())];
            if (field < 8)
                *dimensionByCode(d, 14 + field) = text;
            else if (field == 8)
                d.CaseRatio = text;
            else if (field == 9)
                d.ElementStepSize = text;
            else if (field == 10) {
                QVector<QPoint> points = d.OuterOutline.points();
                points[random.bounded(points.size())] = {ints[random.bounded(ints.size())],
                                                         ints[random.bounded(ints.size())]};
                d.OuterOutline.setPoints(points);
            } else if (field == 11) {
                d.Weights[random.bounded(kWeightSlots)] = {ints[random.bounded(ints.size())],
                                                           ints[random.bounded(ints.size())],
                                                           floats[random.bounded(floats.size())]};
            } else if (field == 12) {
                d.FrontAxle.setUnits(floats[random.bounded(floats.size())], floats[random.bounded(floats.size())]);
            } else {
                d.Materials[random.bounded(kMaterialSlots)] = random.bounded(4);
            }
        }
        SCOPED_TRACE(i);
        const QStringList bad = analyseForNonFinite(d, materials);
        ASSERT_TRUE(bad.isEmpty()) << bad.join(", ").toStdString();
    }
}
