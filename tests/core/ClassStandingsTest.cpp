// The class standings: a folder of saved designs, a damaged file and a file that is
// not a design, ranked, written as CSV and as pages, and analysed on many threads.
#include "ClassFolder.h"
#include "DesignSamples.h"
#include "GuiApp.h"
#include "PagesUnderTest.h"
#include "PdfPages.h"

#include "output/ClassStandings.h"
#include "output/StandingsPages.h"
#include "output/StandingsTable.h"
#include "persist/DesignFile.h"
#include "text/NumberText.h"

#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace brisko;
using namespace brisko::test;

namespace {

// RFC 4180 fields of a whole file: quoted fields may hold commas, quotes and line breaks.
QList<QStringList> readCsv(const QString& text)
{
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == QLatin1Char('"') && i + 1 < text.size() && text[i + 1] == QLatin1Char('"'))
                field += text[++i];
            else if (c == QLatin1Char('"'))
                quoted = false;
            else
                field += c;
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == QLatin1Char(',')) {
            row << field;
            field.clear();
        } else if (c == QLatin1Char('\n')) {
            row << field;
            rows << row;
            row.clear();
            field.clear();
        } else if (c != QLatin1Char('\r')) {
            field += c;
        }
    }
    return rows;
}

// The figures brisko-figures prints for a design file, by name.
QMap<QString, QString> toolFigures(const QString& path)
{
    QProcess tool;
    tool.start(QStringLiteral(BRISKO_FIGURES_TOOL), {QStringLiteral("--file"), path});
    tool.waitForFinished(60000);
    QMap<QString, QString> figures;
    for (const QString& line : QString::fromLocal8Bit(tool.readAllStandardOutput()).split(QLatin1Char('\n'))) {
        const int colon = line.indexOf(QStringLiteral(": "));
        if (colon > 0)
            figures[line.left(colon)] = line.mid(colon + 2);
    }
    return figures;
}

class ClassStandingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensureGuiApp(); // the pages draw text
        ASSERT_TRUE(dir.isValid());
        designs = saveClassDesigns(dir.path());
        const QByteArray racer = fileBytes(designs.at(1));
        writeBytes(dir.filePath(QStringLiteral("damaged.brsk")), racer.left(racer.size() / 2));
        writeBytes(dir.filePath(QStringLiteral("shopping list.brsk")), "eggs, milk\r\nbread\r\n");
    }

    QStringList files() const { return designFilesIn({dir.path()}); }

    QTemporaryDir dir;
    QStringList designs;
};

TEST_F(ClassStandingsTest, RanksTheSavedDesignsByTheFiguresOfTheFiguresTool)
{
    const ClassStandings standings = ClassStandings::of(files());
    ASSERT_EQ(standings.rows().size(), 12);
    ASSERT_EQ(standings.rankedCount(), 10);

    const StandingRow* previous = nullptr;
    for (const StandingRow& row : standings.best(10)) {
        const QMap<QString, QString> tool = toolFigures(row.FilePath);
        EXPECT_EQ(row.TimeTo15, tool["TimeTo15"]) << row.FileName.toStdString();
        EXPECT_EQ(row.TopSpeed, tool["TopSpeed"]);
        EXPECT_EQ(row.ProjectedDistance, tool["RunDistance"]);
        EXPECT_EQ(row.TotalMass, tool["TotalMass"]);
        EXPECT_EQ(row.Revolutions, tool["Revolutions"]);
        EXPECT_EQ(row.Layers, tool["TotalLayers"]);
        EXPECT_EQ(row.Flags.Skid, tool["SkidAdvisory"] == QLatin1String("1"));
        EXPECT_EQ(row.Advisories.contains(QStringLiteral("Skid")), row.Flags.Skid);
        if (previous) {
            // Those that reach 15 ft first, by time; then the others by distance.
            EXPECT_GE(previous->Reached, row.Reached);
            if (previous->Reached && row.Reached)
                EXPECT_LE(previous->TimeHundredths, row.TimeHundredths);
            if (!previous->Reached && !row.Reached)
                EXPECT_GE(*toDouble(previous->ProjectedDistance), *toDouble(row.ProjectedDistance));
        }
        EXPECT_EQ(row.Place, previous ? previous->Place + 1 : 1);
        previous = &row;
    }
}

TEST_F(ClassStandingsTest, RefusedFilesBecomeRowsWithTheReadersMessage)
{
    const ClassStandings standings = ClassStandings::of(files());
    ASSERT_EQ(standings.refusedCount(), 2);
    for (const QString name : {QStringLiteral("damaged.brsk"), QStringLiteral("shopping list.brsk")}) {
        const auto row = std::find_if(standings.rows().begin(), standings.rows().end(),
                                      [&](const StandingRow& r) { return r.FileName == name; });
        ASSERT_NE(row, standings.rows().end());
        DesignFileContents contents;
        QString error;
        EXPECT_FALSE(parseDesignFile(dir.filePath(name), OlderLayout::Read, contents, &error));
        EXPECT_TRUE(row->Refused);
        EXPECT_EQ(row->Place, 0);
        EXPECT_EQ(row->Message, error.simplified());
        EXPECT_GT(row - standings.rows().begin(), 9) << "refused files come after the ranked ones";
    }
}

TEST_F(ClassStandingsTest, TiesAtTheSameHundredthGoToTheFasterCarThenTheName)
{
    auto row = [](const char* name, int hundredths, const char* speed) {
        StandingRow r;
        r.DesignName = QString::fromLatin1(name);
        r.Reached = hundredths > 0;
        r.TimeHundredths = hundredths;
        r.TopSpeed = QString::fromLatin1(speed);
        r.ProjectedDistance = QStringLiteral("15");
        return r;
    };
    QVector<StandingRow> rows{row("b", 412, "20.1"), row("slow", 0, "30"), row("a", 412, "20.1"),
                              row("fast", 412, "21.5"), row("first", 398, "19")};
    rankStandings(rows);
    QStringList order;
    for (const StandingRow& r : rows)
        order << r.DesignName;
    EXPECT_EQ(order, QStringList({"first", "fast", "a", "b", "slow"}));
}

TEST_F(ClassStandingsTest, CsvKeepsANameWithACommaInOneField)
{
    saveClassDesign(dir.path(), 1, DriveType::RWD, {}, QStringLiteral("my, car"));
    const ClassStandings standings = ClassStandings::of(files());
    const QList<QStringList> csv = readCsv(QString::fromUtf8(standingsCsv(standings.rows())));
    ASSERT_EQ(csv.size(), 1 + standings.rows().size());
    const int columns = static_cast<int>(csv.first().size());
    EXPECT_EQ(csv.first().first(), QStringLiteral("Place"));
    bool found = false;
    for (int i = 1; i < csv.size(); ++i) {
        ASSERT_EQ(csv[i].size(), columns) << i;
        const StandingRow& row = standings.rows().at(i - 1);
        EXPECT_EQ(csv[i][int(StandingColumn::File)], row.FileName);
        if (row.Refused) {
            EXPECT_EQ(csv[i].last(), row.Message); // quotes and commas of the message survive
            continue;
        }
        EXPECT_EQ(csv[i][int(StandingColumn::Design)], row.DesignName);
        EXPECT_EQ(csv[i][int(StandingColumn::TotalMass)], row.TotalMass);
        EXPECT_EQ(toDouble(csv[i][int(StandingColumn::ProjectedDistance)]), toDouble(row.ProjectedDistance));
        found |= row.DesignName == QLatin1String("my, car");
    }
    EXPECT_TRUE(found);
}

TEST_F(ClassStandingsTest, PdfHasOnePagePerTwelveRowsThenTheChart)
{
    const ClassStandings standings = ClassStandings::of(files()); // the presets fall short of 15 ft
    const QString one = dir.filePath(QStringLiteral("one.pdf"));
    ASSERT_EQ(writeStandingsPdf(one, standings.rows(), QDate(2026, 5, 4)), QString());
    EXPECT_EQ(pdfPageSizes(one).size(), 1) << "no design to chart";

    QVector<StandingRow> many = standings.rows() + standings.rows() + standings.rows(); // 36 rows
    const QString three = dir.filePath(QStringLiteral("three.pdf"));
    ASSERT_EQ(writeStandingsPdf(three, many, QDate(2026, 5, 4)), QString());
    const auto pages = pdfPageSizes(three);
    ASSERT_EQ(pages.size(), 3);
    EXPECT_FALSE(isLandscape(pages.first()));

    // Longer springs reach 15 ft: the chart of their times follows the table.
    QTemporaryDir fast;
    const ClassStandings reaching = ClassStandings::of(saveClassDesigns(fast.path(), {QStringLiteral("48")}));
    ASSERT_GT(standingsChartOf(reaching.rows()).Bars.size(), 0u);
    const QString two = dir.filePath(QStringLiteral("two.pdf"));
    ASSERT_EQ(writeStandingsPdf(two, reaching.rows(), QDate(2026, 5, 4)), QString());
    ASSERT_EQ(pdfPageSizes(two).size(), 2);
    EXPECT_FALSE(isLandscape(pdfPageSizes(two).last()));
    EXPECT_EQ(standingsPageCount(reaching.rows()), 2);
    EXPECT_FALSE(fileBytes(two).contains("/Subtype /Image")) << "the chart is drawn as vectors";
}

TEST_F(ClassStandingsTest, TheChartPagesDrawABarForEveryRankedTimeOnOneScale)
{
    QTemporaryDir fast;
    const ClassStandings longer = ClassStandings::of(saveClassDesigns(fast.path(), {QStringLiteral("48")}));
    QVector<StandingRow> reaching;
    for (const StandingRow& row : longer.rows())
        if (row.Reached)
            reaching << row;
    ASSERT_FALSE(reaching.isEmpty());
    QVector<StandingRow> rows = ClassStandings::of(files()).rows(); // 10 short of 15 ft, 2 refused
    const int copies = 41 / int(reaching.size()) + 1;
    for (int copy = 0; copy < copies; ++copy)
        rows += reaching;
    rankStandings(rows); // over 40 designs reach 15 ft: two pages of bars
    const StandingsChart chart = standingsChartOf(rows);
    ASSERT_EQ(chart.Bars.size(), std::size_t(copies * reaching.size()));
    EXPECT_EQ(chart.Short, 10);
    EXPECT_EQ(chart.Refused, 2);
    for (std::size_t i = 0; i < chart.Bars.size(); ++i) {
        const StandingRow& row = rows[chart.Bars[i].Position];
        EXPECT_EQ(chart.Bars[i].Place, row.Place);
        EXPECT_EQ(chart.Bars[i].Time, toDouble(row.TimeTo15));
        EXPECT_EQ(chart.Bars[i].Place, int(i) + 1) << "those that reached 15 ft rank first";
    }
    const int tablePages = (int(rows.size()) + 11) / 12;
    EXPECT_EQ(standingsPageCount(rows), tablePages + 2);

    TextPages pages;
    ASSERT_TRUE(printStandings(pages, rows, QDate(2026, 5, 4)));
    ASSERT_EQ(pages.pages().size(), tablePages + 2);
    const int first = tablePages, last = tablePages + 1;
    // The chart pages name every bar in place order with its time, and tell the
    // designs left out on the last.
    const QStringList drawn = pages.pages()[first].Texts + pages.pages()[last].Texts;
    qsizetype from = 0;
    for (const StandingBar& bar : chart.Bars) {
        const qsizetype label = drawn.indexOf(standingBarLabel(bar), from);
        ASSERT_GE(label, 0) << bar.Place;
        EXPECT_EQ(drawn.value(label + 1), bar.TimeText) << bar.Place;
        from = label + 1;
    }
    EXPECT_TRUE(pages.pages()[first].Texts.contains(standingBarLabel(chart.Bars[39])));
    EXPECT_FALSE(pages.pages()[first].Texts.contains(standingBarLabel(chart.Bars[40])));
    const QString note = QStringLiteral("10 designs short of 15 ft and 2 refused files are not charted.");
    EXPECT_EQ(standingsChartNote(chart), note);
    EXPECT_TRUE(pages.pages()[last].Texts.contains(note));
    EXPECT_FALSE(pages.pages()[first].Texts.contains(note));
    EXPECT_FALSE(pages.pages()[first - 1].Texts.contains(QStringLiteral("Time to 15 ft (s)")));
    // The tick labels come just before the axis caption: one time scale on both pages.
    auto ticks = [&](int page) {
        const QStringList& texts = pages.pages()[page].Texts;
        const QStringList before = texts.mid(0, texts.indexOf(QStringLiteral("Time to 15 ft (s)")));
        return before.filter(QRegularExpression(QStringLiteral("^[0-9.]+$")));
    };
    EXPECT_GE(ticks(first).size(), 3);
    EXPECT_EQ(ticks(first), ticks(last));

    // The winners' bars in their colour on the first page of the chart only.
    PaperPages paper(QSizeF(10, 7.5), 60);
    ASSERT_TRUE(printStandings(paper, rows, QDate(2026, 5, 4)));
    auto gold = [](const QImage& page) {
        int count = 0;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                count += page.pixel(x, y) == standingBarColour(1).rgb() ? 1 : 0;
        return count;
    };
    EXPECT_EQ(gold(paper.pages()[std::size_t(first - 1)]), 0);
    EXPECT_GT(gold(paper.pages()[std::size_t(first)]), 0);
    EXPECT_EQ(gold(paper.pages()[std::size_t(last)]), 0);
}

TEST_F(ClassStandingsTest, PdfOfAClassDrawsItsCarsAsVectorsInLittleRoom)
{
    QTemporaryDir folder;
    QStringList paths;
    for (const char* length : {"24", "36", "48", "60"})
        for (DriveType drive : {DriveType::RWD, DriveType::AWD})
            for (int preset = 0; preset < 4; ++preset)
                paths << saveClassDesign(folder.path(), preset, drive, QString::fromLatin1(length));
    const ClassStandings standings = ClassStandings::of(paths);
    ASSERT_EQ(standings.rows().size(), 32);
    const QString path = folder.filePath(QStringLiteral("class.pdf"));
    ASSERT_EQ(writeStandingsPdf(path, standings.rows(), QDate(2026, 5, 4)), QString());
    EXPECT_LT(QFileInfo(path).size(), 250 * 1024);
    const QByteArray pdf = fileBytes(path);
    EXPECT_FALSE(pdf.contains("/Subtype /Image")) << "no pictures: the cars are drawn";
}

TEST_F(ClassStandingsTest, ManyThreadsGiveTheFiguresOfOne)
{
    const QStringList list = files() + files() + files();
    const ClassStandings one = ClassStandings::of(list, StandingThreads::One);
    const ClassStandings pool = ClassStandings::of(list, StandingThreads::Pool);
    ASSERT_EQ(one.rows().size(), pool.rows().size());
    for (int i = 0; i < one.rows().size(); ++i) {
        const StandingRow& a = one.rows()[i];
        const StandingRow& b = pool.rows()[i];
        SCOPED_TRACE(a.FileName.toStdString());
        EXPECT_EQ(a.FilePath, b.FilePath);
        EXPECT_EQ(a.Message, b.Message);
        for (int c = 0; c < kStandingColumns; ++c)
            EXPECT_EQ(standingText(a, StandingColumn(c)), standingText(b, StandingColumn(c)));
        EXPECT_EQ(QStringList({a.TimeTo15, a.TopSpeed, a.ProjectedDistance, a.TotalMass, a.BoardMass, a.SpringMass,
                               a.AxleMass, a.Layers, a.Revolutions}),
                  QStringList({b.TimeTo15, b.TopSpeed, b.ProjectedDistance, b.TotalMass, b.BoardMass, b.SpringMass,
                               b.AxleMass, b.Layers, b.Revolutions}));
        EXPECT_EQ(a.Flags, b.Flags);
        EXPECT_EQ(a.Trace.Distance, b.Trace.Distance);
        EXPECT_EQ(a.Trace.Skid, b.Trace.Skid);
    }
}

} // namespace
