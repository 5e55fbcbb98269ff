// The run chart through the real windows: opened from the Simulate and Race panels,
// its runs the session's, the value under the pointer, the CSV file and the printed
// PDF; and the teacher's switch of the Power Designer (Preferences and the command
// line).
#include "WiredWindowHelpers.h"
#include "SessionArrangement.h"

#include "app/ProgramOptions.h"
#include "dialogs/PFWin.h"
#include "dialogs/RunChartView.h"
#include "dialogs/TPDWin.h"
#include "dialogs/TRCWin.h"
#include "mainwin/RacePlayback.h"
#include "render/RunChart.h"
#include "session/DesignListOps.h"
#include "session/DesignSaving.h"
#include "session/TeacherSettings.h"

#include <QCheckBox>
#include <QDir>
#include <QPrinter>
#include <QPushButton>
#include <QSettings>

namespace brisko::gui::test {

namespace {

// The lines of a runs CSV file: name -> (time, distance, speed) rows.
std::map<QString, std::vector<std::array<float, 3>>> readRunsCsv(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    std::map<QString, std::vector<std::array<float, 3>>> rows;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QStringList f = lines[i].split(QLatin1Char(','));
        rows[f[0]].push_back({f[1].toFloat(), f[2].toFloat(), f[3].toFloat()});
    }
    return rows;
}

} // namespace

class ChartWindows : public ProgramFixture {
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        startWithPortfolio();
    }

    Session& session() { return win().session(); }
    TRCWin* chart() { return win().runChart(); }
    const std::vector<ChartRun>& shownRuns() { return chart()->view()->runs(); }
    void press(QWidget* window, const char* name)
    {
        auto* button = window->findChild<QAbstractButton*>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr) << name;
        button->click();
    }

    // A second design, the default one with a larger drive wheel, simulated.
    void simulateSecondDesign()
    {
        click("VPDynPerfBtn");
        ASSERT_TRUE(NewDesign(session()));
        brisko::test::arrange(session()).design().DriveWheelDiameter = QStringLiteral("6");
        session().showDesignInFields();
        click("VPDynPerfBtn");
    }

    // Every shown run equals the session's trace of its design at every step.
    void expectRunsAreTheSessions(const std::vector<ChartRun>& runs)
    {
        for (const ChartRun& run : runs) {
            int position = -1;
            for (int i = 0; i < session().designs().count(); ++i)
                if (session().designs().entry(i).Name == run.Name)
                    position = i;
            ASSERT_GE(position, 0) << run.Name.toStdString();
            const RaceTrace* trace = session().traceOf(position);
            ASSERT_NE(trace, nullptr);
            EXPECT_EQ(run.Current, position == session().app().CurrentDesign);
            const std::vector<RunSample> samples = samplesOf(run.Trace);
            ASSERT_GT(samples.size(), 100u);
            for (int step : {50, 100, static_cast<int>(samples.size()) - 1}) {
                const auto s = sampleAt(samples, step / 100.0);
                ASSERT_TRUE(s);
                EXPECT_EQ(s->Distance, trace->Distance[step]) << step;
                EXPECT_EQ(s->Speed, trace->Speed[step]) << step;
            }
        }
    }
};

TEST_F(ChartWindows, ChartButtonShowsEverySimulatedDesignWithTheCurrentOneMarked)
{
    simulateSecondDesign();
    click("ChartBtn");
    ASSERT_TRUE(chart()->isVisible());
    EXPECT_EQ(chart()->windowTitle(), "Run Chart");
    EXPECT_FALSE(chart()->isModal());
    const std::vector<ChartRun>& runs = shownRuns();
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_TRUE(runs[0].Current);
    EXPECT_EQ(runs[0].Name, session().designs().entry(session().app().CurrentDesign).Name);
    expectRunsAreTheSessions(runs);
    // The time to 15 ft written on the chart is the Simulate panel's.
    const QString time = session().figures().Simulate.TimeTo15;
    ASSERT_FALSE(time.startsWith(QLatin1Char('[')));
    ASSERT_TRUE(runs[0].FinishTime);
    EXPECT_EQ(finishText(runs[0]), "15 ft in " + QString::number(time.toDouble(), 'f', 2) + " sec");
    const QStringList record = lastRecord();
    EXPECT_EQ(field(record, 1), "-2");
    EXPECT_EQ(field(record, 2), "120");
    EXPECT_EQ(field(record, 3), "Run");
    EXPECT_EQ(field(record, 14), "Chart");
}

TEST_F(ChartWindows, AChangedDesignLeavesTheChartUntilItRunsAgain)
{
    simulateSecondDesign();
    click("ChartBtn");
    ASSERT_EQ(shownRuns().size(), 2u);
    session().markDesignChanged(0);
    click("VPDynPerfBtn"); // a refresh: the chart reads the runs again
    ASSERT_EQ(shownRuns().size(), 1u);
    EXPECT_TRUE(shownRuns()[0].Current);
}

TEST_F(ChartWindows, PointingAtTheChartReadsTheRunsAtThatTime)
{
    click("VPDynPerfBtn");
    click("ChartBtn");
    RunChartView* view = chart()->view();
    const RaceTrace* trace = session().traceOf(session().app().CurrentDesign);
    const int step = static_cast<int>(samplesOf(*trace).size()) / 2; // half way through the run
    const QPointF at = view->pointOf(step / 100.0, 2.0);
    QMouseEvent move(QEvent::MouseMove, at, view->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(view, &move);
    ASSERT_TRUE(view->hoverTime());
    EXPECT_NEAR(*view->hoverTime(), step / 100.0, 0.011); // the step under the pixel
    const int shown = static_cast<int>(std::lround(*view->hoverTime() * 100));
    const QStringList texts = hoverTexts(view->runs(), *view->hoverTime());
    ASSERT_EQ(texts.size(), 2);
    EXPECT_EQ(texts[0], QString::number(shown / 100.0, 'f', 2) + " sec");
    EXPECT_TRUE(texts[1].endsWith(QString::number(trace->Distance[shown], 'f', 2) + " ft, "
                                  + QString::number(trace->Speed[shown], 'f', 2) + " ft/s"))
        << texts[1].toStdString();
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(view, &leave);
    EXPECT_FALSE(view->hoverTime());
}

TEST_F(ChartWindows, ExportedCsvHoldsEveryStepOfEveryShownRun)
{
    simulateSecondDesign();
    click("ChartBtn");
    const QString path = dir.filePath(QStringLiteral("runs.csv"));
    prompter.answerFile(path);
    press(chart(), "ChartExportBtn");
    const auto rows = readRunsCsv(path);
    ASSERT_EQ(rows.size(), 2u);
    for (const ChartRun& run : shownRuns()) {
        const std::vector<RunSample> samples = samplesOf(run.Trace);
        const auto& lines = rows.at(run.Name);
        ASSERT_EQ(lines.size(), samples.size());
        for (std::size_t i = 0; i < samples.size(); ++i) {
            EXPECT_FLOAT_EQ(lines[i][0], samples[i].Time);
            EXPECT_EQ(lines[i][1], samples[i].Distance) << i;
            EXPECT_EQ(lines[i][2], samples[i].Speed) << i;
        }
    }
    EXPECT_EQ(field(lastRecord(), 2), "121");
    EXPECT_EQ(field(lastRecord(), 4), path);
}

TEST_F(ChartWindows, PrintingWritesTheChartAsVectors)
{
    click("VPDynPerfBtn");
    click("ChartBtn");
    const QString pdf = dir.filePath(QStringLiteral("chart.pdf"));
    prompter.answerPrint(true, [pdf](QPagedPaintDevice& device) {
        auto& printer = static_cast<QPrinter&>(device);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
    });
    press(chart(), "ChartPrintBtn");
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_FALSE(bytes.contains("/Subtype /Image")) << "no picture of the chart, its lines";
    EXPECT_EQ(field(lastRecord(), 2), "122");
    prompter.answerPrint(false);
    const auto count = records().size();
    press(chart(), "ChartPrintBtn");
    EXPECT_EQ(records().size(), count) << "a cancelled print logs nothing";
}

TEST_F(ChartWindows, RaceChartOpensAfterTheRaceWithTheRacedLanes)
{
    simulateSecondDesign();
    click("VPRaceBtn");
    auto* button = widget<QPushButton>("RaceChartBtn");
    ASSERT_NE(button, nullptr);
    EXPECT_FALSE(button->isEnabled()) << "not while the race runs";
    for (int i = 0; i < 400 && win().racePlayback().isRunning(); ++i)
        win().TimerTimer();
    ASSERT_FALSE(win().racePlayback().isRunning());
    ASSERT_TRUE(button->isEnabled());
    button->click();
    ASSERT_TRUE(chart()->isVisible());
    EXPECT_EQ(shownRuns().size(), 2u);
    expectRunsAreTheSessions(shownRuns());
    EXPECT_EQ(field(lastRecord(), 3), "Race");
}

TEST_F(ChartWindows, PreferenceShowsThePowerDesignerAndStaysOutOfDesignFiles)
{
    auto* item = win().findChild<QAction*>(QStringLiteral("PowerDesign1"));
    ASSERT_FALSE(item->isVisible());
    // The same design saved under the same name before and after the switch.
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("off")) && QDir(dir.path()).mkpath(QStringLiteral("on")));
    const QString before = dir.filePath(QStringLiteral("off/Mine.brsk"));
    prompter.answerFile(before);
    ASSERT_TRUE(SaveDesignAs(session()));
    trigger("Preferences1");
    auto* check = win().preferences()->findChild<QCheckBox*>(QStringLiteral("ShowPowerDesignerCheck"));
    ASSERT_NE(check, nullptr);
    EXPECT_EQ(check->text(), "Show the Power Designer");
    EXPECT_FALSE(check->isChecked());
    check->click();
    EXPECT_TRUE(item->isVisible());
    EXPECT_TRUE(item->isEnabled());
    EXPECT_TRUE(powerDesignerSetting());
    EXPECT_EQ(field(lastRecord(), 2), "123");
    EXPECT_EQ(field(lastRecord(), 3), "On");
    EXPECT_EQ(field(lastRecord(), 14), "ShowPowerDesigner");
    win().preferences()->reject();
    const QString after = dir.filePath(QStringLiteral("on/Mine.brsk"));
    prompter.answerFile(after);
    ASSERT_TRUE(SaveDesignAs(session()));
    QFile a(before), b(after);
    ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    EXPECT_EQ(a.readAll(), b.readAll()) << "the setting is not written into a design file";
    // A later run of the program finds it on.
    Program again(prompter);
    EXPECT_TRUE(again.mainWindow().findChild<QAction*>(QStringLiteral("PowerDesign1"))->isVisible());
    check->click();
    EXPECT_FALSE(item->isVisible());
    EXPECT_EQ(field(lastRecord(), 3), "Off");
}

TEST_F(ChartWindows, SweepCsvHoldsEveryCombinationTriedWithItsTime)
{
    win().PowerDesignClick();
    TPDWin* pd = win().powerDesigner();
    pd->findChild<QLineEdit*>(QStringLiteral("DWFromEF"))->setText(QStringLiteral("4"));
    pd->findChild<QLineEdit*>(QStringLiteral("DWToEF"))->setText(QStringLiteral("5"));
    press(pd, "PDGoBtn");
    while (pd->SweepStep()) {
    }
    ASSERT_EQ(pd->trials().size(), 3u);
    const QString path = dir.filePath(QStringLiteral("sweep.csv"));
    prompter.answerFile(path);
    press(pd, "SweepExportBtn");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0], "Spring width (in),Spring length (in),Drive wheel dia (in),Time to 15 ft (sec)");
    for (int i = 0; i < 3; ++i) {
        const SweepTrial& t = pd->trials()[i];
        EXPECT_EQ(lines[i + 1], QStringList({t.Combination.Width, t.Combination.Length, t.Combination.Wheel, t.Time})
                                    .join(QLatin1Char(',')));
    }
    EXPECT_EQ(field(lastRecord(), 2), "121");
    EXPECT_EQ(field(lastRecord(), 3), "Sweep");
}

class PowerDesignerOption : public ProgramFixture {
protected:
    void SetUp() override
    {
        QString usage;
        const auto parsed = parseProgramOptions({QStringLiteral("brisko"), QStringLiteral("--power-designer")}, &usage);
        ASSERT_TRUE(parsed);
        options = *parsed;
        ProgramFixture::SetUp();
        startWithPortfolio();
    }
};

TEST_F(PowerDesignerOption, CommandLineOpensWithTheMenuItemEnabled)
{
    auto* item = win().findChild<QAction*>(QStringLiteral("PowerDesign1"));
    EXPECT_TRUE(item->isVisible());
    EXPECT_TRUE(item->isEnabled());
    EXPECT_FALSE(powerDesignerSetting()) << "the option is for this run only";
    QString usage;
    EXPECT_FALSE(parseProgramOptions({QStringLiteral("brisko"), QStringLiteral("--powder")}, &usage));
    EXPECT_TRUE(usage.contains(QStringLiteral("--power-designer")));
    EXPECT_FALSE(parseProgramOptions({QStringLiteral("brisko")}, &usage)->PowerDesigner);
}

} // namespace brisko::gui::test
