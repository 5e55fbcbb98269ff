// Laying the sheet out, running the session's refresh and drawing its first
// steps: the sheet background, the sizing figures, the design view, the build
// view, the preview page and the print picture.
#include "mainwin/PrototypeRefresh.h"

#include "render/BackgroundPainter.h"
#include "render/DesignViewPainter.h"
#include "mainwin/DrawingArea.h"
#include "mainwin/FigureFields.h"
#include "mainwin/ForceBars.h"
#include "mainwin/SetStatePanel.h"
#include "mainwin/RaceStateController.h"
#include "mainwin/WindowContext.h"
#include "output/BuildView.h"
#include "output/PreviewControls.h"
#include "session/Session.h"
#include "render/SlabSweep.h"

namespace brisko::gui {

namespace {
constexpr int kRoomBelowSheet = 50;

bool analyses(ProcessState state)
{
    return state == ProcessState::Prop || state == ProcessState::Dynamic || state == ProcessState::Race;
}
} // namespace

PrototypeRefresh::PrototypeRefresh(WindowContext& window)
    : m_window(window)
{
}

PrototypeRefresh::~PrototypeRefresh() = default;

bool PrototypeRefresh::isRunning() const
{
    return m_window.session.isRefreshing();
}

bool PrototypeRefresh::isBuildDrawing() const
{
    return m_views.build->isDrawing();
}

void PrototypeRefresh::buildDrawingResized()
{
    m_views.build->windowResized([this] { refreshCurrentState(); });
}

void PrototypeRefresh::afterBuildDrawing(std::function<void()> then)
{
    m_views.build->abandon(std::move(then));
}

void PrototypeRefresh::refreshCurrentState()
{
    m_window.refresh(m_window.session.app().CurrentState);
}

const VirtualPrototype& PrototypeRefresh::prototype() const
{
    return m_window.session.prototype();
}

void PrototypeRefresh::run(ProcessState state)
{
    recomputeLayout();
    m_window.perState.highlightedPart = -1; // the picture under any hover frame is gone
    const bool ran = m_window.session.refresh(state, *this, m_window.perState.dynamicStep);
    m_painter.reset();
    if (ran && state == ProcessState::Race)
        m_views.race->race(); // every lane's run is kept now: the race starts
}

void PrototypeRefresh::stepDynamic()
{
    m_window.session.stepRun(*this, m_window.perState.dynamicStep);
}

void PrototypeRefresh::recomputeLayout()
{
    DrawingArea* image = &m_window.sheet;
    image->fitCanvas();
    const QPoint corner = image->mapTo(&m_window.frame, QPoint(0, 0));
    const int availWidth = m_window.frame.width() - corner.x();
    const int availHeight =
        availHeightShowingGround(availWidth, m_window.frame.height() - corner.y() - kRoomBelowSheet, image->height());
    m_window.session.layOut(layoutView(availWidth, availHeight, m_pictureSize));
}

const CarGeometry& PrototypeRefresh::geometryForBuildView(float pictureSize)
{
    m_pictureSize = pictureSize;
    recomputeLayout();
    return m_window.session.rebuildGeometry();
}

void PrototypeRefresh::drawBackground(ProcessState state)
{
    DrawingArea* image = &m_window.sheet;
    image->fitCanvas();
    QPainter painter(&image->canvas());
    BackgroundScene scene;
    scene.State = state;
    scene.Layout = prototype().layout();
    scene.Area = image->canvas().size();
    scene.WindowWidth = m_window.frame.width();
    scene.Background = m_views.panelColour();
    paintBackground(painter, scene);
    painter.end();
    image->update();
}

// The sizing may have corrected three dimensions; the session put the new texts
// into the fields, which the part editor shows again.
void PrototypeRefresh::sized(const VirtualPrototype&, const std::vector<int>& corrected)
{
    showSheet();
    if (!corrected.empty() && m_views.setPanel)
        m_views.setPanel->showDesign();
}

void PrototypeRefresh::geometryBuilt(const VirtualPrototype& vp, ProcessState state)
{
    drawBackground(state);
    if (analyses(state))
        hideNormalForceBars(&m_window.sheet); // the mass step takes the old ones away
    if (state == ProcessState::Set || analyses(state))
        drawDesignView(vp, state);
    else
        m_views.controllerOf(state).drawSheet();
}

// The design view; in Analyze and Simulate the painter stays open for the marks of
// the mass scan.
void PrototypeRefresh::drawDesignView(const VirtualPrototype& vp, ProcessState state)
{
    Session& session = m_window.session;
    m_painter.emplace(&m_window.sheet.canvas());
    m_window.perState.weightMarkers =
        paintSetPicture(*m_painter, vp.geometry(), session.design(), session.materials(), vp.mass().chamberRadiusUnits());
    if (state == ProcessState::Set) {
        m_painter.reset();
        repaintSheet();
    }
}

void PrototypeRefresh::showSheet()
{
    showFigures(m_window.session.figures(), *m_views.fields);
}

void PrototypeRefresh::repaintSheet()
{
    m_window.sheet.repaint();
}

} // namespace brisko::gui
