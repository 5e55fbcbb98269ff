#include "mainwin/RacePlayback.h"

#include "mainwin/DrawingArea.h"

#include <QTimer>

namespace brisko::gui {

RacePlayback::RacePlayback(DrawingArea& sheet, QTimer& clock)
    : m_sheet(sheet)
    , m_clock(clock)
{
}

void RacePlayback::start(const std::array<RaceEntry, kRaceLanes>& entries, int currentDesign,
                         const TrackGeometry& track)
{
    stop();
    m_track = track;
    for (int i = 0; i < kRaceLanes; ++i)
        m_names[i] = entries[i].Name;
    m_results = {};
    m_race.emplace(entries, currentDesign, track);
    m_clock.start();
}

void RacePlayback::tick()
{
    if (!m_race)
        return;
    const std::vector<BarSegment> drawn = m_race->tick();
    {
        QPainter painter(&m_sheet.canvas());
        paintRaceStep(painter, m_track, drawn, m_names);
    }
    if (m_race->finished())
        finish();
    m_sheet.update();
}

void RacePlayback::finish()
{
    m_clock.stop();
    m_results = m_race->resultTexts();
    m_race.reset();
    QPainter painter(&m_sheet.canvas());
    paintRaceResults(painter, m_track, m_results);
}

void RacePlayback::stop()
{
    m_clock.stop();
    m_race.reset();
}

} // namespace brisko::gui
