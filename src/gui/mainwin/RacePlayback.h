#pragma once
// The race on the main window's sheet, driven by the window's race clock: each tick
// of the clock advances every lane and paints the step; the last one writes the
// results and stops the clock. Nothing waits in a loop, so the window stays
// responsive and a race can always be ended at once.
#include "render/Race.h"
#include "render/RacePainter.h"

#include <optional>

class QTimer;

namespace brisko::gui {

class DrawingArea;

class RacePlayback {
public:
    RacePlayback(DrawingArea& sheet, QTimer& clock);

    // Starts a race over the given lanes; a race still running is ended first.
    void start(const std::array<RaceEntry, kRaceLanes>& entries, int currentDesign, const TrackGeometry& track);
    // One step of every lane; after the last one the results are written.
    void tick();
    // Ends a running race where it is, without results.
    void stop();

    bool isRunning() const { return m_race.has_value(); }
    // The result texts of the last race that ran to its end.
    const LaneTexts& results() const { return m_results; }
    const TrackGeometry& track() const { return m_track; }

private:
    void finish();

    DrawingArea& m_sheet;
    QTimer& m_clock;
    std::optional<RaceState> m_race;
    LaneTexts m_names;
    LaneTexts m_results;
    TrackGeometry m_track;
};

} // namespace brisko::gui
