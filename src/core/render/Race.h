#pragma once
// The race on the screen: the recorded runs of the simulated designs replayed lane by lane, five
// hundredths of a second per timer tick, with places at the 15 ft line.
#include "analysis/RaceTrace.h"
#include "render/RaceTrack.h"

#include <QColor>
#include <QString>
#include <array>
#include <vector>

namespace brisko {

inline constexpr int kRaceLanes = 16;
inline constexpr int kEntriesPerTick = 5;
inline constexpr float kFinishFeet = 15.0f;

inline const QColor kSkidColour(255, 0, 255);
inline const QColor kSelectedColour(187, 170, 238);
inline const QColor kLaneColour(192, 192, 192);

// Timer interval (ms) and logged speed text of the playback slider's positions 0..2.
int raceTimerInterval(int sliderPosition);
QString raceSpeedText(int sliderPosition);

struct RaceEntry {
    RaceTrace Trace;
    bool Simulated = false;
    QString Name; // empty when the design-list position holds no design
};

// A filled rectangle of a lane's bar, from x to x.
struct BarSegment {
    int Lane = 0;
    int FromX = 0, ToX = 0;
    int Top = 0, Bottom = 0;
    QColor Colour;
};

struct LaneState {
    int t = 0; // trace index, hundredths of a second
    bool Finished = false;
    int Place = 0; // 0 = did not cross
    float FinalDistance = 0;
    int BarEnd = 0;
};

class RaceState {
public:
    RaceState(const std::array<RaceEntry, kRaceLanes>& entries, int currentDesign, const TrackGeometry& track);

    // One animation step of all lanes; the lanes with segments also get their names written.
    std::vector<BarSegment> tick();
    bool finished() const { return m_finished; }
    // Per lane: its place or where it stopped; empty for unnamed or unplaced lanes.
    std::array<QString, kRaceLanes> resultTexts() const;
    const LaneState& lane(int i) const { return m_lanes[i]; }

private:
    void advance(int i);
    void runOver(int i, int previous);
    void cross(int i, int previous);
    void placeCrossings();
    void drawBar(int i, std::vector<BarSegment>& out);
    QColor colourAt(int i) const;
    float distanceAt(int i) const;

    std::array<RaceEntry, kRaceLanes> m_entries;
    std::array<LaneState, kRaceLanes> m_lanes{};
    int m_current = -1;
    TrackGeometry m_track;
    int m_placeCounter = 0;
    std::vector<int> m_crossedThisTick; // lanes in lane order
    bool m_finished = false;
};

// "15 ft in 3.52 sec - 1st place", "4.10 sec/12.34 ft" or empty.
QString raceResultText(const LaneState& lane);
QString placeSuffix(int place);

} // namespace brisko
