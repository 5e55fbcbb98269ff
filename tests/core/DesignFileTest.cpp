#include "DesignSamples.h"
#include "FigureChecks.h"
#include "persist/DesignFile.h"
#include "persist/DesignFileLines.h"
#include "text/NumberText.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace brisko;
using namespace brisko::test;

namespace {

class DesignFileTest : public ::testing::Test {
protected:
    QString path(const QString& name = "car.brsk") const { return dir.filePath(name); }

    DesignFileContents readBack(const QString& file, OlderLayout older = OlderLayout::Refused)
    {
        DesignFileContents contents;
        QString error;
        EXPECT_TRUE(parseDesignFile(file, older, contents, &error)) << error.toStdString();
        return contents;
    }

    QStringList writtenLines(const CarDesign& d, const MaterialLibrary& m, const QString& name = "Sample")
    {
        QString error;
        EXPECT_TRUE(WriteDesignFile(path(), d, m, name, &error)) << error.toStdString();
        QStringList lines = QString::fromLatin1(fileBytes(path())).split("\r\n");
        EXPECT_EQ(lines.takeLast(), ""); // the last line ends too
        return lines;
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(DesignFileTest, WeightsAreWrittenInSlotOrderAndReadBackIntoTheFirstSlots)
{
    CarDesign d = sampleDesign(0, DriveType::RWD, ChamberShape::Circular);
    const QStringList lines = writtenLines(d, MaterialLibrary());
    // Header, 8 dimensions, block mark, 8 choices, 4 zero counts, 3 preferences,
    // chamber, drive, then the default shape twice (4 points each).
    const int weightCountLine = 2 + 1 + 8 + 1 + 8 + 4 + 3 + 2 + (1 + 8) * 2;
    EXPECT_EQ(lines.at(weightCountLine), "3");
    EXPECT_EQ(lines.mid(weightCountLine + 1, 9),
              QStringList({"100", "400", fileFloat(0.125f), "-5", "12", fileFloat(-0.25f), "650", "500", fileFloat(1.0f)}));

    d.Materials.fill(0);
    WriteDesignFile(path(), d, MaterialLibrary(), "Sample", nullptr);
    const CarDesign back = readBack(path()).design;
    EXPECT_EQ(back.weightsInUse(), 3);
    EXPECT_EQ(back.Weights[0].X, 100);
    EXPECT_EQ(back.Weights[1].Mass, -0.25f);
    EXPECT_EQ(back.Weights[2].Y, 500);
    EXPECT_FALSE(back.Weights[3].inUse());
}

TEST_F(DesignFileTest, WriteThenReadReproducesEveryFieldForAllPresetsDrivesAndChambers)
{
    const MaterialLibrary materials = userMaterials();
    for (int preset = 0; preset < kPresetCount; ++preset)
        for (DriveType drive : {DriveType::RWD, DriveType::FWD, DriveType::AWD})
            for (ChamberShape chamber : {ChamberShape::Octagonal, ChamberShape::Circular}) {
                SCOPED_TRACE(testing::Message() << "preset " << preset << " drive " << int(drive) << " chamber "
                                                << int(chamber));
                CarDesign d = sampleDesign(preset, drive, chamber);
                ASSERT_TRUE(WriteDesignFile(path(), d, materials, "Racer Mk 2", nullptr));
                const DesignFileContents back = readBack(path());
                EXPECT_EQ(back.name, "Racer Mk 2");
                EXPECT_EQ(back.materials, materials);
                EXPECT_EQ(back.design.DriveWheelDiameter, "4.80");
                for (int code : kDimensionCodes)
                    EXPECT_EQ(*dimensionByCode(back.design, code), *dimensionByCode(d, code)) << code;
                EXPECT_EQ(back.design.KeptOtherWheelDiameter, d.OtherWheelDiameter);
                EXPECT_EQ(back.design.CaseRatio, "12.5");
                EXPECT_EQ(back.design.FrictionForce, "0.07");
                EXPECT_EQ(back.design.ElementStepSize, "6");
                EXPECT_EQ(back.design.Chamber, chamber);
                EXPECT_EQ(back.design.Drive, drive);
                EXPECT_EQ(back.design.Materials, d.Materials);
                EXPECT_EQ(back.design.OuterOutline, d.OuterOutline);
                EXPECT_EQ(back.design.InnerOutline, d.InnerOutline);
                EXPECT_EQ(back.design.FrontAxle.XUnits, 133.0f);
                EXPECT_EQ(back.design.FrontAxle.XInches, 133.0f / 72.0f);
                EXPECT_EQ(back.design.FrontAxle.YUnits, 31.0f);
                // Rewriting what was read gives the same bytes.
                EXPECT_EQ(designFileBytes(back.design, back.materials, back.name),
                          designFileBytes(d, materials, "Racer Mk 2"));
                // And the design read gives the figures of the design saved.
                CarDesign saved = d;
                CarDesign read = back.design;
                VirtualPrototype before(saved, materials);
                VirtualPrototype after(read, back.materials);
                before.refresh(ProcessState::Dynamic, kNoFrame);
                after.refresh(ProcessState::Dynamic, kNoFrame);
                EXPECT_EQ(figureTexts(after, read), figureTexts(before, saved));
            }
}

TEST_F(DesignFileTest, BytesUseCrLfAndTwentyThreeCharacterFloats)
{
    const QByteArray bytes = designFileBytes(sampleDesign(3, DriveType::AWD, ChamberShape::Octagonal), userMaterials(), "T");
    EXPECT_TRUE(bytes.startsWith(":::::VersionInformation:::::\r\n3\r\nT\r\n"));
    EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n"));
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    const QStringList lines = QString::fromLatin1(bytes).split("\r\n");
    const QStringList axle = lines.mid(lines.size() - 5, 4);
    EXPECT_EQ(axle, QStringList({" 1.84722220897675E+0000", " 4.30555552244186E-0001", " 1.33000000000000E+0002",
                                 " 3.10000000000000E+0001"}));
    for (const QString& f : axle)
        EXPECT_EQ(f.size(), 23);
}

TEST_F(DesignFileTest, DefaultMaterialsWriteFourZeroCountsAndNoRecords)
{
    CarDesign d;
    loadPresetShape(d, 0);
    const QStringList lines = writtenLines(d, MaterialLibrary());
    EXPECT_EQ(lines.at(11), "1");
    EXPECT_EQ(lines.mid(12, 8), QStringList(8, "0"));
    EXPECT_EQ(lines.mid(20, 4), QStringList({"0", "0", "0", "0"}));
    EXPECT_EQ(lines.mid(24, 5), QStringList({"9", "4.0", "0.05", "14", "10"}));
}

TEST_F(DesignFileTest, NoInnerPointsGiveTheOuterOutlineAndPlainNumbersRead)
{
    CarDesign d;
    loadPresetShape(d, 1);
    d.clearInnerOutline();
    d.FrontAxle.setUnits(115, 25);
    QByteArray bytes = designFileBytes(d, MaterialLibrary(), "Plain");
    ASSERT_TRUE(bytes.contains("\r\n 1.15000000000000E+0002\r\n"));
    bytes.replace(fileFloat(25.0f / 72.0f).toLatin1(), "0.347222");         // a plainer decimal form
    writeBytes(path(), bytes);
    const CarDesign back = readBack(path()).design;
    EXPECT_EQ(back.InnerOutline, back.OuterOutline);
    EXPECT_EQ(back.InnerOutline.count(), 20);
    EXPECT_EQ(back.FrontAxle.XUnits, 115.0f);
    EXPECT_FLOAT_EQ(back.FrontAxle.YInches, 0.347222f);
}

TEST_F(DesignFileTest, ZeroMassWeightsAreRefusedLikeTypedOnes)
{
    CarDesign d = sampleDesign(0, DriveType::RWD, ChamberShape::Circular);
    d.Materials.fill(0);
    QByteArray bytes = designFileBytes(d, MaterialLibrary(), "Z");
    bytes.replace("\r\n" + fileFloat(-0.25f).toLatin1() + "\r\n", "\r\n0\r\n");
    writeBytes(path(), bytes);
    DesignFileContents contents;
    QString error;
    EXPECT_FALSE(parseDesignFile(path(), OlderLayout::Refused, contents, &error));
    EXPECT_TRUE(error.contains("a weight's mass is \"0\"")) << error.toStdString();
}

TEST_F(DesignFileTest, OlderLayoutReadsItsOwnOrder)
{
    QStringList lines{"Brisko car", "1.25", "30", "5.5", "0.4", "2.25", // no marker; five dimensions
                      "1", "1", "0", "0", "0", "0", "0", "0", "0",        // block mark and choices
                      "1", "Old board", "0.3", "0.004", "0", "0", "0",    // one board
                      "7", "123",                                         // step size, unused
                      "11", "13",                                         // drive FWD, then octagonal
                      "3", "10", "500", "700", "500", "10", "300",        // outer outline
                      "1", "50", "60", "0.5",                             // one weight
                      "1.6", "0.35", "115", "25"};
    writeBytes(path(), lines.join("\r\n").toLatin1() + "\r\n");
    DesignFileContents start;
    start.design.CaseRatio = "20";
    start.design.FrictionForce = "0.1";
    start.design.InnerOutline.append({1, 1});
    start.name = "was here";
    QString error;
    ASSERT_TRUE(parseDesignFile(path(), OlderLayout::Read, start, &error)) << error.toStdString();
    const CarDesign& d = start.design;
    EXPECT_TRUE(start.olderLayout);
    EXPECT_EQ(start.name, "");
    EXPECT_EQ(d.SpringWidth, "1.25");
    EXPECT_EQ(d.SpringLength, "30");
    EXPECT_EQ(d.DriveWheelDiameter, "5.5");
    EXPECT_EQ(d.DriveAxleDiameter, "0.4");
    EXPECT_EQ(d.OtherWheelDiameter, "2.25");
    EXPECT_EQ(d.KeptOtherWheelDiameter, "2.25");
    EXPECT_EQ(d.OtherAxleDiameter, "0.25"); // the three others keep their starting texts
    EXPECT_EQ(d.DriveAxleLength, "7");
    EXPECT_EQ(d.Drive, DriveType::FWD);
    EXPECT_EQ(d.Chamber, ChamberShape::Octagonal);
    EXPECT_EQ(d.ElementStepSize, "7");
    EXPECT_EQ(d.CaseRatio, "20");
    EXPECT_EQ(d.FrictionForce, "0.1");
    EXPECT_EQ(d.OuterOutline.count(), 3);
    EXPECT_TRUE(d.InnerOutline.isEmpty());
    EXPECT_EQ(d.Materials[0], 1);
    EXPECT_EQ(start.materials.board(1).Name, "Old board");
    EXPECT_EQ(d.Weights[0].Mass, 0.5f);
    EXPECT_EQ(d.FrontAxle.XUnits, 115.0f);

    DesignFileContents refused;
    EXPECT_FALSE(parseDesignFile(path(), OlderLayout::Refused, refused, &error));
    EXPECT_TRUE(error.contains("Line 1")) << error.toStdString();
}

TEST(ForceExtension, ReplacesOrAppendsTheExtensionOfTheFileName)
{
    EXPECT_EQ(ForceExtension("/h/u/car.BRSK", ".brsk"), "/h/u/car.brsk");
    EXPECT_EQ(ForceExtension("/h/u/car", ".brsk"), "/h/u/car.brsk");
    EXPECT_EQ(ForceExtension("/h/u/car.brsk", ".brsk"), "/h/u/car.brsk");
    EXPECT_EQ(ForceExtension("/h/u/car.v2.txt", ".brsk"), "/h/u/car.v2.brsk");
    EXPECT_EQ(ForceExtension("/h/my.folder/car", ".brsk"), "/h/my.folder/car.brsk");
    EXPECT_EQ(ForceExtension("C:\\my.docs\\car", ".brsk"), "C:\\my.docs\\car.brsk");
    EXPECT_EQ(designNameOfPath("/h/u/My Racer.brsk"), "My Racer");
}

TEST(DesignFileLines, CountsLinesAndNamesTheFaultyOne)
{
    DesignFileLines lines("a\r\n12\nx\r\n-3", "f.brsk");
    QString text;
    int n = 0;
    EXPECT_TRUE(lines.readText(text));
    EXPECT_TRUE(lines.readInt(n, "a count"));
    EXPECT_EQ(n, 12);
    EXPECT_FALSE(lines.readInt(n, "a count"));
    EXPECT_EQ(lines.error(), "The design file \"f.brsk\" cannot be read.\nLine 3: a count should be a whole number, not \"x\".");
    EXPECT_FALSE(lines.readText(text)); // nothing more after a fault

    DesignFileLines counts("-3", "g");
    EXPECT_FALSE(counts.readCount(n, 256, "the count"));
    EXPECT_TRUE(counts.error().contains("Line 1: the count is -3"));
}
