#include "GuiApp.h"
#include "PagesUnderTest.h"

#include "analysis/VirtualPrototype.h"
#include "model/Presets.h"
#include "output/DesignReport.h"
#include "output/PaperPrototypePrinting.h"
#include "output/TemplateSvg.h"
#include "text/NumberText.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace brisko;
using namespace brisko::test;

namespace {

const QColor kSilver(192, 192, 192);

class PaperPrototypeTest : public ::testing::Test {
protected:
    void SetUp() override { ensureGuiApp(); }

    static CarDesign preset(int position)
    {
        CarDesign d;
        loadPresetShape(d, position);
        return d;
    }
    static PaperPrototype prototypeOf(const CarDesign& d, const QString& name = QStringLiteral("Test car"))
    {
        return paperPrototypeOf(d, MaterialLibrary(), name);
    }
    std::vector<QImage> printed(PrintChoice choice, const PaperPrototype& p)
    {
        ImagePages pages;
        EXPECT_TRUE(m_printer.print(choice, p, pages, [](const PrintRecord&) { return true; }));
        return pages.pages();
    }
    PaperPrototypePrinter m_printer;
};

// How far a run of `colour` reaches left and right of `from` along its row.
int runThrough(const QImage& image, QPoint from, const std::function<bool(QColor)>& inside)
{
    int left = from.x();
    int right = from.x();
    while (left > 0 && inside(image.pixelColor(left - 1, from.y())))
        --left;
    while (right + 1 < image.width() && inside(image.pixelColor(right + 1, from.y())))
        ++right;
    return right - left + 1;
}

// The bounding box of every pixel in the window that is not white (or, for text
// over the board, darker than the board).
QRect inkBox(const QImage& image, const QRect& window, int lighterThan = 255)
{
    QRect box;
    for (int y = window.top(); y <= window.bottom(); ++y)
        for (int x = window.left(); x <= window.right(); ++x)
            if (image.pixelColor(x, y).lightness() < lighterThan)
                box |= QRect(x, y, 1, 1);
    return box;
}

QPoint at300(float x, float y)
{
    return {nearest(x * 300.0f / 72.0f), nearest(y * 300.0f / 72.0f)};
}

} // namespace

TEST_F(PaperPrototypeTest, LayerTemplateIsFullSizeAt300Dpi)
{
    CarDesign d = preset(0);
    d.DriveAxleDiameter = QStringLiteral("1");
    // A box 72 drawing pixels wide standing on the paper's bottom edge, clear of the case.
    d.OuterOutline.setPoints({{430, 300}, {502, 300}, {502, 540}, {430, 540}});
    d.InnerOutline.setPoints({});
    const PaperPrototype p = prototypeOf(d);
    const QImage page = printed(PrintChoice::OneOuter, p).at(0);

    const QPoint axle = at300(p.Mass.caseRadiusUnits(), 540.0f - p.Mass.DriveAxleHeight);
    const int hole = runThrough(page, axle, [](QColor c) { return c != kSilver; });
    EXPECT_NEAR(hole, 300, 2) << "a 1 in drive axle";
    const int box = runThrough(page, at300(466, 400), [](QColor c) { return c == kSilver; });
    EXPECT_NEAR(box, 300, 2) << "a 72-pixel edge";
    for (const QPoint& labelAt : {at300(72, 36), at300(72, 432)}) { // the title and the board
        const QRect ink = inkBox(page, QRect(labelAt - QPoint(20, 20), QSize(200, 100)), 128);
        EXPECT_NEAR(ink.left(), labelAt.x(), 8) << labelAt.y();
        EXPECT_NEAR(ink.top(), labelAt.y() + 10, 10) << labelAt.y();
    }
}

TEST_F(PaperPrototypeTest, WheelIsFullSizeAt300Dpi)
{
    const PaperPrototype p = prototypeOf(preset(1)); // drive wheels 4.80 in
    const QImage page = printed(PrintChoice::Wheels, p).at(0);
    const QRect wheel = inkBox(page, QRect(720, 0, 1, 1700));
    EXPECT_NEAR(wheel.height(), 1440, 2);
    EXPECT_EQ(page.pixelColor(720, 720), Qt::white) << "the axle hole";
    EXPECT_EQ(page.pixelColor(720, 1000), kSilver);
}

TEST_F(PaperPrototypeTest, ReportLinesStandAtTheirPlaces)
{
    const PaperPrototype p = prototypeOf(preset(1), QStringLiteral("Racer"));
    const QImage page = printed(PrintChoice::Report, p).at(0);
    ASSERT_EQ(page.width(), 2250) << "portrait";
    // Y in 1/600 in over 8.333, then 300/72 printer pixels per drawing pixel.
    const struct {
        int y, x;
    } lines[] = {{225, 150}, {1375, 150}, {1375, 1125}, {1625, 1275}, {2650, 150}};
    for (const auto& line : lines) {
        const QRect ink = inkBox(page, QRect(line.x - 30, line.y - 5, 500, 45));
        EXPECT_GE(ink.top(), line.y) << line.y;
        EXPECT_LE(ink.top(), line.y + 14) << line.y;
        EXPECT_GE(ink.left(), line.x - 2) << line.y; // the edge's shading
        EXPECT_LE(ink.left(), line.x + 8) << line.y;
    }
}

TEST_F(PaperPrototypeTest, ReportTextsFollowTheFiguresAndTheirForm)
{
    const PaperPrototype racer = prototypeOf(preset(1), QStringLiteral("Racer"));
    EXPECT_EQ(designReportLines(racer.Report).at(0).Text, QStringLiteral("BRISKO Design Report for Racer"));

    DesignReportTexts t = racer.Report;
    t.Revolutions = QStringLiteral("2.5");
    t.TimeTo15 = QStringLiteral("[1.35]");
    t.SpringWidth = QStringLiteral("1.5");
    t.AllWheelDrive = true;
    t.DriveAxleDia = QStringLiteral("0.375");
    QStringList texts;
    for (const ReportLine& line : designReportLines(t))
        texts << line.Text;
    EXPECT_TRUE(texts.contains(QStringLiteral("Revolutions: 2.50 turns")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Time to 15 ft:[1.35] sec")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Spring Width: 1.5 in"))) << "typed texts as they are";
    EXPECT_TRUE(texts.contains(QStringLiteral("Right (Drive) Axle Dia: 0.375 in")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Skid advisory!")) || texts.contains(QStringLiteral("No advisories")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Materials and Assumptions: ")));
}

namespace {

// The report's line for a figure, found by its caption.
QString reportLine(const DesignReportTexts& t, const QString& caption)
{
    for (const ReportLine& line : designReportLines(t))
        if (line.Text.startsWith(caption))
            return line.Text;
    return {};
}

QString topSpeedShown(const CarDesign& design)
{
    CarDesign copy = design;
    MaterialLibrary materials;
    VirtualPrototype vp(copy, materials);
    vp.refresh(ProcessState::Dynamic, kNoFrame);
    return figuresOf(vp).Simulate.TopSpeed;
}

} // namespace

TEST_F(PaperPrototypeTest, SpeedAt15OfACarThatFellShortIsBracketedAsItsTimeIs)
{
    const CarDesign fallsShort = preset(0); // the presets stop short of 15 ft
    const PaperPrototype shortRun = prototypeOf(fallsShort);
    ASSERT_TRUE(shortRun.Report.TimeTo15.startsWith(QLatin1Char('[')));
    EXPECT_EQ(reportLine(shortRun.Report, QStringLiteral("Speed at 15 ft:")),
              QStringLiteral("Speed at 15 ft:[") + topSpeedShown(fallsShort) + QStringLiteral("] ft/sec"));

    CarDesign reaches = preset(1);
    reaches.SpringLength = QStringLiteral("60"); // a longer spring takes the Racer past 15 ft
    const PaperPrototype racer = prototypeOf(reaches);
    ASSERT_FALSE(racer.Report.TimeTo15.startsWith(QLatin1Char('[')));
    EXPECT_EQ(reportLine(racer.Report, QStringLiteral("Speed at 15 ft:")),
              QStringLiteral("Speed at 15 ft:") + *resultForm(topSpeedShown(reaches)) + QStringLiteral(" ft/sec"));
}

TEST_F(PaperPrototypeTest, WheelsArePlacedByTheirDiameter)
{
    const auto sideBySide = wheelPagesOf(3.75f, 0.5f);
    ASSERT_EQ(sideBySide.size(), 1);
    EXPECT_EQ(sideBySide[0][1].Box, QRectF(270, 0, 270, 270));
    const auto stacked = wheelPagesOf(3.7f, 0.5f);
    ASSERT_EQ(stacked.size(), 1);
    EXPECT_NEAR(stacked[0][1].Box.top(), 266.4, 0.01);
    EXPECT_EQ(stacked[0][1].Box.left(), 0);
    const auto apart = wheelPagesOf(5.5f, 0.5f);
    ASSERT_EQ(apart.size(), 2);
    EXPECT_EQ(apart[1].size(), 1);

    CarDesign d = preset(0);
    d.DriveWheelDiameter = QStringLiteral("5.5");
    EXPECT_EQ(printed(PrintChoice::Wheels, prototypeOf(d)).size(), 3u) << "two drive pages, one for the others";
}

TEST_F(PaperPrototypeTest, EntireSetPrintsReportStackAndWheelsWithTheirRecords)
{
    const PaperPrototype p = prototypeOf(preset(0)); // 4 cored layers, 2 outer
    ASSERT_EQ(p.CoredLayers, 4);
    TextPages pages;
    QStringList records;
    ASSERT_TRUE(m_printer.print(PrintChoice::EntireSet, p, pages, [&](const PrintRecord& r) {
        records << r.Letter + QLatin1Char(' ') + r.Description;
        return true;
    }));
    const QVector<TextPage>& all = pages.pages();
    ASSERT_EQ(all.size(), 9); // report, 1 + 4 + 1 layers, drive and other wheels
    EXPECT_EQ(all[0].Orientation, QPageLayout::Portrait);
    EXPECT_TRUE(all[0].Texts.contains(QStringLiteral("BRISKO Design Report for Test car")));
    const QStringList titles{"Test car: Outer Layer 1", "Test car: Inner Layer 2", "Test car: Inner Layer 3",
                             "Test car: Inner Layer 4", "Test car: Inner Layer 5", "Test car: Outer Layer 6"};
    for (int i = 1; i < all.size(); ++i) {
        EXPECT_EQ(all[i].Orientation, QPageLayout::Landscape) << i;
        if (i <= 6)
            EXPECT_TRUE(all[i].Texts.contains(titles[i - 1])) << all[i].Texts.join(QLatin1Char('|')).toStdString();
        EXPECT_EQ(all[i].Texts.contains(kSpringAccessNote), i == 3) << "the note on layer page 3 only, page " << i;
    }
    EXPECT_TRUE(all[7].Texts.contains(QStringLiteral("Test car: Wheels ")));
    EXPECT_EQ(records, QStringList({"S PrintSummary", "O PrintOneOuter", "I PrintOneInner", "I PrintOneInner",
                                    "I PrintOneInner", "I PrintOneInner", "O PrintOneOuter", "W PrintWheels"}));
    EXPECT_EQ(m_printer.pageCounter(), 6);

    TextPages wheels;
    ASSERT_TRUE(m_printer.print(PrintChoice::Wheels, p, wheels, [](const PrintRecord&) { return true; }));
    EXPECT_EQ(m_printer.pageCounter(), 6) << "the wheels alone keep the counter";
    TextPages single;
    ASSERT_TRUE(m_printer.print(PrintChoice::OneInner, p, single, [](const PrintRecord&) { return true; }));
    EXPECT_TRUE(single.pages().at(0).Texts.contains(QStringLiteral("Test car: Inner Layer template")));
    EXPECT_EQ(m_printer.pageCounter(), 0);
}

TEST_F(PaperPrototypeTest, SvgOutlineHoldsThePresetPointsInInches)
{
    QTemporaryDir dir;
    const PaperPrototype p = prototypeOf(preset(1), QStringLiteral("Racer"));
    const QStringList files = exportTemplateSvgs(p, dir.path(), QStringLiteral("Racer"));
    ASSERT_EQ(files.size(), 4);
    QFile file(dir.filePath(QStringLiteral("Racer outer layer.svg")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString svg = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(svg.contains(QStringLiteral("width=\"254mm\" height=\"190.5mm\"")));
    EXPECT_TRUE(svg.contains(QStringLiteral("viewBox=\"0 0 10 7.5\"")));
    EXPECT_TRUE(svg.contains(QStringLiteral("<circle cx=\"")) && svg.contains(QStringLiteral("r=\"0.25\"")))
        << "the 0.5 in drive axle hole";

    const QRegularExpression pathData(QStringLiteral(" d=\"([^\"]*)\""));
    const QString d = pathData.match(svg).captured(1);
    ASSERT_FALSE(d.isEmpty());
    EXPECT_TRUE(d.trimmed().startsWith(QLatin1Char('M')));
    QVector<QPointF> vertices;
    static const QRegularExpression pair(QStringLiteral("(-?[0-9.e-]+),(-?[0-9.e-]+)"));
    for (auto it = pair.globalMatch(d); it.hasNext();) {
        const auto m = it.next();
        vertices << QPointF(m.captured(1).toDouble(), m.captured(2).toDouble());
    }
    const QPointF axle(p.Mass.caseRadiusUnits(), 540.0f - p.Mass.DriveAxleHeight);
    int checked = 0;
    const CarDesign racer = preset(1); // the loop reads its points, so it must outlive the loop
    for (const QPoint& point : racer.OuterOutline.points()) {
        if (QLineF(point, axle).length() <= p.Mass.caseRadiusUnits() + 2 || point.y() >= 540)
            continue; // inside the case, or on the cut at the paper's bottom edge
        const QPointF inches = QPointF(point) / 72.0;
        const bool found = std::any_of(vertices.begin(), vertices.end(),
                                       [&](const QPointF& v) { return QLineF(v, inches).length() < 1e-4; });
        EXPECT_TRUE(found) << point.x() << "," << point.y();
        ++checked;
    }
    EXPECT_GE(checked, 10);
}
