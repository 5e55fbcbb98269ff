#include "output/BuildView.h"
#include "session/ActionCodes.h"

#include "mainwin/DrawingArea.h"
#include "mainwin/PrototypeRefresh.h"
#include "mainwin/TRPWin.h"
#include "render/SlabSweep.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QLabel>
#include <QPainter>
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

BuildView::BuildView(TRPWin& window, PrototypeRefresh& refresh, std::function<void(bool)> lockWindow)
    : QObject(&window)
    , m_window(window)
    , m_refresh(refresh)
    , m_lockWindow(std::move(lockWindow))
{
    setObjectName(QStringLiteral("BuildView"));
    const auto wire = [this](const char* name, void (BuildView::*handler)()) {
        if (auto* button = m_window.findChild<QAbstractButton*>(QString::fromLatin1(name)))
            connect(button, &QAbstractButton::clicked, this, handler);
    };
    wire("Rewind3DBtn", &BuildView::Rewind3DBtnClick);
    wire("StepForward3DBtn", &BuildView::StepForward3DBtnClick);
    wire("ToEnd3DBtn", &BuildView::ToEnd3DBtnClick);
    wire("DrawCancelBtn", &BuildView::DrawCancelBtnClick);
    if (auto* slider = m_window.findChild<QSlider*>(QStringLiteral("Slider3D")))
        connect(slider, &QSlider::valueChanged, this, &BuildView::Slider3DChange);
}

void BuildView::drawSlabs(int first, int last)
{
    if (m_drawing)
        return; // one drawing at a time
    m_drawing = true;
    m_running = true;
    m_abandoned = false;
    m_drawnForSize = {};
    begin(m_refresh.prototype().mass().CoredLayers + kSlabsBesideCoredLayers);
    // Laid out after "Stop" has taken its place, for the sheet as it is now.
    m_drawnForSize = m_window.size();
    const CarGeometry& geometry = m_refresh.geometryForBuildView(pictureSize());
    m_scene = buildSceneOf(geometry, m_window.session().design(), m_window.session().materials(),
                           m_refresh.prototype().mass().CoredLayers, m_window.image()->canvas().width());
    bool complete = false;
    if (last >= kAllSlabs)
        QCoreApplication::processEvents();
    if (!m_abandoned)
        sweep(first, last, complete);
    finish(last, complete);
    m_drawing = false;
    if (auto then = std::exchange(m_afterDrawing, {}))
        QTimer::singleShot(0, &m_window, then);
}

void BuildView::begin(int slabs)
{
    qApp->installEventFilter(this); // no hints while the car builds
    m_lockWindow(true);
    setPlayControlsEnabled(false);
    // The sketching tools (disabled outside the Design state) give "Stop" their room
    // in the tool bar, which has none to spare.
    if (auto* tools = m_window.findChild<QWidget*>(QStringLiteral("SetStateToolPanel"))) {
        m_toolsWereVisible = tools->isVisibleTo(&m_window);
        tools->hide();
    }
    if (auto* stop = m_window.findChild<QAbstractButton*>(QStringLiteral("DrawCancelBtn"))) {
        stop->setText(QStringLiteral("Stop"));
        stop->setEnabled(true);
        stop->show();
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (auto* label = m_window.findChild<QLabel*>(QStringLiteral("Progress3DLabel")))
        label->setText(slabCountText(slabs));
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
            QPainter painter(&m_window.image()->canvas());
            painted = sweep.step(painter);
        }
        if (!painted.isEmpty()) {
            unshown |= painted;
            const double due = pace.dueAfter(position++);
            if (sweep.slabEnded() || clock.elapsed() < due)
                m_window.image()->repaint(std::exchange(unshown, {}));
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
    if (auto* label = m_window.findChild<QLabel*>(QStringLiteral("Progress3DLabel")))
        label->setText(slabProgressText(slab, m_scene.slabCount()));
    if (first > 0 && slab >= first) // stepping; a drawing from the start leaves the counter at 0
        m_window.perState().buildLayer = slab;
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
    if (auto* stop = m_window.findChild<QAbstractButton*>(QStringLiteral("DrawCancelBtn"))) {
        stop->hide();
        stop->setText(QStringLiteral("Cancel"));
    }
    if (auto* tools = m_window.findChild<QWidget*>(QStringLiteral("SetStateToolPanel")))
        tools->setVisible(m_toolsWereVisible);
    m_lockWindow(false);
    qApp->removeEventFilter(this);
    QApplication::restoreOverrideCursor();
    if (m_window.session().app().CurrentState == ProcessState::Build) {
        if (auto* panel = m_window.findChild<QWidget*>(QStringLiteral("BuildStatePanel")))
            panel->show();
    }
    enable("Slider3D", true);
    enable("Rewind3DBtn", true);
    const bool more = last < kAllSlabs && !complete;
    enable("StepForward3DBtn", more);
    enable("ToEnd3DBtn", more);
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
    if (m_drawing && m_drawnForSize.isValid() && m_window.size() != m_drawnForSize)
        abandon(std::move(then));
}

bool BuildView::canStart() const
{
    return !m_drawing && m_window.session().app().CurrentState == ProcessState::Build;
}

void BuildView::Rewind3DBtnClick()
{
    if (!canStart() || !logBuild(QStringLiteral("Rewind3D")))
        return;
    clearSheet();
    m_window.perState().buildLayer = 0;
    drawSlabs(0, 1);
    if (m_window.session().app().CurrentState != ProcessState::Build)
        return;
    enable("ToEnd3DBtn", true);
    enable("StepForward3DBtn", true);
}

void BuildView::StepForward3DBtnClick()
{
    if (!canStart() || !logBuild(QStringLiteral("Step3D")))
        return;
    const int next = ++m_window.perState().buildLayer;
    drawSlabs(next, next);
}

void BuildView::ToEnd3DBtnClick()
{
    if (!canStart())
        return;
    enable("StepForward3DBtn", false);
    if (!logBuild(QStringLiteral("Conclude3D")))
        return;
    clearSheet();
    m_window.perState().buildLayer = 0;
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
    enable("StepForward3DBtn", false);
    enable("ToEnd3DBtn", false);
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
    return m_window.session().logAction(actions::BuildState, value, second);
}

void BuildView::setPlayControlsEnabled(bool enabled)
{
    for (const char* name : {"Rewind3DBtn", "StepForward3DBtn", "ToEnd3DBtn", "Slider3D"})
        enable(name, enabled);
}

void BuildView::enable(const char* name, bool enabled)
{
    if (auto* widget = m_window.findChild<QWidget*>(QString::fromLatin1(name)))
        widget->setEnabled(enabled);
}

void BuildView::clearSheet()
{
    m_refresh.drawBackground(ProcessState::Build);
    m_window.image()->repaint();
}

} // namespace brisko::gui
