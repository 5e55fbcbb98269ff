// The Class Standings window through its real widgets: a folder chosen through the
// prompter fills the table and the chart of the times beside it, the table sorts,
// Cancel stops between files, and the sixteen best race in the main window.
#include "ClassFolder.h"
#include "PdfPages.h"
#include "ProgramFixture.h"

#include "dialogs/StandingsChartView.h"
#include "dialogs/TCSWin.h"
#include "mainwin/RacePlayback.h"
#include "output/StandingsTable.h"
#include "text/NumberText.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QScrollBar>
#include <QSemaphore>
#include <atomic>
#include <QTableView>

#include <sys/stat.h>

namespace brisko::gui::test {
namespace {

class ClassStandingsWindowTest : public ProgramFixture {
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        ASSERT_TRUE(classDir.isValid());
        startWithPortfolio();
    }

    // The next Print answers with a PDF printer writing to `pdf`.
    void answerPrintToPdf(const QString& pdf)
    {
        prompter.answerPrint(true, [pdf](QPagedPaintDevice& device) {
            auto& printer = dynamic_cast<QPrinter&>(device);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
        });
    }

    TCSWin& openWindow()
    {
        trigger("ClassStandings1");
        auto* window = win().findChild<TCSWin*>(QStringLiteral("CSWin"));
        EXPECT_NE(window, nullptr);
        EXPECT_TRUE(window->isVisible());
        EXPECT_FALSE(window->isModal());
        return *window;
    }

    // Chooses the folder through the prompter and waits until `until` holds.
    void chooseFolder(TCSWin& window)
    {
        prompter.answerFile(classDir.path());
        window.findChild<QAbstractButton*>(QStringLiteral("CSFolderBtn"))->click();
        ASSERT_EQ(prompter.promptsOf(Prompt::Folder).size(), 1);
    }

    template <class Until>
    bool waitFor(Until until)
    {
        QDeadlineTimer deadline(60000);
        while (!until() && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        return until();
    }

    QStringList column(QTableView* table, StandingColumn c) const
    {
        QStringList texts;
        for (int row = 0; row < table->model()->rowCount(); ++row)
            texts << table->model()->index(row, int(c)).data().toString();
        return texts;
    }

    QTemporaryDir classDir;
};

TEST_F(ClassStandingsWindowTest, ChoosingAFolderFillsTheTableAndSortingByMassSorts)
{
    brisko::test::saveClassDesigns(classDir.path());
    TCSWin& window = openWindow();
    chooseFolder(window);
    ASSERT_TRUE(waitFor([&] { return !window.isAnalysing(); }));

    auto* table = window.findChild<QTableView*>(QStringLiteral("CSTable"));
    ASSERT_EQ(table->model()->rowCount(), 10);
    EXPECT_EQ(column(table, StandingColumn::Place), QStringList({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
    const QStringList record = lastRecord();
    EXPECT_EQ(field(record, 1), "-2");
    EXPECT_EQ(field(record, 2), "150");
    EXPECT_EQ(field(record, 4), "10");
    EXPECT_EQ(field(record, 14), "ClassStandings");

    table->sortByColumn(int(StandingColumn::TotalMass), Qt::AscendingOrder);
    QList<double> masses;
    for (const QString& text : column(table, StandingColumn::TotalMass))
        masses << toDouble(text).value_or(-1);
    EXPECT_TRUE(std::is_sorted(masses.begin(), masses.end()));
    EXPECT_NE(column(table, StandingColumn::Place).first(), "1");
}

TEST_F(ClassStandingsWindowTest, ARefusedFilesWholeReasonReadsBelowTheTableWithoutAHint)
{
    brisko::test::saveClassDesigns(classDir.path());
    QFile essay(QDir(classDir.path()).filePath(QStringLiteral("essay.brsk")));
    ASSERT_TRUE(essay.open(QIODevice::WriteOnly));
    essay.write("My car will be the fastest in the class because its spring is the longest one\n");
    essay.close();
    TCSWin& window = openWindow();
    window.resize(1000, 700); // a 1024 x 768 classroom screen
    chooseFolder(window);
    ASSERT_TRUE(waitFor([&] { return !window.isAnalysing(); }));

    const QVector<StandingRow>& rows = window.standings().rows();
    const auto refused = std::find_if(rows.begin(), rows.end(), [](const StandingRow& r) { return r.Refused; });
    ASSERT_NE(refused, rows.end());
    ASSERT_GT(refused->Message.size(), 20);
    auto* details = window.findChild<QPlainTextEdit*>(QStringLiteral("CSDetailsText"));
    ASSERT_NE(details, nullptr);
    EXPECT_TRUE(details->isVisible());
    EXPECT_TRUE(details->isReadOnly());
    EXPECT_TRUE(details->toPlainText().contains(QStringLiteral("essay.brsk was not ranked: ") + refused->Message))
        << "with no row chosen every refused file shows with its reason";

    auto* table = window.findChild<QTableView*>(QStringLiteral("CSTable"));
    const int essayRow = static_cast<int>(column(table, StandingColumn::File).indexOf(QStringLiteral("essay.brsk")));
    ASSERT_GE(essayRow, 0);
    table->selectRow(essayRow);
    EXPECT_TRUE(details->toPlainText().contains(refused->Message));
    EXPECT_TRUE(details->toPlainText().contains(QDir::toNativeSeparators(refused->FilePath)));
    QCoreApplication::processEvents();
    EXPECT_EQ(details->horizontalScrollBar()->maximum(), 0) << "the reason wraps within the window's width";
    EXPECT_LE(details->mapTo(&window, details->rect().bottomRight()).x(), window.width());

    table->selectRow(0);
    EXPECT_TRUE(details->toPlainText().startsWith(QStringLiteral("1. ") + rows.first().DesignName));
    EXPECT_FALSE(details->toPlainText().contains(refused->Message));
}

// A pipe, a link loop and a folder named like a design file are refused rows, each
// with its reason under the table, and the window never waits on them.
TEST_F(ClassStandingsWindowTest, BadEntriesOfTheFolderAreRefusedRowsWithTheirReasons)
{
    brisko::test::saveClassDesigns(classDir.path());
    const QDir folder(classDir.path());
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder.filePath("pipe.brsk")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(folder.filePath("loop.brsk"), folder.filePath("loop.brsk")));
    ASSERT_TRUE(folder.mkdir("folder.brsk"));
    TCSWin& window = openWindow();
    chooseFolder(window);
    ASSERT_TRUE(waitFor([&] { return !window.isAnalysing(); }));

    EXPECT_EQ(window.standings().rankedCount(), 10);
    EXPECT_EQ(window.standings().refusedCount(), 3);
    auto* table = window.findChild<QTableView*>(QStringLiteral("CSTable"));
    EXPECT_EQ(column(table, StandingColumn::Place).mid(0, 10),
              QStringList({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
    const QString overview = window.findChild<QPlainTextEdit*>(QStringLiteral("CSDetailsText"))->toPlainText();
    EXPECT_TRUE(overview.contains("pipe.brsk was not ranked: ") && overview.contains("it is a pipe, not a file"))
        << overview.toStdString();
    EXPECT_TRUE(overview.contains("it is a folder, not a file")) << overview.toStdString();
    EXPECT_TRUE(overview.contains("Too many levels of symbolic links")) << overview.toStdString();
}

TEST_F(ClassStandingsWindowTest, TheDistanceColumnIsNamedProjectedInTheTableAndTheCsv)
{
    brisko::test::saveClassDesigns(classDir.path());
    TCSWin& window = openWindow();
    chooseFolder(window);
    ASSERT_TRUE(waitFor([&] { return !window.isAnalysing(); }));
    auto* table = window.findChild<QTableView*>(QStringLiteral("CSTable"));
    const int distance = int(StandingColumn::ProjectedDistance);
    EXPECT_EQ(table->model()->headerData(distance, Qt::Horizontal).toString(),
              QStringLiteral("Projected distance (ft)"));
    const QString csv = dir.filePath(QStringLiteral("class.csv"));
    prompter.answerFile(csv);
    window.findChild<QAbstractButton*>(QStringLiteral("CSExportBtn"))->click();
    QFile written(csv);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(written.readLine()).split(QLatin1Char(',')).at(distance),
              QStringLiteral("Projected distance (ft)"));
}

TEST_F(ClassStandingsWindowTest, ExportAndPrintWriteTheirFilesThenTheirRecords)
{
    brisko::test::saveClassDesigns(classDir.path());
    TCSWin& window = openWindow();
    chooseFolder(window);
    ASSERT_TRUE(waitFor([&] { return !window.isAnalysing(); }));

    const QString csv = dir.filePath(QStringLiteral("class.csv"));
    prompter.answerFile(csv);
    window.findChild<QAbstractButton*>(QStringLiteral("CSExportBtn"))->click();
    QFile written(csv);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), standingsCsv(window.standings().rows()));
    EXPECT_EQ(field(lastRecord(), 2), "151");
    EXPECT_EQ(field(lastRecord(), 14), "ClassExport");

    const QString pdf = dir.filePath(QStringLiteral("class.pdf"));
    answerPrintToPdf(pdf);
    window.findChild<QAbstractButton*>(QStringLiteral("CSPrintBtn"))->click();
    EXPECT_EQ(brisko::test::pdfPageSizes(pdf).size(), 1) << "no design reached 15 ft: no chart";
    EXPECT_EQ(field(lastRecord(), 2), "152");
    EXPECT_EQ(field(lastRecord(), 14), "ClassPrint");

    const int before = static_cast<int>(records().size());
    prompter.answerPrint(false);
    window.findChild<QAbstractButton*>(QStringLiteral("CSPrintBtn"))->click();
    EXPECT_EQ(records().size(), before); // a cancelled dialog prints and logs nothing
}

TEST_F(ClassStandingsWindowTest, TheChartBesideTheTableHasABarForEveryRankedTime)
{
    brisko::test::saveClassDesigns(classDir.path(), {QStringLiteral("48"), QString()}); // the presets' fall short
    TCSWin& window = openWindow();
    window.resize(1000, 700); // a 1024 x 768 classroom screen
    chooseFolder(window);
    ASSERT_TRUE(waitFor([&] { return !window.isAnalysing(); }));

    StandingsChartView* chart = window.chart();
    ASSERT_NE(chart, nullptr);
    ASSERT_TRUE(chart->isVisible());
    auto* table = window.findChild<QTableView*>(QStringLiteral("CSTable"));
    const QRect tableBox(table->mapTo(&window, QPoint(0, 0)), table->size());
    const QPoint chartAt = chart->mapTo(&window, QPoint(0, 0));
    EXPECT_GE(chartAt.x(), tableBox.right()) << "beside the table";
    EXPECT_LT(chartAt.y(), tableBox.bottom());
    EXPECT_LE(chartAt.x() + chart->width(), window.width());

    const StandingsChart& shown = chart->chart();
    const QVector<StandingRow>& rows = window.standings().rows();
    const QStringList times = column(table, StandingColumn::Time);
    int reached = 0, shortOf = 0;
    for (int i = 0; i < rows.size(); ++i) {
        if (!rows[i].Reached) {
            shortOf += rows[i].Refused ? 0 : 1;
            continue;
        }
        ASSERT_LT(std::size_t(reached), shown.Bars.size());
        const StandingBar& bar = shown.Bars[std::size_t(reached++)];
        EXPECT_EQ(bar.Position, i);
        EXPECT_EQ(bar.Place, rows[i].Place);
        EXPECT_EQ(bar.Name, rows[i].DesignName);
        EXPECT_EQ(bar.Time, toDouble(rows[i].TimeTo15));
        EXPECT_EQ(bar.TimeText, times[i]);
    }
    ASSERT_GT(shortOf, 0);
    ASSERT_GT(reached, 3);
    EXPECT_EQ(shown.Bars.size(), std::size_t(reached));
    EXPECT_EQ(shown.Short, shortOf);
    EXPECT_EQ(standingsChartNote(shown), QString::number(shortOf) + " designs short of 15 ft are not charted.");

    // Each bar ends at its time on the axis, in its colour.
    const QImage picture = chart->grab().toImage();
    const StandingsChartLayout layout = chart->layout();
    EXPECT_GE(layout.Pitch, kStandingBarMinPitch);
    for (std::size_t i = 0; i < shown.Bars.size(); ++i) {
        const QRectF bar = standingBarRect(layout, shown, i);
        EXPECT_DOUBLE_EQ(bar.left(), layout.Plot.xOf(0));
        EXPECT_DOUBLE_EQ(bar.right(), layout.Plot.xOf(shown.Bars[i].Time));
        const int y = qRound(bar.center().y());
        EXPECT_EQ(picture.pixelColor(qRound(bar.right()) - 3, y), standingBarColour(shown.Bars[i].Place)) << i;
        EXPECT_NE(picture.pixelColor(qRound(bar.right()) + 2, y), standingBarColour(shown.Bars[i].Place)) << i;
    }
    EXPECT_TRUE(window.grab().save(QDir(pictureFolder()).filePath(QStringLiteral("brisko-class-standings.png"))));

    // A click on a bar chooses its design in the table, and the chosen design's bar is marked.
    const QRectF third = standingBarRect(layout, shown, 2);
    QMouseEvent press(QEvent::MouseButtonPress, third.center(), chart->mapToGlobal(third.center()), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(chart, &press);
    const QModelIndexList chosen = table->selectionModel()->selectedRows();
    ASSERT_EQ(chosen.size(), 1);
    EXPECT_EQ(chosen.first().siblingAtColumn(int(StandingColumn::Place)).data().toString(), "3");
    EXPECT_EQ(chart->chart().Chosen, shown.Bars[2].Position);
    table->selectRow(0);
    EXPECT_EQ(chart->chart().Chosen, 0);

    // The printed pages: the table's two, then the chart's.
    const QString pdf = dir.filePath(QStringLiteral("class.pdf"));
    answerPrintToPdf(pdf);
    window.findChild<QAbstractButton*>(QStringLiteral("CSPrintBtn"))->click();
    EXPECT_EQ(brisko::test::pdfPageSizes(pdf).size(), 3);
    EXPECT_EQ(field(lastRecord(), 4), "3");
}

TEST_F(ClassStandingsWindowTest, RaceTopSixteenAddsTheBestSixteenAndRacesThem)
{
    brisko::test::saveClassDesigns(classDir.path(), {QStringLiteral("48"), QStringLiteral("60")}); // 20 designs
    TCSWin& window = openWindow();
    chooseFolder(window);
    ASSERT_TRUE(waitFor([&] { return !window.isAnalysing(); }));
    ASSERT_EQ(window.standings().rankedCount(), 20);
    const int before = win().session().designs().count();

    window.findChild<QAbstractButton*>(QStringLiteral("CSRaceBtn"))->click();

    const auto& designs = win().session().designs();
    ASSERT_EQ(designs.count(), before + 16);
    const QVector<StandingRow> best = window.standings().best(16);
    for (int i = 0; i < 16; ++i) {
        const DesignListEntry& entry = designs.entry(before + i);
        EXPECT_EQ(entry.Name, best[i].DesignName);
        EXPECT_TRUE(entry.Simulated);
        ASSERT_NE(win().session().traceOf(before + i), nullptr);
        EXPECT_EQ(win().session().traceOf(before + i)->Distance, best[i].Trace.Distance);
    }
    EXPECT_EQ(win().session().app().CurrentState, ProcessState::Race);
    EXPECT_TRUE(win().racePlayback().isRunning());
    QStringList descriptions;
    for (const QStringList& r : records())
        descriptions << field(r, 14);
    EXPECT_TRUE(descriptions.contains("ClassRace"));
    EXPECT_EQ(descriptions.last(), "VPRace");
}

TEST_F(ClassStandingsWindowTest, CancelStopsBetweenFilesWithTheRowsDoneSoFar)
{
    const QStringList files = brisko::test::saveClassDesigns(
        classDir.path(), {QStringLiteral("40"), QStringLiteral("48"), QStringLiteral("60"), QStringLiteral("80")});
    TCSWin& window = openWindow();
    // The first two files go through; the others wait until Cancel has been pressed.
    QSemaphore gate;
    std::atomic<int> started{0};
    window.analyseFile = [&](const QString& path) {
        if (started++ >= 2)
            gate.acquire();
        return analyseDesignFile(path);
    };
    chooseFolder(window);
    const bool arrived = waitFor([&] { return !window.standings().rows().isEmpty(); });
    window.findChild<QAbstractButton*>(QStringLiteral("CSCancelBtn"))->click();
    gate.release(static_cast<int>(files.size()));
    ASSERT_TRUE(arrived);
    ASSERT_TRUE(waitFor([&] { return !window.isAnalysing(); }));

    const int done = static_cast<int>(window.standings().rows().size());
    EXPECT_GE(done, 1);
    EXPECT_LT(done, files.size());
    for (const StandingRow& row : window.standings().rows()) {
        EXPECT_FALSE(row.Refused);
        EXPECT_FALSE(row.TotalMass.isEmpty());
    }
    EXPECT_EQ(window.findChild<QTableView*>(QStringLiteral("CSTable"))->model()->rowCount(), done);
    EXPECT_EQ(field(lastRecord(), 6), "Cancelled");
    EXPECT_TRUE(window.findChild<QAbstractButton*>(QStringLiteral("CSFolderBtn"))->isEnabled());
}

} // namespace
} // namespace brisko::gui::test
