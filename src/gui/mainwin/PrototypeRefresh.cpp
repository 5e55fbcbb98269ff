// Laying the sheet out, running the session's refresh and drawing its first
// steps: the sheet background, the sizing figures, the design view, the build
// view, the preview page and the print picture.
#include "mainwin/PrototypeRefresh.h"

#include "render/BackgroundPainter.h"
#include "render/DesignViewPainter.h"
#include "mainwin/DrawingArea.h"
#include "mainwin/DynamicControls.h"
#include "mainwin/FigureFields.h"
#include "mainwin/ForceBars.h"
#include "mainwin/SetStatePanel.h"
#include "mainwin/TRPWin.h"
#include "output/BuildView.h"
#include "mainwin/WindowLock.h"
#include "output/PreviewControls.h"
#include "render/SlabSweep.h"

namespace brisko::gui {

namespace {
constexpr int kRoomBelowSheet = 50;

bool analyses(ProcessState state)
{
    return state == ProcessState::Prop || state == ProcessState::Dynamic || state == ProcessState::Race;
}
} // namespace

PrototypeRefresh::PrototypeRefresh(TRPWin& window)
    : m_window(window)
    , m_controls(new DynamicControls(window, *this))
    , m_preview(new PreviewControls(window, *this))
    , m_lock(std::make_unique<WindowLock>(window, window.session()))
{
    m_lock->changed = [&window] { window.updateUndoActions(); };
    m_buildView = new BuildView(window, *this, [this](bool locked) {
        if (locked)
            m_lock->lock();
        else
            m_lock->unlock();
    });
}

PrototypeRefresh::~PrototypeRefresh() = default;

bool PrototypeRefresh::isBuildDrawing() const
{
    return m_buildView->isDrawing();
}

void PrototypeRefresh::stopBuildDrawing()
{
    if (m_buildView->isDrawing())
        m_buildView->abandon([this] { refreshCurrentState(); });
}

void PrototypeRefresh::buildDrawingResized()
{
    m_buildView->windowResized([this] { refreshCurrentState(); });
}

void PrototypeRefresh::afterBuildDrawing(std::function<void()> then)
{
    m_buildView->abandon(std::move(then));
}

void PrototypeRefresh::refreshCurrentState()
{
    m_window.RefreshState(m_window.session().app().CurrentState);
}

const VirtualPrototype& PrototypeRefresh::prototype() const
{
    return m_window.session().prototype();
}

void PrototypeRefresh::run(ProcessState state, int arg)
{
    recomputeLayout();
    m_window.perState().highlightedPart = -1; // the picture under any hover frame is gone
    m_arg = arg;
    const bool ran = m_window.session().refresh(state, *this, m_window.perState().dynamicStep);
    m_painter.reset();
    if (ran && state == ProcessState::Race)
        m_window.Race(); // every lane's run is kept now: the race starts
}

void PrototypeRefresh::stepDynamic()
{
    m_window.session().stepRun(*this, m_window.perState().dynamicStep);
}

void PrototypeRefresh::recomputeLayout()
{
    DrawingArea* image = m_window.image();
    image->fitCanvas();
    const QPoint corner = image->mapTo(&m_window, QPoint(0, 0));
    const int availWidth = m_window.width() - corner.x();
    const int availHeight =
        availHeightShowingGround(availWidth, m_window.height() - corner.y() - kRoomBelowSheet, image->height());
    m_window.session().layOut(layoutView(availWidth, availHeight, m_pictureSize));
}

const CarGeometry& PrototypeRefresh::geometryForBuildView(float pictureSize)
{
    m_pictureSize = pictureSize;
    recomputeLayout();
    return m_window.session().rebuildGeometry();
}

void PrototypeRefresh::drawBackground(ProcessState state)
{
    DrawingArea* image = m_window.image();
    image->fitCanvas();
    QPainter painter(&image->canvas());
    BackgroundScene scene;
    scene.State = state;
    scene.Layout = prototype().layout();
    scene.Area = image->canvas().size();
    scene.WindowWidth = m_window.width();
    scene.Background = m_window.panelColour();
    paintBackground(painter, scene);
    painter.end();
    image->update();
}

// The sizing may have corrected three dimensions; the session put the new texts
// into the fields, which the part editor shows again.
void PrototypeRefresh::sized(const VirtualPrototype&, const std::vector<int>& corrected)
{
    showSheet();
    if (!corrected.empty() && m_window.setPanel())
        m_window.setPanel()->showDesign();
}

void PrototypeRefresh::geometryBuilt(const VirtualPrototype& vp, ProcessState state)
{
    drawBackground(state);
    if (analyses(state))
        hideNormalForceBars(m_window.image()); // the mass step takes the old ones away
    switch (state) {
    case ProcessState::Set:
    case ProcessState::Prop:
    case ProcessState::Dynamic: drawDesignView(vp, state); break;
    case ProcessState::Build: m_buildView->drawSlabs(0, kAllSlabs); break;
    case ProcessState::Preview: m_preview->drawPage(m_window.perState().previewTemplate); break;
    case ProcessState::Print: printWork(); break;
    case ProcessState::Race: break;
    }
}

// The design view; in Analyze and Simulate the painter stays open for the marks of
// the mass scan.
void PrototypeRefresh::drawDesignView(const VirtualPrototype& vp, ProcessState state)
{
    Session& session = m_window.session();
    m_painter.emplace(&m_window.image()->canvas());
    session.keepWeightBoxes(
        paintSetPicture(*m_painter, vp.geometry(), session.design(), session.materials(), vp.mass().chamberRadiusUnits()));
    if (state == ProcessState::Set) {
        m_painter.reset();
        repaintSheet();
    }
}

void PrototypeRefresh::showSheet()
{
    showFigures(m_window.session().figures(), m_window.figureFields());
}

void PrototypeRefresh::repaintSheet()
{
    m_window.image()->repaint();
}

} // namespace brisko::gui
