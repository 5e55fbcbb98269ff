// The race state's playback: the race clock, the lanes taken from the design list
// and the speed slider.
#include "mainwin/TRPWin.h"
#include "session/ActionCodes.h"

#include "mainwin/DrawingArea.h"
#include "mainwin/PrototypeRefresh.h"
#include "mainwin/RacePlayback.h"

#include <QSlider>
#include <QTimer>

namespace brisko::gui {

namespace {
constexpr int kInitialRaceInterval = 100; // ms, the slider's middle position
}

void TRPWin::buildRaceClock()
{
    m_raceClock = new QTimer(this);
    m_raceClock->setObjectName(QStringLiteral("Timer"));
    m_raceClock->setInterval(kInitialRaceInterval);
    connect(m_raceClock, &QTimer::timeout, this, &TRPWin::TimerTimer);
    m_race = std::make_unique<RacePlayback>(*m_image, *m_raceClock);
    if (auto* slider = findChild<QSlider*>(QStringLiteral("RaceSlider")))
        connect(slider, &QSlider::valueChanged, this, &TRPWin::RaceSliderChange);
}

// Every simulated design among the first 16 of the list runs in its own lane; the
// track fills the drawing sheet.
void TRPWin::Race()
{
    const QVector<int> positions = racedPositions();
    std::array<RaceEntry, kRaceLanes> entries;
    int currentLane = -1;
    for (int lane = 0; lane < std::min<int>(kRaceLanes, positions.size()); ++lane) {
        const int i = positions[lane];
        if (i < 0 || i >= m_session.designs().count())
            continue;
        const DesignListEntry& entry = m_session.designs().entry(i);
        entries[lane].Name = entry.Name;
        if (const RaceTrace* trace = m_session.traceOf(i); trace && entry.Simulated) {
            entries[lane].Trace = *trace;
            entries[lane].Simulated = true;
        }
        if (i == m_session.app().CurrentDesign)
            currentLane = lane;
    }
    const TrackGeometry track = TrackGeometry::fromClient(m_image->width(), m_image->height(), 0, 0);
    setEnabledByName("RaceChartBtn", false);
    m_race->start(entries, currentLane, track);
    updateUndoActions();
}

void TRPWin::TimerTimer()
{
    m_race->tick();
    setEnabledByName("RaceChartBtn", !m_race->isRunning()); // the chart of a race run to its end
    if (!m_race->isRunning())
        updateUndoActions();
}

void TRPWin::RaceSliderChange(int position)
{
    m_raceClock->setInterval(raceTimerInterval(position));
    m_session.logAction(actions::RaceState, QStringLiteral("NewInterval"), raceSpeedText(position));
}

} // namespace brisko::gui
