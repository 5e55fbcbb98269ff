#include "render/Race.h"

#include <gtest/gtest.h>

#include <memory>

using namespace brisko;

namespace {

// A run at constant speed that ends at `lastStep` (at most 1000 recorded).
RaceTrace steadyRun(float feetPerSecond, int lastStep, int skidSteps = 0)
{
    RaceTrace trace;
    for (int k = 1; k <= std::min(lastStep, kLastTraceEntry); ++k) {
        trace.Distance[k] = feetPerSecond * static_cast<float>(k) / 100.0f;
        trace.Skid[k] = k <= skidSteps ? 1 : 0;
    }
    return trace;
}

// First recorded entry past the line, for a steadily advancing car.
int firstPastTheLine(const RaceTrace& trace)
{
    for (int k = 0; k <= kLastTraceEntry; ++k)
        if (trace.Distance[k] > kFinishFeet)
            return k;
    return -1;
}

struct Field {
    std::unique_ptr<std::array<RaceEntry, kRaceLanes>> entries = std::make_unique<std::array<RaceEntry, kRaceLanes>>();

    void enter(int lane, const QString& name, const RaceTrace& trace)
    {
        (*entries)[lane] = {trace, true, name};
    }
};

const TrackGeometry kTrack = TrackGeometry::fromClient(1717, 867, 17, 17); // P = 100, H = 50

int runToEnd(RaceState& race, std::vector<BarSegment>* all = nullptr)
{
    int ticks = 0;
    while (!race.finished()) {
        const auto drawn = race.tick();
        if (all)
            all->insert(all->end(), drawn.begin(), drawn.end());
        if (++ticks > 1000)
            break;
    }
    return ticks;
}

} // namespace

TEST(RaceTrack, GeometryFromTheClientArea)
{
    EXPECT_FLOAT_EQ(kTrack.P, 100.0f);
    EXPECT_FLOAT_EQ(kTrack.H, 50.0f);
    EXPECT_EQ(kTrack.laneTop(0), 30);
    EXPECT_EQ(kTrack.laneTop(3), 180);
    EXPECT_EQ(kTrack.barTop(0), 34);
    EXPECT_EQ(kTrack.barBottom(0), 61);
    EXPECT_EQ(kTrack.startX(), 100);
    EXPECT_EQ(kTrack.finishX(), 1600);
    EXPECT_EQ(kTrack.distanceX(7.5f), 850);
    EXPECT_EQ(kTrack.nameX(), 17);
    EXPECT_EQ(kTrack.resultX(), 1217);
    EXPECT_EQ(kTrack.fontSize(), 14);
    EXPECT_EQ(TrackGeometry::fromClient(357, 153, 17, 17).fontSize(), 3);
}

TEST(RaceSpeed, SliderPositions)
{
    EXPECT_EQ(raceTimerInterval(0), 200);
    EXPECT_EQ(raceTimerInterval(1), 100);
    EXPECT_EQ(raceTimerInterval(2), 50);
    EXPECT_EQ(raceSpeedText(0), "0.25x");
    EXPECT_EQ(raceSpeedText(1), "0.50x");
    EXPECT_EQ(raceSpeedText(2), "1.00x");
}

TEST(RaceResults, PlacesInOrderOfCrossingWithTheirSuffixes)
{
    Field field;
    for (int lane = 0; lane < 13; ++lane)
        field.enter(12 - lane, QStringLiteral("Car %1").arg(lane), steadyRun(3.0f + 0.37f * lane, 1000));
    RaceState race(*field.entries, 0, kTrack);
    runToEnd(race);
    const auto texts = race.resultTexts();
    const char* suffixes[] = {"st", "nd", "rd", "th", "th", "th", "th", "th", "th", "th", "th", "th", "th"};
    for (int place = 1; place <= 13; ++place) {
        const int lane = place - 1; // the fastest car runs in lane 0
        const int t = firstPastTheLine((*field.entries)[lane].Trace);
        EXPECT_EQ(race.lane(lane).Place, place);
        EXPECT_EQ(race.lane(lane).t, t);
        EXPECT_EQ(texts[lane], QStringLiteral("15 ft in %1 sec - %2%3 place")
                                   .arg(QString::number(t / 100.0, 'f', 2))
                                   .arg(place)
                                   .arg(suffixes[place - 1]));
    }
    EXPECT_EQ(texts[13], "");
}

TEST(RaceResults, WinnerText)
{
    LaneState winner;
    winner.t = 352;
    winner.Place = 1;
    EXPECT_EQ(raceResultText(winner), "15 ft in 3.52 sec - 1st place");
    winner.Place = 11;
    EXPECT_EQ(raceResultText(winner), "15 ft in 3.52 sec - 11th place");
}

TEST(RaceResults, TiesArePlacedInLaneOrder)
{
    Field field;
    field.enter(2, QStringLiteral("Twin A"), steadyRun(4.1f, 600));
    field.enter(5, QStringLiteral("Twin B"), steadyRun(4.1f, 600));
    RaceState race(*field.entries, 5, kTrack);
    runToEnd(race);
    EXPECT_EQ(race.lane(2).Place, 1);
    EXPECT_EQ(race.lane(5).Place, 2);
    EXPECT_EQ(race.lane(2).t, race.lane(5).t);
}

TEST(RaceResults, CarStoppingShortShowsTimeAndDistance)
{
    Field field;
    field.enter(0, QStringLiteral("Short"), steadyRun(3.0f, 203));
    field.enter(1, QStringLiteral("Stalled"), steadyRun(3.0f, 2));
    RaceState race(*field.entries, 0, kTrack);
    runToEnd(race);
    EXPECT_EQ(race.lane(0).Place, 0);
    EXPECT_EQ(race.lane(0).t, 203);
    EXPECT_EQ(race.resultTexts()[0], "2.03 sec/6.09 ft");
    EXPECT_EQ(race.lane(1).Place, 0);
    EXPECT_EQ(race.resultTexts()[1], "0.02 sec/0.06 ft");
}

TEST(RaceLanes, DesignNotSimulatedNeverMoves)
{
    Field field;
    field.enter(0, QStringLiteral("Raced"), steadyRun(5.5f, 400));
    field.enter(1, QStringLiteral("Changed"), steadyRun(9.0f, 400));
    (*field.entries)[1].Simulated = false;
    RaceState race(*field.entries, 0, kTrack);
    std::vector<BarSegment> all;
    runToEnd(race, &all);
    for (const BarSegment& s : all)
        EXPECT_NE(s.Lane, 1);
    EXPECT_TRUE(race.lane(1).Finished);
    EXPECT_EQ(race.resultTexts()[1], "");
    EXPECT_EQ(race.lane(0).Place, 1);
}

TEST(RaceLanes, BarsGrowInTheirColoursUpToTheFinish)
{
    Field field;
    field.enter(0, QStringLiteral("Current"), steadyRun(6.3f, 500, 12));
    field.enter(1, QStringLiteral("Other"), steadyRun(6.3f, 500));
    RaceState race(*field.entries, 0, kTrack);
    const auto first = race.tick();
    ASSERT_EQ(first.size(), 2u);
    EXPECT_EQ(first[0].Colour, kSkidColour);
    EXPECT_EQ(first[0].FromX, 0);
    EXPECT_EQ(first[0].ToX, kTrack.distanceX(6.3f * 5 / 100));
    EXPECT_EQ(first[0].Top, kTrack.barTop(0));
    EXPECT_EQ(first[0].Bottom, kTrack.barBottom(0));
    EXPECT_EQ(first[1].Colour, kLaneColour);
    race.tick();
    race.tick();
    EXPECT_EQ(race.tick()[0].Colour, kSelectedColour); // t = 20, past the skid
    std::vector<BarSegment> rest;
    runToEnd(race, &rest);
    ASSERT_FALSE(rest.empty());
    EXPECT_EQ(rest.back().ToX, kTrack.finishX());
    EXPECT_EQ(race.lane(1).BarEnd, kTrack.finishX());
}

TEST(RaceLanes, RunLongerThanItsRecordStopsAtTheLastEntry)
{
    Field field;
    field.enter(0, QStringLiteral("Slow"), steadyRun(1.2f, 1500));  // 12 ft at 10 s, still going
    field.enter(1, QStringLiteral("Late"), steadyRun(1.5f, 1500));  // exactly 15 ft at 10 s
    field.enter(2, QStringLiteral("Ended"), steadyRun(1.4f, 1000)); // ends with its record
    RaceState race(*field.entries, 0, kTrack);
    const int ticks = runToEnd(race);
    EXPECT_EQ(ticks, 200);
    EXPECT_EQ(race.lane(0).t, kLastTraceEntry);
    EXPECT_EQ(race.lane(0).Place, 0);
    EXPECT_EQ(race.resultTexts()[0], "10.00 sec/12.00 ft");
    EXPECT_EQ(race.lane(1).t, kLastTraceEntry);
    EXPECT_EQ(race.lane(1).Place, 1);
    EXPECT_EQ(race.resultTexts()[1], "15 ft in 10.00 sec - 1st place");
    EXPECT_EQ(race.resultTexts()[2], "10.00 sec/14.00 ft");
}

TEST(RaceResults, CarsCrossingInOneTickArePlacedByTheirCrossingHundredth)
{
    Field field;
    field.enter(0, QStringLiteral("Later"), steadyRun(11.2f, 600));   // crosses at 1.34 s
    field.enter(1, QStringLiteral("Sooner"), steadyRun(11.5f, 600));  // crosses at 1.31 s, same tick
    RaceState race(*field.entries, 0, kTrack);
    runToEnd(race);
    EXPECT_EQ(race.lane(0).t, 134);
    EXPECT_EQ(race.lane(1).t, 131);
    EXPECT_EQ(race.lane(1).Place, 1);
    EXPECT_EQ(race.lane(0).Place, 2);
    EXPECT_EQ(race.resultTexts()[0], "15 ft in 1.34 sec - 2nd place");
}

TEST(RaceResults, ARunEndingJustPastTheLineIsPlaced)
{
    Field field;
    field.enter(0, QStringLiteral("Spent"), steadyRun(10.8f, 142)); // crosses at 1.39 s, stops at 1.42 s
    field.enter(1, QStringLiteral("Steady"), steadyRun(7.0f, 600));
    RaceState race(*field.entries, 1, kTrack);
    std::vector<BarSegment> all;
    runToEnd(race, &all);
    EXPECT_EQ(race.lane(0).Place, 1);
    EXPECT_EQ(race.lane(0).t, 139);
    EXPECT_EQ(race.resultTexts()[0], "15 ft in 1.39 sec - 1st place");
    EXPECT_EQ(race.lane(0).BarEnd, kTrack.finishX());
    EXPECT_EQ(race.lane(1).Place, 2);
}
