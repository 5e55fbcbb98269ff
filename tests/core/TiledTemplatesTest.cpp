// Templates larger than the printable area: printed at full size in overlapping
// tiles that stay within the paper and make the whole template again, and counted
// beforehand for the window.
#include "GuiApp.h"
#include "PagesUnderTest.h"

#include "model/Presets.h"
#include "output/PrintPlan.h"

#include <gtest/gtest.h>

using namespace brisko;
using namespace brisko::test;

namespace {

const QColor kSilver(192, 192, 192);
constexpr int kDpi = 100;
const QSizeF kLetterLandscape(10.5, 8.0); // Letter less 0.25 in margins

int countSilver(const QImage& image, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixelColor(x, y) == kSilver;
    return count;
}

class TiledTemplatesTest : public ::testing::Test {
protected:
    void SetUp() override { ensureGuiApp(); }

    // The Racer with a 240 in spring: the sizing makes its drive wheel 10.7 in and
    // its case 10.78 in across, reaching above the paper and past its right edge.
    static PaperPrototype longSpringRacer()
    {
        CarDesign d;
        loadPresetShape(d, 1);
        d.SpringLength = QStringLiteral("240");
        return paperPrototypeOf(d, MaterialLibrary(), QStringLiteral("Racer"));
    }
    static PaperPrototype racer()
    {
        CarDesign d;
        loadPresetShape(d, 1);
        return paperPrototypeOf(d, MaterialLibrary(), QStringLiteral("Racer"));
    }

    bool print(PrintChoice choice, const PaperPrototype& p, PageStream& pages, QStringList* records = nullptr)
    {
        return m_printer.print(choice, p, pages, [records](const PrintRecord& r) {
            if (records)
                *records << r.Description;
            return true;
        });
    }

    PaperPrototypePrinter m_printer;
};

} // namespace

TEST_F(TiledTemplatesTest, TilesStayOnTheirPagesAndOverlapToTheWholeExtent)
{
    const Frame at300{300 / 72.0f, 300 / 72.0f, 0};
    const QRect letter(0, 0, 3150, 2400);
    const TemplateTiling asAlways = tileTemplate(QRect(0, 0, 3000, 2250), letter, at300);
    ASSERT_EQ(asAlways.Windows.size(), 1);
    EXPECT_TRUE(asAlways.shiftOf(asAlways.Windows[0]).isNull()) << "a page that fits prints as it always did";
    const TemplateTiling moved = tileTemplate(QRect(0, -300, 3000, 2300), letter, at300);
    ASSERT_EQ(moved.Windows.size(), 1);
    EXPECT_EQ(moved.shiftOf(moved.Windows[0]), QPoint(0, 300)) << "whole on one page once moved down";

    const QRect extent(0, -835, 3235, 3085); // the long-spring Racer's outer layer
    const TemplateTiling t = tileTemplate(extent, letter, at300);
    ASSERT_EQ(t.Columns, 2);
    ASSERT_EQ(t.Rows, 2);
    const int caption = qRound(kTileCaptionInches * 300);
    QRect all;
    for (const QRect& w : t.Windows) {
        EXPECT_LE(w.width(), letter.width());
        EXPECT_LE(w.height(), letter.height() - caption) << "the caption band stays free";
        all |= w;
    }
    EXPECT_EQ(all, extent);
    EXPECT_EQ((t.Windows[0] & t.Windows[1]).width(), 150) << "0.5 in overlap across";
    EXPECT_EQ((t.Windows[0] & t.Windows[2]).height(), 150) << "0.5 in overlap down";
    const QVector<QPoint> marks = alignmentMarks(t);
    EXPECT_EQ(marks.size(), 8);
    for (const QPoint& m : marks) {
        const auto holding = std::count_if(t.Windows.begin(), t.Windows.end(), [&](const QRect& w) { return w.contains(m); });
        EXPECT_GE(holding, 2) << "a mark shows on both tiles of its seam: " << m.x() << "," << m.y();
    }
}

TEST_F(TiledTemplatesTest, LongSpringRacerLayerPrintsInTilesWithinThePaperThatMakeTheWholeLayer)
{
    const PaperPrototype p = longSpringRacer();
    ASSERT_EQ(p.Design.DriveWheelDiameter, QStringLiteral("10.7"));
    PaperPages letter(kLetterLandscape, kDpi);
    ASSERT_TRUE(print(PrintChoice::OneOuter, p, letter));
    const std::vector<QImage>& tiles = letter.pages();

    const Frame printer = letter.printerFrame();
    const CarGeometry g = templateGeometry(p, printer);
    const QRect extent = layerTemplateExtent(g, LayerKind::Outer);
    const TemplateTiling tiling = tileTemplate(extent, letter.printableArea(QPageLayout::Landscape), printer);
    ASSERT_EQ(tiles.size(), static_cast<size_t>(tiling.Windows.size()));
    ASSERT_EQ(tiles.size(), 4u);

    // The template's true size: the case, R about the drive axle at x = R, reaches
    // 2R to the right and rises R above the axle.
    const double caseRadius = p.Mass.caseRadiusUnits();
    const double caseTop = 540.0 - p.Mass.DriveAxleHeight - caseRadius;
    const double width = std::max(720.0, 2 * caseRadius) / 72.0;
    const double height = (540.0 - std::min(0.0, caseTop)) / 72.0;
    EXPECT_NEAR(width, 10.78, 0.01);
    const Frame at300{300 / 72.0f, 300 / 72.0f, 0}; // a printer's resolution: the region's steps are small
    const TemplateTiling onPrinter = tileTemplate(layerTemplateExtent(templateGeometry(p, at300), LayerKind::Outer),
                                                  QRect(0, 0, 3150, 2400), at300);
    QRect all;
    for (const QRect& w : onPrinter.Windows)
        all |= w;
    EXPECT_NEAR(all.width() / 300.0, width, 1.0 / 72.0);
    EXPECT_NEAR(all.height() / 300.0, height, 1.0 / 72.0);

    // Taped together: every tile's printable part laid at its window.
    PaperPages large(QSizeF(12, 12), kDpi);
    ASSERT_TRUE(print(PrintChoice::OneOuter, p, large));
    const QImage& whole = large.pages().at(0);
    const QRect wholeArea(large.printableInImage(whole).topLeft(), extent.size());
    QImage taped(extent.size(), QImage::Format_RGB32);
    taped.fill(Qt::white);
    QPainter tape(&taped);
    for (size_t i = 0; i < tiles.size(); ++i) {
        const QImage& page = tiles[i];
        const QRect printable = letter.printableInImage(page);
        const QRect window = tiling.Windows[static_cast<int>(i)];
        EXPECT_EQ(countSilver(page, page.rect()), countSilver(page, printable)) << "grey off the printable area, tile " << i;
        EXPECT_GT(countSilver(page, printable), 0) << i;
        tape.drawImage(window.topLeft() - extent.topLeft(), page, QRect(printable.topLeft(), window.size()));
    }
    tape.end();

    int missing = 0;
    int extra = 0;
    for (int y = 0; y < taped.height(); ++y)
        for (int x = 0; x < taped.width(); ++x) {
            const bool inWhole = whole.pixelColor(wholeArea.topLeft() + QPoint(x, y)) == kSilver;
            const bool inTaped = taped.pixelColor(x, y) == kSilver;
            missing += inWhole && !inTaped;
            extra += inTaped && !inWhole;
        }
    const int silver = countSilver(whole, wholeArea);
    EXPECT_GT(silver, 0);
    EXPECT_EQ(extra, 0);
    EXPECT_LT(missing, silver / 100) << "only the alignment marks cover the board";
}

TEST_F(TiledTemplatesTest, TilesAreCaptionedAndTheEntireSetKeepsItsRecords)
{
    const PaperPrototype p = longSpringRacer();
    const QRect letterAt300(0, 0, 3150, 2400);
    TextPages one(letterAt300);
    ASSERT_TRUE(print(PrintChoice::OneInner, p, one));
    ASSERT_EQ(one.pages().size(), 4);
    for (int i = 0; i < 4; ++i) {
        const QString caption = QStringLiteral("Racer: Inner Layer template, tile %1 of 4 (row %2 of 2, column %3 of 2)")
                                    .arg(i + 1)
                                    .arg(i / 2 + 1)
                                    .arg(i % 2 + 1);
        EXPECT_TRUE(one.pages()[i].Texts.contains(caption)) << one.pages()[i].Texts.join('|').toStdString();
        EXPECT_TRUE(one.pages()[i].Texts.contains(kTileAssembly)) << i;
    }

    TextPages set(letterAt300);
    QStringList records;
    ASSERT_TRUE(print(PrintChoice::EntireSet, p, set, &records));
    const Frame at300 = set.printerFrame();
    const PrintPlan plan = printPlanOf(PrintChoice::EntireSet, p, at300, letterAt300);
    EXPECT_EQ(plan.Pages, set.pages().size()) << "the window's count is the printed count";
    EXPECT_EQ(plan.Pages, 1 + 6 * 4 + 2 * 4 + 1) << "report, six layers and two drive wheels in 4 tiles, the others";
    EXPECT_EQ(records, QStringList({"PrintSummary", "PrintOneOuter", "PrintOneInner", "PrintOneInner", "PrintOneInner",
                                    "PrintOneInner", "PrintOneOuter", "PrintWheels"}));
    EXPECT_TRUE(set.pages().back().Texts.contains(QStringLiteral("Racer: Wheels "))) << "the other wheels fit";
    EXPECT_EQ(printPlanText(plan),
              QStringLiteral("This choice prints 34 pages. Parts larger than the paper's printable area will be tiled, "
                             "printed at full size on pages that overlap by 0.5 in and are taped together: outer layer "
                             "(4 tiles), inner layer (4 tiles), drive wheel 1 (4 tiles), drive wheel 2 (4 tiles)."));

    const PrintPlan fits = printPlanOf(PrintChoice::EntireSet, racer(), at300, letterAt300);
    EXPECT_EQ(printPlanText(fits), QStringLiteral("This choice prints 9 pages."));
    EXPECT_EQ(printPlanText(printPlanOf(PrintChoice::Report, p, at300, letterAt300)),
              QStringLiteral("This choice prints 1 page."));
}
