#include "mainwin/RaceStateController.h"

#include "mainwin/DrawingArea.h"
#include "mainwin/WindowContext.h"
#include "session/ActionCodes.h"
#include "session/Session.h"

#include <QPushButton>
#include <QSlider>
#include <QTimer>

namespace brisko::gui {

namespace {
constexpr int kInitialRaceInterval = 100; // ms, the slider's middle position
}

RaceStateController::RaceStateController(WindowContext& context, const RaceControls& controls)
    : QObject(&context.frame)
    , m_context(context)
    , m_controls(controls)
    , m_clock(new QTimer(this))
{
    m_clock->setObjectName(QStringLiteral("Timer"));
    m_clock->setInterval(kInitialRaceInterval);
    connect(m_clock, &QTimer::timeout, this, &RaceStateController::tick);
    m_playback = std::make_unique<RacePlayback>(context.sheet, *m_clock);
    connect(m_controls.speed, &QSlider::valueChanged, this, &RaceStateController::speedChanged);
}

RaceStateController::~RaceStateController() = default;

void RaceStateController::enter()
{
    m_controls.panel->show();
    if (setAdvisoriesAside)
        setAdvisoriesAside(true);
}

void RaceStateController::leave()
{
    m_playback->stop();
    m_controls.panel->hide();
    if (setAdvisoriesAside)
        setAdvisoriesAside(false);
}

void RaceStateController::chooseLanes(const QVector<int>& positions)
{
    m_lanes = positions.mid(0, kRaceLanes);
}

QVector<int> RaceStateController::racedPositions() const
{
    QVector<int> positions = m_lanes;
    if (positions.isEmpty())
        for (int i = 0; i < std::min(kRaceLanes, m_context.session.designs().count()); ++i)
            positions << i;
    return positions.mid(0, kRaceLanes);
}

void RaceStateController::race()
{
    const Session& session = m_context.session;
    const QVector<int> positions = racedPositions();
    std::array<RaceEntry, kRaceLanes> entries;
    int currentLane = -1;
    for (int lane = 0; lane < std::min<int>(kRaceLanes, positions.size()); ++lane) {
        const int i = positions[lane];
        if (i < 0 || i >= session.designs().count())
            continue;
        const DesignListEntry& entry = session.designs().entry(i);
        entries[lane].Name = entry.Name;
        if (const RaceTrace* trace = session.traceOf(i); trace && entry.Simulated) {
            entries[lane].Trace = *trace;
            entries[lane].Simulated = true;
        }
        if (i == session.app().CurrentDesign)
            currentLane = lane;
    }
    const DrawingArea& sheet = m_context.sheet;
    const TrackGeometry track = TrackGeometry::fromClient(sheet.width(), sheet.height(), 0, 0);
    m_controls.chart->setEnabled(false);
    m_playback->start(entries, currentLane, track);
    m_context.undoActionsChanged();
}

void RaceStateController::tick()
{
    m_playback->tick();
    m_controls.chart->setEnabled(!m_playback->isRunning()); // the chart of a race run to its end
    if (!m_playback->isRunning())
        m_context.undoActionsChanged();
}

void RaceStateController::speedChanged(int position)
{
    m_clock->setInterval(raceTimerInterval(position));
    m_context.session.logAction(actions::RaceState, QStringLiteral("NewInterval"), raceSpeedText(position));
}

} // namespace brisko::gui
