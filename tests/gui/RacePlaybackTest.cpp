// The race on the main window's track: lanes for the simulated designs of the list,
// driven tick by tick through the race clock's handler.
#include "WiredWindowHelpers.h"
#include "SessionArrangement.h"

#include "dialogs/TADWin.h"
#include "render/Race.h"
#include "mainwin/RacePlayback.h"
#include "session/DesignListEntries.h"
#include "session/DesignListOps.h"
#include "text/NumberText.h"

#include <QLabel>
#include <QMap>
#include <QSlider>
#include <QTimer>

namespace brisko::gui::test {

class RacePlayback : public ProgramFixture {
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        startWithPortfolio();
    }

    Session& session() { return win().session(); }
    const brisko::gui::RacePlayback& race() { return win().racePlayback(); }

    // A new design of the default shape with its own drive wheel, simulated.
    void simulateNewDesign(const QString& wheel)
    {
        ASSERT_TRUE(NewDesign(session()));
        simulateWith(wheel);
    }

    void simulateWith(const QString& wheel, const QString& springLength = QStringLiteral("36"))
    {
        brisko::test::arrange(session()).design().DriveWheelDiameter = wheel;
        brisko::test::arrange(session()).design().SpringLength = springLength;
        session().showDesignInFields();
        click("VPDynPerfBtn");
    }

    int runRace(int limit = 400)
    {
        int ticks = 0;
        while (race().isRunning() && ticks++ < limit)
            win().TimerTimer();
        return ticks;
    }

    QColor pixel(int x, int y) { return win().image()->canvas().pixelColor(x, y); }
    // The middle of a lane's bar, `feet` past the start line.
    QPoint inBar(int lane, float feet)
    {
        const TrackGeometry& t = race().track();
        return {t.distanceX(feet), (t.barTop(lane) + t.barBottom(lane)) / 2};
    }
};

TEST_F(RacePlayback, OnlyTheCurrentDesignSimulatedRacesAloneInItsLane)
{
    click("VPRaceBtn");
    ASSERT_TRUE(race().isRunning());
    EXPECT_TRUE(win().raceClock()->isActive());
    EXPECT_EQ(win().raceClock()->interval(), 100);
    EXPECT_EQ(field(lastRecordNamed(records(), "VPRace"), 3), "1");
    for (int i = 0; i < 6; ++i)
        win().TimerTimer();
    EXPECT_EQ(pixel(inBar(0, 0.05f).x(), inBar(0, 0.05f).y()), kSelectedColour);
    EXPECT_NE(pixel(inBar(1, 0.05f).x(), inBar(1, 0.05f).y()), kLaneColour) << "no other lane moves";
    runRace();
    EXPECT_FALSE(race().isRunning());
    EXPECT_FALSE(win().raceClock()->isActive());
    const LaneTexts& results = race().results();
    EXPECT_FALSE(results[0].isEmpty());
    for (int lane = 1; lane < kRaceLanes; ++lane)
        EXPECT_TRUE(results[lane].isEmpty()) << lane;
}

TEST_F(RacePlayback, ADesignStoppingShortShowsItsTimeAndDistance)
{
    click("VPRaceBtn");
    runRace();
    // The default design runs out of spring just short of the line.
    const QString result = race().results()[0];
    EXPECT_TRUE(result.contains(" sec/")) << result.toStdString();
    EXPECT_TRUE(result.endsWith(" ft"));
    EXPECT_EQ(result, formatFixed(prototypeOf(win()).dynamic().Steps / 100.0, 2) + " sec/"
                          + formatFixed(prototypeOf(win()).dynamic().Trace.Distance[prototypeOf(win()).dynamic().Steps], 2)
                          + " ft");
}

TEST_F(RacePlayback, ThirteenDesignsArePlacedFirstToThirteenth)
{
    for (int preset = 0; preset < 5; ++preset) {
        ASSERT_TRUE(SelectDesign(session(), preset));
        simulateWith(QStringLiteral("5.6"));
    }
    for (int k = 0; k < 8; ++k)
        simulateNewDesign(QString::number(5 + 0.2 * k));
    click("VPRaceBtn");
    runRace();
    const LaneTexts& results = race().results();
    const QStringList suffixes = {"1st", "2nd", "3rd", "4th", "5th", "6th", "7th",
                                  "8th", "9th", "10th", "11th", "12th", "13th"};
    QMap<QString, QString> byTime; // "15 ft in 1.62" -> its place
    for (int lane = 0; lane < 13; ++lane) {
        const QString& text = results[lane];
        ASSERT_TRUE(text.startsWith("15 ft in ")) << lane << text.toStdString();
        byTime.insert(text.mid(9, 4) + QString::number(lane).rightJustified(2, '0'),
                      text.section(" sec - ", 1).section(' ', 0, 0));
    }
    EXPECT_EQ(byTime.values(), suffixes) << "places follow the crossing times";
    for (int lane = 13; lane < kRaceLanes; ++lane)
        EXPECT_TRUE(results[lane].isEmpty());
}

TEST_F(RacePlayback, ASkiddingDesignsBarStartsFuchsia)
{
    ASSERT_TRUE(SelectDesign(session(), 1)); // the Racer
    click("AWDBtn");
    click("VPDynPerfBtn");
    ASSERT_TRUE(prototypeOf(win()).dynamic().Trace.Skid[5]) << "this car skids off the line";
    click("VPRaceBtn");
    win().TimerTimer();
    const TrackGeometry& t = race().track();
    const int y = (t.barTop(1) + t.barBottom(1)) / 2; // the Racer's lane
    const int firstEnd = t.distanceX(prototypeOf(win()).dynamic().Trace.Distance[5]);
    EXPECT_EQ(pixel(firstEnd - 1, t.barBottom(1) - 1), kSkidColour) << "under the name, where the bar starts";
    EXPECT_EQ(pixel(2, y), kSkidColour);
}

TEST_F(RacePlayback, TheAdvisoriesLeaveTheTrackFreeAndComeBackAfterTheRace)
{
    ASSERT_TRUE(SelectDesign(session(), 1)); // the Racer skids in AWD
    click("AWDBtn");
    click("VPDynPerfBtn");
    auto* advisories = win().findChild<TADWin*>();
    ASSERT_TRUE(advisories->isVisible());
    click("VPRaceBtn");
    EXPECT_FALSE(advisories->isVisible()) << "the finish line lies under the advisories' corner";
    runRace();
    EXPECT_FALSE(advisories->isVisible());
    click("VPPreviewBtn");
    EXPECT_TRUE(advisories->isVisible());
    EXPECT_TRUE(advisories->findChild<QLabel*>("SkidAdvisoryLabel")->isVisibleTo(advisories));
}

TEST_F(RacePlayback, ChangingSpeedDuringARaceChangesTheTickNotTheResults)
{
    simulateNewDesign(QStringLiteral("6"));
    click("VPRaceBtn");
    runRace();
    const LaneTexts straight = race().results();

    click("VPRaceBtn");
    auto* slider = widget<QSlider>("RaceSlider");
    for (int i = 0; i < 4; ++i)
        win().TimerTimer();
    slider->setValue(2);
    EXPECT_EQ(win().raceClock()->interval(), 50);
    EXPECT_TRUE(win().raceClock()->isActive());
    const QStringList record = lastRecord();
    EXPECT_EQ(field(record, 1), "6");
    EXPECT_EQ(field(record, 2), "501");
    EXPECT_EQ(field(record, 3), "NewInterval");
    EXPECT_EQ(field(record, 4), "1.00x");
    EXPECT_EQ(field(record, 14), "VPRace");
    win().TimerTimer();
    slider->setValue(0);
    EXPECT_EQ(win().raceClock()->interval(), 200);
    EXPECT_EQ(field(lastRecord(), 4), "0.25x");
    runRace();
    EXPECT_EQ(race().results(), straight);
}

TEST_F(RacePlayback, TheRaceNeverStartsAgainWhileItRuns)
{
    click("VPRaceBtn");
    const int whole = runRace();
    const LaneTexts alone = race().results();
    click("VPRaceBtn");
    for (int i = 0; i < 3; ++i)
        win().TimerTimer();
    const int before = records().size();
    click("VPRaceBtn");
    EXPECT_EQ(records().size(), before) << "the click is not taken while the race runs";
    EXPECT_EQ(runRace(), whole - 3);
    EXPECT_EQ(race().results(), alone);
}

TEST_F(RacePlayback, RemovingAnEntryNeverHandsItsRunToAnotherLane)
{
    const auto timeOf = [](const QString& result) { return result.section(QStringLiteral(" - "), 0, 0); };
    simulateNewDesign(QStringLiteral("4"));   // the list's sixth entry
    simulateNewDesign(QStringLiteral("6.5")); // the seventh
    ASSERT_TRUE(SelectDesign(session(), 0)); // the race runs the current design afresh: none of the two
    click("VPRaceBtn");
    runRace();
    const QString moving = race().results()[6];
    ASSERT_FALSE(moving.isEmpty());
    ASSERT_NE(timeOf(race().results()[5]), timeOf(moving));

    ASSERT_TRUE(SelectDesign(session(), 5));
    prompter.answerConfirm(Answer::Yes);
    click("RemoveBtn");
    ASSERT_EQ(session().designs().count(), 6);
    ASSERT_TRUE(SelectDesign(session(), 0));
    click("VPRaceBtn");
    runRace();
    EXPECT_EQ(timeOf(race().results()[5]), timeOf(moving)) << "the second design's run moved up with it";
    EXPECT_TRUE(race().results()[6].isEmpty());
}

TEST_F(RacePlayback, LeavingTheStateResizingOrClosingEndsTheRaceCleanly)
{
    click("VPRaceBtn");
    runRace();
    const LaneTexts whole = race().results();

    click("VPRaceBtn");
    win().TimerTimer();
    click("VPSetBtn");
    EXPECT_FALSE(race().isRunning());
    EXPECT_FALSE(win().raceClock()->isActive());

    click("VPRaceBtn");
    win().TimerTimer();
    win().resize(win().width() - 40, win().height());
    runRace(); // the track laid out anew races from the start
    EXPECT_EQ(race().results(), whole);

    click("VPRaceBtn");
    win().TimerTimer();
    prompter.answerConfirm(Answer::No);
    win().close();
    EXPECT_TRUE(program->hasEnded());
    EXPECT_FALSE(race().isRunning());
    EXPECT_FALSE(win().raceClock()->isActive());
    win().TimerTimer(); // a tick already queued does nothing
    EXPECT_EQ(field(lastRecord(), 14), "ProgramEnd");
}

} // namespace brisko::gui::test
