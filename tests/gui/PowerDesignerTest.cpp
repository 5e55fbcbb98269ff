// The Power Designer window: its form, its checks, the sweep run one combination at
// a time, STOP, taking over the best combination, and the map of every combination
// tried beside the best values.
#include "WiredWindowHelpers.h"

#include "dialogs/SweepMapView.h"
#include "dialogs/TPDWin.h"
#include "model/Presets.h"
#include "session/DesignListOps.h"
#include "text/NumberText.h"

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QProcess>
#include <QSet>

namespace brisko::gui::test {

class PowerDesigner : public ProgramFixture {
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        startWithPortfolio();
        win().PowerDesignClick(); // the menu item is hidden and disabled
        pd = win().powerDesigner();
        ASSERT_NE(pd, nullptr);
    }

    QLineEdit* edit(const char* name) { return pd->findChild<QLineEdit*>(QString::fromLatin1(name)); }
    QString result(const char* name) { return pd->findChild<QLabel*>(QString::fromLatin1(name))->text(); }
    void press(const char* name) { pd->findChild<QAbstractButton*>(QString::fromLatin1(name))->click(); }
    void setRange(const char* prefix, const QString& from, const QString& to, const QString& step)
    {
        const QString p = QString::fromLatin1(prefix);
        pd->findChild<QLineEdit*>(p + "FromEF")->setText(from);
        pd->findChild<QLineEdit*>(p + "ToEF")->setText(to);
        pd->findChild<QLineEdit*>(p + "StepEF")->setText(step);
    }
    int sweepToEnd()
    {
        int steps = 0;
        while (pd->SweepStep())
            ++steps;
        return steps;
    }
    QString designText(int code) { return *dimensionByCode(win().session().design(), code); }

    // Every point of the map is a trial of the sweep, at that trial's values and time.
    void expectPointsAreTheTrials(const std::vector<SweepPoint>& points)
    {
        for (const SweepPoint& p : points) {
            ASSERT_LT(p.Trial, pd->trials().size());
            const SweepTrial& t = pd->trials()[p.Trial];
            EXPECT_EQ(p.Wheel, toDouble(t.Combination.Wheel));
            EXPECT_EQ(p.Length, toDouble(t.Combination.Length));
            EXPECT_EQ(p.Width, toDouble(t.Combination.Width));
            if (t.Time.startsWith(QLatin1Char('[')))
                EXPECT_FALSE(p.Time) << p.Trial;
            else
                EXPECT_EQ(p.Time, toDouble(t.Time)) << p.Trial;
        }
    }
    // The map's best is the best the window shows.
    void expectBestIsTheWindows(const SweepMap& map)
    {
        ASSERT_TRUE(map.Best);
        EXPECT_EQ(map.Best->Time, toDouble(result("BestYet")));
        EXPECT_EQ(map.Best->Wheel, toDouble(result("BestDWYet")));
        EXPECT_EQ(map.Best->Length, toDouble(result("BestSLYet")));
        EXPECT_EQ(map.Best->Width, toDouble(result("BestSWYet")));
    }

    TPDWin* pd = nullptr;
};

TEST_F(PowerDesigner, HiddenMenuItemOpensTheFormWithItsInitialTexts)
{
    auto* item = win().findChild<QAction*>(QStringLiteral("PowerDesign1"));
    EXPECT_FALSE(item->isVisible());
    EXPECT_FALSE(item->isEnabled());
    EXPECT_EQ(item->text(), "Power Design...");
    EXPECT_TRUE(pd->isVisible());
    EXPECT_EQ(pd->windowTitle(), "Power Designer");
    const QStringList record = lastRecord();
    EXPECT_EQ(field(record, 1), "-2");
    EXPECT_EQ(field(record, 2), "70");
    EXPECT_EQ(field(record, 3), "Power design");
    EXPECT_EQ(field(record, 14), "PowerDesign");
    const std::pair<const char*, const char*> initial[] = {
        {"SWFromEF", "1.5"}, {"SWToEF", "1.5"}, {"SWStepEF", "1.5"}, {"SLFromEF", "36"}, {"SLToEF", "36"},
        {"SLStepEF", "4"},   {"DWFromEF", "4"}, {"DWToEF", "7.5"},   {"DWStepEF", "0.5"}};
    for (const auto& [name, text] : initial)
        EXPECT_EQ(edit(name)->text(), text) << name;
    for (const char* name : {"BestYet", "BestSWYet", "BestSLYet", "BestDWYet"})
        EXPECT_EQ(result(name), "-") << name;
    EXPECT_EQ(result("BestSWLabel"), "at Spring Width = ");
    EXPECT_EQ(result("DWLabel"), "Drive wheel dia (in)");
    press("PDCancelBtn");
    EXPECT_FALSE(pd->isVisible());
}

TEST_F(PowerDesigner, ARefusedFieldShowsItsMessageAndRunsNothing)
{
    edit("SLStepEF")->setText("abc");
    prompter.clear();
    press("PDGoBtn");
    ASSERT_EQ(prompter.promptsOf(Prompt::Message).size(), 1);
    EXPECT_EQ(prompter.promptsOf(Prompt::Message)[0].title, "Please try again.");
    EXPECT_EQ(prompter.messageTexts()[0], "The spring length step size must be positive, greater than 0.01 inch, and "
                                          "not more than 120 inches. ");
    EXPECT_FALSE(pd->isSweeping());
}

TEST_F(PowerDesigner, SweepShowsTheBestAtOnceAndGivesTheStudentsTextsBack)
{
    const QString wheel = designText(18);
    press("PDGoBtn");
    ASSERT_TRUE(pd->isSweeping());
    EXPECT_FALSE(pd->findChild<QAbstractButton*>("PDGoBtn")->isEnabled());
    QString firstBest;
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(pd->SweepStep());
        if (firstBest.isEmpty())
            firstBest = result("BestYet");
    }
    EXPECT_NE(result("BestYet"), "-") << "shown while the sweep goes on";
    sweepToEnd();
    EXPECT_FALSE(pd->isSweeping());
    ASSERT_EQ(pd->triedCombinations().size(), 8u);
    EXPECT_EQ(pd->triedCombinations()[7].Wheel, "7.5");
    EXPECT_EQ(designText(18), wheel);
    EXPECT_EQ(widget<QLineEdit>("DriveWhlDiaEF")->text(), wheel);
    EXPECT_EQ(result("BestDWYet"), "5");
    EXPECT_TRUE(pd->findChild<QAbstractButton*>("UseBestBtn")->isEnabled());
    EXPECT_TRUE(pd->grab().save(QDir(pictureFolder()).filePath(QStringLiteral("brisko-power-designer.png"))));
}

TEST_F(PowerDesigner, StopEndsTheSweepBeforeTheNextCombinationAndGoNeverNests)
{
    press("PDGoBtn");
    ASSERT_TRUE(pd->SweepStep());
    pd->PDGoBtnClick(); // a second GO while it runs
    ASSERT_TRUE(pd->SweepStep());
    EXPECT_EQ(pd->triedCombinations().size(), 2u);
    press("Button1");
    EXPECT_FALSE(pd->SweepStep());
    EXPECT_FALSE(pd->isSweeping());
    EXPECT_EQ(pd->triedCombinations().size(), 2u);
}

TEST_F(PowerDesigner, NoCombinationReachingTheLineKeepsTheBestTexts)
{
    press("PDGoBtn");
    sweepToEnd();
    const QString best = result("BestYet");
    ASSERT_NE(best, "-");
    setRange("SL", "2", "3", "1");
    setRange("DW", "4", "4", "1");
    press("PDGoBtn");
    EXPECT_EQ(sweepToEnd(), 2);
    EXPECT_EQ(result("BestYet"), best);
    EXPECT_EQ(result("BestSLYet"), "36");
    EXPECT_FALSE(pd->findChild<QAbstractButton*>("UseBestBtn")->isEnabled()) << "nothing of this sweep to use";
}

TEST_F(PowerDesigner, UseBestTypesAndAppliesTheBestCombination)
{
    struct Field {
        int code;
        const char* setName;
        const char* doName;
        const char* best;
        QString before;
    };
    Field fields[] = {{18, "SetDriveWhlDia", "DoDrWhlDia", "BestDWYet", designText(18)},
                      {15, "SetSpringLength", "DoSprLen", "BestSLYet", designText(15)},
                      {14, "SetSpringWidth", "DoSprWid", "BestSWYet", designText(14)}};
    setRange("SL", "36", "44", "8");
    press("PDGoBtn");
    sweepToEnd();
    const int before = records().size();
    press("UseBestBtn");
    QStringList expected, applied;
    for (const Field& f : fields) {
        const QString best = result(f.best);
        EXPECT_EQ(designText(f.code), best) << f.setName;
        if (best == f.before)
            continue;
        expected << QStringLiteral("0:%1=%2").arg(f.setName, best) << QStringLiteral("1:%1=%2").arg(f.setName, best);
        applied << QStringLiteral("2:%1=%2").arg(f.doName, best);
    }
    ASSERT_FALSE(applied.isEmpty()) << "the best differs from the student's design";
    QStringList written;
    const auto all = records();
    for (int i = before; i < all.size(); ++i)
        written << field(all[i], 1) + ":" + field(all[i], 14) + "=" + field(all[i], 3);
    EXPECT_EQ(written.mid(0, expected.size()), expected);
    // Applying may put corrected texts into fields, which logs them as changes (stage 0).
    QSet<QString> appliedWritten;
    for (auto it = written.begin() + expected.size(); it != written.end(); ++it)
        if (!it->startsWith(QLatin1String("0:")))
            appliedWritten << *it;
    EXPECT_EQ(appliedWritten, QSet<QString>(applied.begin(), applied.end()));
    EXPECT_EQ(widget<QLineEdit>("SpringLengthEF")->text(), designText(15));
}

TEST_F(PowerDesigner, AHugeSweepAsksFirstWithItsCount)
{
    setRange("SL", "1", "240", "0.011");
    press("PDGoBtn");
    ASSERT_EQ(prompter.promptsOf(Prompt::Confirm).size(), 1);
    const QString question = prompter.promptsOf(Prompt::Confirm)[0].text;
    EXPECT_TRUE(question.contains("173808 combinations")) << question.toStdString();
    EXPECT_FALSE(pd->isSweeping()) << "the scripted answer is Cancel";
    prompter.answerConfirm(Answer::Yes);
    press("PDGoBtn");
    EXPECT_TRUE(pd->isSweeping());
    press("PDCancelBtn");
    EXPECT_FALSE(pd->isSweeping());
    EXPECT_FALSE(pd->isVisible());
}

TEST_F(PowerDesigner, TheMapDrawsEveryCombinationAtItsTimeOneLinePerSpring)
{
    setRange("SW", "1.5", "2", "0.5");
    setRange("SL", "36", "44", "8");
    press("PDGoBtn");
    SweepMapView* view = pd->sweepMap();
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->isVisible());
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(pd->SweepStep());
    EXPECT_EQ(view->map().Tried, 3u) << "filled in as the sweep goes on";
    EXPECT_DOUBLE_EQ(view->map().Planned, 32);
    sweepToEnd();
    const SweepMap& map = view->map();
    ASSERT_EQ(map.Shape, SweepMapShape::Lines);
    EXPECT_EQ(map.X, SweepParameter::Wheel);
    ASSERT_EQ(map.Series.size(), 4u) << "one line per spring length and width";
    EXPECT_EQ(map.Tried, pd->trials().size());
    const QImage picture = view->grab().toImage();
    const SweepMapLayout layout = view->layout();
    std::size_t points = 0, seen = 0;
    for (std::size_t i = 0; i < map.Series.size(); ++i) {
        const SweepSeries& series = map.Series[i];
        expectPointsAreTheTrials(series.Points);
        points += series.Points.size();
        for (const SweepPoint& p : series.Points) {
            EXPECT_EQ(p.Length, series.Points.front().Length);
            EXPECT_EQ(p.Width, series.Points.front().Width);
            if (!p.Time)
                continue;
            // The dot of the combination is where its wheel and its time put it.
            const QPointF at = sweepMapPoint(layout, map, p);
            EXPECT_DOUBLE_EQ(layout.Plot.valueAtX(at.x()), p.Wheel);
            EXPECT_NEAR(at.y(), layout.Plot.yOf(*p.Time), 1e-9);
            if (layout.BestLabel.adjusted(-3, -3, 3, 3).contains(at))
                continue; // under the best's label
            EXPECT_EQ(picture.pixelColor(at.toPoint()), sweepSeriesColour(i)) << series.Name.toStdString() << " "
                                                                             << p.Wheel;
            ++seen;
        }
    }
    EXPECT_EQ(points, pd->trials().size());
    EXPECT_GE(seen, map.Reached - 1) << "the best's label hides no more than one dot";
    expectBestIsTheWindows(map);
    EXPECT_TRUE(picture.save(QDir(pictureFolder()).filePath(QStringLiteral("brisko-sweep-lines.png"))));
}

TEST_F(PowerDesigner, TwoParametersVaryingGiveAColourMapOfTheTimes)
{
    setRange("SW", "1", "2", "0.5");
    setRange("DW", "5.5", "6.5", "0.5"); // wheels the sizing leaves as they are
    press("PDGoBtn");
    sweepToEnd();
    SweepMapView* view = pd->sweepMap();
    const SweepMap& map = view->map();
    ASSERT_EQ(map.Shape, SweepMapShape::Colours);
    EXPECT_EQ(map.X, SweepParameter::Wheel);
    EXPECT_EQ(map.Y, SweepParameter::Width);
    ASSERT_EQ(map.Cells.size(), 9u);
    expectPointsAreTheTrials(map.Cells);
    expectBestIsTheWindows(map);
    const QImage picture = view->grab().toImage();
    const SweepMapLayout layout = view->layout();
    QSet<QPoint> cells;
    for (const SweepPoint& p : map.Cells) {
        const QRectF cell = sweepMapCell(layout, map, p);
        EXPECT_TRUE(layout.Plot.Pixels.contains(cell.center()));
        cells << cell.center().toPoint();
        // A corner of the cell, away from the best's mark and label, holds its time's colour.
        const QPoint corner = (cell.topLeft() + QPointF(3, 3)).toPoint();
        const QColor expected = p.Time ? sweepTimeColour(*p.Time, layout.Time) : kSweepShortColour;
        const QColor shown = picture.pixelColor(corner);
        if (p.Time)
            EXPECT_EQ(shown, expected) << p.Wheel << " x " << p.Width;
        else
            EXPECT_TRUE(shown == expected || shown.lightness() < expected.lightness()) << "hatched";
    }
    EXPECT_EQ(cells.size(), 9) << "a cell for each combination";
    EXPECT_TRUE(picture.save(QDir(pictureFolder()).filePath(QStringLiteral("brisko-sweep-colours.png"))));
}

#ifdef BRISKO_FIGURES_TOOL
TEST_F(PowerDesigner, TheFiguresToolFindsTheSameBest)
{
    for (int preset : {0, 3}) {
        ASSERT_TRUE(SelectDesign(win().session(), preset));
        setRange("SL", "30", "40", "5");
        press("PDGoBtn");
        sweepToEnd();
        QProcess tool;
        tool.start(QStringLiteral(BRISKO_FIGURES_TOOL),
                   QStringList{"--preset", presetNames().at(preset), "--sweep", "--sl", "30,40,5"});
        ASSERT_TRUE(tool.waitForFinished(60000));
        const QStringList lines = QString::fromLatin1(tool.readAllStandardOutput()).split('\n');
        for (const char* name : {"BestYet", "BestSWYet", "BestSLYet", "BestDWYet"})
            EXPECT_TRUE(lines.contains(QString::fromLatin1(name) + ": " + result(name)))
                << presetNames().at(preset).toStdString() << " " << name << " " << result(name).toStdString();
    }
}
#endif

} // namespace brisko::gui::test
