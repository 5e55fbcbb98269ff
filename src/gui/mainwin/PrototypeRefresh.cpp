// The common first part of every refresh: layout, geometry, the sheet background
// and the chamber and layer sizing with its figures.
#include "mainwin/PrototypeRefresh.h"

#include "geometry/BackgroundPainter.h"
#include "mainwin/DrawingArea.h"
#include "mainwin/DynamicControls.h"
#include "mainwin/FigureFields.h"
#include "mainwin/SetStatePanel.h"
#include "mainwin/TRPWin.h"
#include "output/BuildView.h"
#include "mainwin/WindowLock.h"
#include "output/PreviewControls.h"

namespace brisko::gui {

namespace {
constexpr int kRoomBelowSheet = 50;
constexpr int kCorrectedCodes[] = {14, 18, 19}; // spring width, drive and other wheel diameters
} // namespace

PrototypeRefresh::PrototypeRefresh(TRPWin& window)
    : m_window(window)
    , m_prototype(window.session().design, window.session().materials)
{
}

PrototypeRefresh::~PrototypeRefresh() = default;

void PrototypeRefresh::install(MainWindowSeams& seams)
{
    seams.recomputeLayout = [this] { recomputeLayout(); };
    seams.drawSheetBackground = [this] { drawBackground(m_window.session().app.CurrentState); };
    seams.prepareRefresh = [this](int, int, ProcessState state) { prepare(state); };
    seams.stateWork[ProcessState::Set] = [this](int, int) { setWork(); };
    seams.stateWork[ProcessState::Build] = [this](int startAt, int) { buildWork(startAt); };
    seams.stateWork[ProcessState::Prop] = [this](int startAt, int) { propWork(startAt); };
    seams.stateWork[ProcessState::Dynamic] = [this](int startAt, int) { dynamicWork(startAt); };
    seams.stateWork[ProcessState::Race] = [this](int startAt, int) { raceWork(startAt); };
    seams.stateWork[ProcessState::Preview] = [this](int, int) { previewWork(); };
    seams.stateWork[ProcessState::Print] = [this](int, int arg) { printWork(arg); };
    if (!m_controls)
        m_controls = new DynamicControls(m_window, *this);
    if (!m_preview)
        m_preview = new PreviewControls(m_window, *this);
    installBuildView(seams);
}

// The build drawing locks the window while it runs; a resize, leaving the state or
// closing the window ends it, and what they asked for follows once it has unwound.
void PrototypeRefresh::installBuildView(MainWindowSeams& seams)
{
    if (!m_buildView) {
        m_lock = std::make_unique<WindowLock>(m_window);
        m_buildView = new BuildView(m_window, *this, [this](bool locked) {
            if (locked)
                m_lock->lock();
            else
                m_lock->unlock();
        });
    }
    const auto refreshAfter = [this] { m_window.RefreshState(0, 0, m_window.session().app.CurrentState); };
    seams.stopBuildDrawing = [this, refreshAfter] {
        if (m_buildView->isDrawing())
            m_buildView->abandon(refreshAfter);
    };
    seams.buildDrawingResized = [this, refreshAfter] { m_buildView->windowResized(refreshAfter); };
    seams.isBuildDrawing = [this] { return m_buildView->isDrawing(); };
    seams.afterBuildDrawing = [this](std::function<void()> then) { m_buildView->abandon(std::move(then)); };
}

void PrototypeRefresh::recomputeLayout()
{
    DrawingArea* image = m_window.image();
    image->fitCanvas();
    const QPoint corner = image->mapTo(&m_window, QPoint(0, 0));
    const int availWidth = m_window.width() - corner.x();
    const int availHeight = m_window.height() - corner.y() - kRoomBelowSheet;
    m_prototype.setLayout(layoutView(availWidth, availHeight, m_pictureSize));
}

const CarGeometry& PrototypeRefresh::geometryForBuildView(float pictureSize)
{
    m_pictureSize = pictureSize;
    recomputeLayout();
    m_prototype.rebuildGeometryForDrawing();
    return m_prototype.geometry();
}

void PrototypeRefresh::drawBackground(ProcessState state)
{
    DrawingArea* image = m_window.image();
    image->fitCanvas();
    QPainter painter(&image->canvas());
    BackgroundScene scene;
    scene.State = state;
    scene.Layout = m_prototype.layout();
    scene.Area = image->canvas().size();
    scene.WindowWidth = m_window.width();
    scene.Background = m_window.panelColour();
    paintBackground(painter, scene);
    painter.end();
    image->update();
}

void PrototypeRefresh::prepare(ProcessState state)
{
    recomputeLayout();
    m_prototype.rebuildGeometry();
    drawBackground(state);
    m_window.perState().highlightedPart = -1; // the picture under any hover frame is gone
    const CarDesign before = m_window.session().design;
    m_prototype.sizeChamber();
    showSizing();
    showCorrectedDesignTexts(before);
}

void PrototypeRefresh::showSizing()
{
    showChamberFigures(m_window, chamberFieldTexts(m_prototype.mass(), m_window.session().design));
}

// The sizing may have corrected three dimensions; their fields show the new texts.
// Fields the student is still editing keep what was typed.
void PrototypeRefresh::showCorrectedDesignTexts(const CarDesign& before)
{
    Session& session = m_window.session();
    bool corrected = false;
    for (int code : kCorrectedCodes) {
        const QString& now = *dimensionByCode(session.design, code);
        if (now == *dimensionByCode(before, code))
            continue;
        session.fields.dimension(code) = now;
        corrected = true;
    }
    if (corrected && m_window.setPanel())
        m_window.setPanel()->showDesign();
}

} // namespace brisko::gui
