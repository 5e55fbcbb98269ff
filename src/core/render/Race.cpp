#include "render/Race.h"

#include "text/NumberText.h"

#include <algorithm>

namespace brisko {

int raceTimerInterval(int sliderPosition)
{
    static constexpr int intervals[] = {200, 100, 50};
    return intervals[std::clamp(sliderPosition, 0, 2)];
}

QString raceSpeedText(int sliderPosition)
{
    static const char* const texts[] = {"0.25x", "0.50x", "1.00x"};
    return QString::fromLatin1(texts[std::clamp(sliderPosition, 0, 2)]);
}

RaceState::RaceState(const std::array<RaceEntry, kRaceLanes>& entries, int currentDesign, const TrackGeometry& track)
    : m_entries(entries)
    , m_current(currentDesign)
    , m_track(track)
{
}

std::vector<BarSegment> RaceState::tick()
{
    std::vector<BarSegment> drawn;
    for (int i = 0; i < kRaceLanes; ++i) {
        if (!m_entries[i].Simulated) {
            m_lanes[i].Finished = true;
            m_lanes[i].FinalDistance = 0.0f;
        }
    }
    m_crossedThisTick.clear();
    for (int i = 0; i < kRaceLanes; ++i) {
        if (m_lanes[i].Finished)
            continue;
        advance(i);
        drawBar(i, drawn);
    }
    placeCrossings();
    m_finished = std::all_of(m_lanes.begin(), m_lanes.end(), [](const LaneState& l) { return l.Finished; });
    return drawn;
}

void RaceState::advance(int i)
{
    LaneState& lane = m_lanes[i];
    const int previous = lane.t;
    lane.t = std::min(lane.t + kEntriesPerTick, kLastTraceEntry);
    const float at = distanceAt(i);
    if (at < 0.0f)
        runOver(i, previous);
    else if (at >= kFinishFeet)
        cross(i, previous);
    else if (lane.t == kLastTraceEntry) {
        // The run lasted longer than its record: the lane stops where the record ends.
        lane.Finished = true;
        lane.FinalDistance = at;
    }
}

// The run ended within the last five entries: the lane stops at its last distance.
void RaceState::runOver(int i, int previous)
{
    LaneState& lane = m_lanes[i];
    const auto& d = m_entries[i].Trace.Distance;
    int last = previous;
    for (int k = previous + 1; k <= lane.t; ++k)
        if (d[k] > 0.0f)
            last = k;
    lane.t = last;
    lane.Finished = true;
    lane.FinalDistance = d[lane.t];
    // A run that ends past the line within these entries crossed it: it is placed.
    if (lane.FinalDistance >= kFinishFeet)
        cross(i, previous);
}

// The car crossed the line within the last five entries: it is placed at the first
// entry past the last one short of the line.
void RaceState::cross(int i, int previous)
{
    LaneState& lane = m_lanes[i];
    const auto& d = m_entries[i].Trace.Distance;
    int lastShort = previous;
    for (int k = previous + 1; k <= lane.t; ++k)
        if (d[k] <= kFinishFeet)
            lastShort = k;
    const int crossing = lastShort + 1;
    if (crossing <= kLastTraceEntry && d[crossing] >= 0.0f)
        lane.t = crossing;
    else
        lane.t = lastShort; // the run ended right at the line
    lane.Finished = true;
    lane.FinalDistance = d[lane.t];
    m_crossedThisTick.push_back(i);
}

// The cars that crossed within one tick are placed by the hundredth at which each
// crossed; only cars crossing at the same hundredth go in lane order.
void RaceState::placeCrossings()
{
    std::stable_sort(m_crossedThisTick.begin(), m_crossedThisTick.end(),
                     [this](int a, int b) { return m_lanes[a].t < m_lanes[b].t; });
    for (int i : m_crossedThisTick)
        m_lanes[i].Place = ++m_placeCounter;
}

void RaceState::drawBar(int i, std::vector<BarSegment>& out)
{
    LaneState& lane = m_lanes[i];
    const QColor colour = colourAt(i);
    const int top = m_track.barTop(i);
    const int bottom = m_track.barBottom(i);
    const int x = m_track.distanceX(distanceAt(i));
    out.push_back({i, lane.BarEnd, x, top, bottom, colour});
    lane.BarEnd = x;
    if (distanceAt(i) >= kFinishFeet) {
        out.push_back({i, lane.BarEnd, m_track.finishX(), top, bottom, colour});
        lane.BarEnd = m_track.finishX();
    }
}

QColor RaceState::colourAt(int i) const
{
    if (m_entries[i].Trace.Skid[m_lanes[i].t])
        return kSkidColour;
    return i == m_current ? kSelectedColour : kLaneColour;
}

float RaceState::distanceAt(int i) const
{
    return m_entries[i].Trace.Distance[m_lanes[i].t];
}

std::array<QString, kRaceLanes> RaceState::resultTexts() const
{
    std::array<QString, kRaceLanes> texts;
    for (int i = 0; i < kRaceLanes; ++i)
        if (!m_entries[i].Name.isEmpty())
            texts[i] = raceResultText(m_lanes[i]);
    return texts;
}

QString placeSuffix(int place)
{
    switch (place) {
    case 1: return QStringLiteral("st place");
    case 2: return QStringLiteral("nd place");
    case 3: return QStringLiteral("rd place");
    default: return QStringLiteral("th place");
    }
}

QString raceResultText(const LaneState& lane)
{
    const QString time = formatFixed(static_cast<float>(lane.t) / 100.0f, 2);
    if (lane.Place > 0)
        return QStringLiteral("15 ft in ") + time + QStringLiteral(" sec - ") + QString::number(lane.Place)
            + placeSuffix(lane.Place);
    if (lane.FinalDistance > 0.0f)
        return time + QStringLiteral(" sec/") + formatFixed(lane.FinalDistance, 2) + QStringLiteral(" ft");
    return QString();
}

} // namespace brisko
