#include "output/BuildView.h"
#include "session/ActionCodes.h"

#include "mainwin/DrawingArea.h"
#include "mainwin/DriveBox.h"
#include "mainwin/PrototypeRefresh.h"
#include "mainwin/StatePanels.h"
#include "mainwin/ToolPanel.h"
#include "session/Session.h"
#include "render/SlabSweep.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QLabel>
#include <QPainter>
#include <QScopedValueRollback>
#include <QSlider>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <utility>

namespace brisko::gui {

namespace {

constexpr float kSizeTolerance = 0.001f;

} // namespace

BuildView::BuildView(WindowContext& context, PrototypeRefresh& refresh, const Play3DControls& play,
                     const DesignTools& tools, QWidget* figuresPanel, std::function<void(bool)> lockWindow)
    : QObject(&context.frame)
    , m_context(context)
    , m_refresh(refresh)
    , m_play(play)
    , m_tools(tools)
    , m_figuresPanel(figuresPanel)
    , m_lockWindow(std::move(lockWindow))
{
    setObjectName(QStringLiteral("BuildView"));
    connect(m_play.rewind, &QAbstractButton::clicked, this, &BuildView::Rewind3DBtnClick);
    connect(m_play.step, &QAbstractButton::clicked, this, &BuildView::StepForward3DBtnClick);
    connect(m_play.toEnd, &QAbstractButton::clicked, this, &BuildView::ToEnd3DBtnClick);
    connect(m_tools.cancel, &QAbstractButton::clicked, this, &BuildView::DrawCancelBtnClick);
    connect(m_play.pictureSize, &QSlider::valueChanged, this, &BuildView::Slider3DChange);
}

void BuildView::drawSlabs(int first, int last)
{
    if (m_drawing)
        return; // one drawing at a time
    {
        const QScopedValueRollback drawing(m_drawing, true);
        m_running = true;
        m_abandoned = false;
        m_drawnForSize = {};
        begin(m_refresh.prototype().mass().CoredLayers + kSlabsBesideCoredLayers);
        // Laid out after "Stop" has taken its place, for the sheet as it is now.
        m_drawnForSize = m_context.frame.size();
        const CarGeometry& geometry = m_refresh.geometryForBuildView(pictureSize());
        m_scene = buildSceneOf(geometry, m_context.session.design(), m_context.session.materials(),
                               m_refresh.prototype().mass().CoredLayers, m_context.sheet.canvas().width());
        bool complete = false;
        if (last >= kAllSlabs)
            QCoreApplication::processEvents();
        if (!m_abandoned)
            sweep(first, last, complete);
        finish(last, complete);
    }
    if (auto then = std::exchange(m_afterDrawing, {}))
        QTimer::singleShot(0, &m_context.frame, then);
}

void BuildView::begin(int slabs)
{
    qApp->installEventFilter(this); // no hints while the car builds
    m_lockWindow(true);
    setPlayControlsEnabled(false);
    // The drive box (locked while the car builds) gives "Stop" its room in the tool
    // bar, which has none to spare, as it gives Cancel its room during a drawing: the
    // sketching tools stay where they are.
    m_driveBoxWasVisible = m_tools.drive->isVisibleTo(&m_context.frame);
    m_tools.drive->hide();
    m_tools.cancel->setText(QStringLiteral("Stop"));
    m_tools.cancel->setEnabled(true);
    m_tools.cancel->show();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_play.progress->setText(slabCountText(slabs));
}

// The drawing keeps to its pace: each painted position is shown and events are let
// through until the next one is due, so that "Stop" can be pressed. Behind its
// pace (a slow machine) it shows what it painted only when a slab ends or time
// allows, and never waits.
void BuildView::sweep(int first, int last, bool& complete)
{
    SlabSweep sweep(m_scene, first, last);
    const BuildPace pace(m_scene, buildMilliseconds());
    QElapsedTimer clock;
    clock.start();
    int position = 0;
    QRect unshown;
    while (!sweep.done() && !m_abandoned) {
        QRect painted;
        {
            QPainter painter(&m_context.sheet.canvas());
            painted = sweep.step(painter);
        }
        if (!painted.isEmpty()) {
            unshown |= painted;
            const double due = pace.dueAfter(position++);
            if (sweep.slabEnded() || clock.elapsed() < due)
                m_context.sheet.repaint(std::exchange(unshown, {}));
            pauseUntil(clock, due);
        }
        if (sweep.slabEnded() && !m_abandoned && !slabEnded(sweep.slab(), first, complete))
            break;
    }
}

// The progress and the step counter follow the slab just ended; false when "Stop"
// was pressed.
bool BuildView::slabEnded(int slab, int first, bool& complete)
{
    m_play.progress->setText(slabProgressText(slab, m_scene.slabCount()));
    if (first > 0 && slab >= first) // stepping; a drawing from the start leaves the counter at 0
        m_context.perState.buildLayer = slab;
    complete = slab == m_scene.slabCount();
    QCoreApplication::processEvents();
    return m_running;
}

// Lets events through at least once, and until `due` ms on `clock` have passed
// unless the drawing is abandoned meanwhile.
void BuildView::pauseUntil(const QElapsedTimer& clock, double due)
{
    QCoreApplication::processEvents();
    const qint64 wait = static_cast<qint64>(std::ceil(due)) - clock.elapsed();
    if (wait <= 0 || m_abandoned)
        return;
    QEventLoop pause;
    m_pause = &pause;
    QTimer::singleShot(std::chrono::milliseconds(wait), Qt::PreciseTimer, &pause, &QEventLoop::quit);
    pause.exec();
    m_pause = nullptr;
}

int BuildView::buildMilliseconds() const
{
    return wholeBuildMilliseconds(pictureSize(), m_startingSizeMilliseconds);
}

void BuildView::setStartingSizeBuildMilliseconds(int milliseconds)
{
    m_startingSizeMilliseconds = std::max(0, milliseconds);
}

void BuildView::finish(int last, bool complete)
{
    m_running = false;
    m_tools.cancel->hide();
    m_tools.cancel->setText(QStringLiteral("Cancel"));
    m_tools.drive->setVisible(m_driveBoxWasVisible);
    m_lockWindow(false);
    qApp->removeEventFilter(this);
    QApplication::restoreOverrideCursor();
    if (m_context.session.app().CurrentState == ProcessState::Build)
        m_figuresPanel->show();
    m_play.pictureSize->setEnabled(true);
    m_play.rewind->setEnabled(true);
    setStepsEnabled(last < kAllSlabs && !complete);
}

void BuildView::abandon(std::function<void()> then)
{
    if (!m_drawing) {
        if (then)
            then();
        return;
    }
    m_abandoned = true;
    m_running = false;
    if (m_pause)
        m_pause->quit();
    // Whatever ends the drawing sets the controls from here on (a state being
    // entered enables its own), so the lock comes off now.
    m_lockWindow(false);
    if (then)
        m_afterDrawing = std::move(then);
}

void BuildView::windowResized(std::function<void()> then)
{
    if (m_drawing && m_drawnForSize.isValid() && m_context.frame.size() != m_drawnForSize)
        abandon(std::move(then));
}

bool BuildView::canStart() const
{
    return !m_drawing && m_context.session.app().CurrentState == ProcessState::Build;
}

void BuildView::Rewind3DBtnClick()
{
    if (!canStart() || !logBuild(QStringLiteral("Rewind3D")))
        return;
    clearSheet();
    m_context.perState.buildLayer = 0;
    drawSlabs(0, 1);
    if (m_context.session.app().CurrentState != ProcessState::Build)
        return;
    setStepsEnabled(true);
}

void BuildView::StepForward3DBtnClick()
{
    if (!canStart() || !logBuild(QStringLiteral("Step3D")))
        return;
    const int next = ++m_context.perState.buildLayer;
    drawSlabs(next, next);
}

void BuildView::ToEnd3DBtnClick()
{
    if (!canStart())
        return;
    m_play.step->setEnabled(false);
    if (!logBuild(QStringLiteral("Conclude3D")))
        return;
    clearSheet();
    m_context.perState.buildLayer = 0;
    drawSlabs(0, kAllSlabs);
}

// The new size is kept for the next drawing; the picture on the sheet stays.
void BuildView::Slider3DChange(int position)
{
    if (m_drawing || position < 0 || position >= kPictureSizePositions)
        return;
    if (std::abs(pictureSizeAt(position) - pictureSize()) <= kSizeTolerance)
        return;
    m_sizePosition = position;
    setStepsEnabled(false);
    logBuild(QStringLiteral("New3DPictureSize"), QString::number(position));
}

void BuildView::DrawCancelBtnClick()
{
    if (m_drawing)
        m_running = false; // the slab under way is finished
}

bool BuildView::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ToolTip)
        return true;
    return QObject::eventFilter(watched, event);
}

bool BuildView::logBuild(const QString& value, const QString& position)
{
    const OptText second = position.isEmpty() ? OptText{} : OptText{position};
    return m_context.session.logAction(actions::BuildState, value, second);
}

void BuildView::setPlayControlsEnabled(bool enabled)
{
    for (QWidget* control : std::initializer_list<QWidget*>{m_play.rewind, m_play.step, m_play.toEnd, m_play.pictureSize})
        control->setEnabled(enabled);
}

void BuildView::setStepsEnabled(bool enabled)
{
    m_play.step->setEnabled(enabled);
    m_play.toEnd->setEnabled(enabled);
}

void BuildView::clearSheet()
{
    m_refresh.drawBackground(ProcessState::Build);
    m_context.sheet.repaint();
}

} // namespace brisko::gui
