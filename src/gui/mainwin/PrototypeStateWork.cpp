// The work of each design-process state after the common part of a refresh.
#include "mainwin/PrototypeRefresh.h"

#include "analysis/DynamicLabels.h"
#include "dialogs/AdvisoryDisplayOf.h"
#include "geometry/DesignViewPainter.h"
#include "geometry/DriveDirection.h"
#include "geometry/MassScanMarks.h"
#include "mainwin/DrawingArea.h"
#include "mainwin/FigureFields.h"
#include "mainwin/ForceBars.h"
#include "mainwin/TRPWin.h"
#include "output/BuildView.h"
#include "output/PreviewControls.h"
#include "render/SlabSweep.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLabel>

namespace brisko::gui {

namespace {

constexpr int kElementsPerRepaint = 251;

void setLabel(QWidget& root, const char* name, const QString& text)
{
    if (auto* label = root.findChild<QLabel*>(QString::fromLatin1(name)))
        label->setText(text);
}

void enableButton(QWidget& root, const char* name, bool enabled)
{
    if (auto* button = root.findChild<QAbstractButton*>(QString::fromLatin1(name)))
        button->setEnabled(enabled);
}

// Clears a flag when the scope ends, however it ends.
struct FlagScope {
    bool& flag;
    explicit FlagScope(bool& f, bool value = true)
        : flag(f)
    {
        flag = value;
    }
    ~FlagScope() { flag = false; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;
};

} // namespace

void PrototypeRefresh::setWork()
{
    Session& session = m_window.session();
    m_prototype.rebuildGeometryForDrawing();
    QPainter painter(&m_window.image()->canvas());
    paintSetPicture(painter, m_prototype.geometry(), session.design, session.materials,
                    m_prototype.mass().chamberRadiusUnits());
    painter.end();
    repaintSheet();
    showAdvisories(ProcessState::Set);
}

void PrototypeRefresh::buildWork(int startAt)
{
    if (startAt == 0)
        m_buildView->drawSlabs(0, kAllSlabs);
    showAdvisories(ProcessState::Build);
}

void PrototypeRefresh::previewWork()
{
    m_prototype.rebuildGeometryForDrawing();
    m_preview->drawPage(m_window.perState().previewTemplate);
}

// The template picture of the layer (the outer one when `arg` is set) drawn on the
// sheet at the view's scale, over the paper's place.
void PrototypeRefresh::printWork(int arg)
{
    Session& session = m_window.session();
    ViewLayout onSheet = m_prototype.layout();
    onSheet.PrinterScaleX = onSheet.ViewScale;
    onSheet.PrinterScaleY = onSheet.ViewScale;
    CarDesign& design = session.design;
    const CarGeometry geometry =
        buildCarGeometry(design, session.materials, onSheet, chamberGeometryOf(m_prototype.mass()));
    QPainter painter(&m_window.image()->canvas());
    painter.translate(onSheet.PaperLeft, 0);
    paintTemplatePicture(painter, geometry, arg != 0);
    painter.end();
    repaintSheet();
}

void PrototypeRefresh::propWork(int startAt)
{
    QPainter painter(&m_window.image()->canvas());
    analyse(startAt, &painter);
    painter.end();
    repaintSheet();
    showAnalysisFigures();
    showRestingNormalForces();
    showAdvisories(ProcessState::Prop);
}

void PrototypeRefresh::dynamicWork(int startAt)
{
    QPainter painter(&m_window.image()->canvas());
    analyse(startAt, &painter);
    painter.end();
    repaintSheet();
    showAnalysisFigures();
    runDisplayed();
    showAdvisories(ProcessState::Dynamic);
}

void PrototypeRefresh::stepDynamic()
{
    if (m_running)
        return;
    m_prototype.computeSpringFigures();
    m_prototype.computeRevolutionsAndStatics();
    runDisplayed();
}

void PrototypeRefresh::runDisplayed()
{
    const bool display = m_window.session().app.CurrentState == ProcessState::Dynamic;
    const int requested = m_window.perState().dynamicStep;
    if (display)
        hideNormalForceShapes(m_window.image());
    simulate({requested, display, [this](const DynamicFrame& frame) { drawFrame(frame); }});
    // An animation may have let the student leave the state; its panel is gone then.
    if (m_window.session().app.CurrentState == ProcessState::Dynamic)
        showDynamicButtons(m_prototype.dynamic(), requested);
}

// One frame of the run: the bars at the wheels and the panel's labels. An animation
// lets the window repaint and answer before the next frame is computed.
void PrototypeRefresh::drawFrame(const DynamicFrame& frame)
{
    if (m_window.session().app.CurrentState != ProcessState::Dynamic || !m_window.isVisible() || m_stopAnimation)
        return; // left, closed or stopped during an animation: the run finishes without drawing
    const DriveType drive = m_window.session().design.Drive;
    const WheelContacts at = wheelContactsNow();
    showPropulsionBars(m_window.image(), at, drive, frame);
    showNormalForceBars(m_window.image(), at, m_prototype.statics().BarScale, frame.NormalRight, frame.NormalLeft);
    const float revolutions = m_prototype.spring().Revolutions;
    setLabel(m_window, "DynamicDistanceLabel",
             dynamicDistanceLabel(frame.Distance, m_prototype.spring().ProjectedDistance));
    setLabel(m_window, "DynamicTimeLabel", dynamicTimeLabel(frame.Step));
    setLabel(m_window, "DynamicRevsLeftLabel", dynamicRevsLeftLabel(frame.RevsLeft, revolutions));
    setLabel(m_window, "DynamicRevsRightLabel", dynamicRevsRightLabel(drive, frame.RevsRight, revolutions));
    if (m_animating && !frame.Final)
        QCoreApplication::processEvents();
}

// Step and To end go on while frames remain; Rewind once the run is past its first
// frame. The run's end overrides both when it came at or before the requested frame.
void PrototypeRefresh::showDynamicButtons(const DynamicResult& result, int requestedFrame)
{
    const bool more = requestedFrame != kEveryFrame && !result.DisableStepAndToEnd;
    enableButton(m_window, "StepDynamicBtn", more);
    enableButton(m_window, "ToEndDynamicBtn", more);
    enableButton(m_window, "RewindDynamicBtn", requestedFrame > kFirstFrame || result.EnableRewind);
}

void PrototypeRefresh::showRevisedDistance(const DynamicResult& result)
{
    if (auto* label = m_window.findChild<QLabel*>(QStringLiteral("RevisedLabel"))) {
        label->setText(result.RevisedVisible ? result.RevisedLabel : QString());
        label->setVisible(result.RevisedVisible);
    }
}

// The Analyze state's green bars: the weight shared by the wheels at rest.
void PrototypeRefresh::showRestingNormalForces()
{
    const StaticResult& statics = m_prototype.statics();
    showNormalForceBars(m_window.image(), wheelContactsNow(), statics.BarScale, statics.NormalRightRest,
                        statics.NormalLeftRest);
}

WheelContacts PrototypeRefresh::wheelContactsNow() const
{
    return wheelContacts(m_prototype.layout(), m_prototype.mass().CaseOuterDia, m_window.session().design);
}

void PrototypeRefresh::raceWork(int startAt)
{
    analyse(startAt, nullptr);
    showAnalysisFigures();
    simulate({kNoFrame, false, {}});
    m_window.Race();
}

void PrototypeRefresh::analyse(int startAt, QPainter* painter)
{
    Session& session = m_window.session();
    // The part regions are rebuilt from this refresh's chamber figures before they
    // are drawn and weighed, so a changed spring never leaves a stale chamber behind.
    m_prototype.rebuildGeometryForDrawing();
    if (painter)
        paintSetPicture(*painter, m_prototype.geometry(), session.design, session.materials,
                        m_prototype.mass().chamberRadiusUnits());
    m_prototype.computeSpringFigures();
    ElementVisitor drawElement;
    int drawn = 0;
    if (painter && m_window.session().app.CurrentState == ProcessState::Prop) { // the grid shows in Analyze only
        const int size = elementSize(session.design);
        drawElement = [this, painter, size, &drawn](const QPoint& centre, ElementLayer layer) {
            paintElementEdges(*painter, elementViewSquare(m_prototype.layout(), centre, size), layer);
            if (++drawn % kElementsPerRepaint == 0)
                repaintSheet(); // the grid builds up on screen
        };
    }
    hideNormalForceBars(m_window.image()); // the mass step takes the old ones away
    m_prototype.runMassStep(startAt, drawElement);
    if (painter && startAt == 0)
        paintCentroidMark(*painter, m_prototype.layout(), m_prototype.mass());
    if (painter)
        paintDriveDirection(*painter, m_prototype.layout(), session.design.Drive);
    m_prototype.computeRevolutionsAndStatics();
}

void PrototypeRefresh::showAnalysisFigures()
{
    showMassFigures(m_window, massFieldTexts(m_prototype.mass()));
    showSpringFigures(m_window, m_prototype.spring(), m_window.session().design.Drive);
    showStaticFigures(m_window, m_prototype.statics());
    syncResultTexts();
}

void PrototypeRefresh::simulate(const DynamicRunOptions& options)
{
    if (m_running)
        return; // never re-entered from inside an animation
    // The skid belongs to one run: a new run, also the race's, starts without it.
    AdvisoryFlags& flags = m_window.session().advisories;
    flags.Skid = false;
    flags.ReservedDynamic = false;
    {
        FlagScope running(m_running);
        FlagScope animating(m_animating, options.RequestedFrame == kEveryFrame);
        m_stopAnimation = false;
        m_prototype.simulate(options);
    }
    const DynamicResult& result = m_prototype.dynamic();
    if (options.RequestedFrame == kEveryFrame || options.RequestedFrame == kNoFrame)
        enableButton(m_window, "RewindDynamicBtn", true);
    showDynamicFigures(m_window, result);
    showRevisedDistance(result);
    syncResultTexts();
    keepRun();
}

// The run counts for the race until the design changes again.
void PrototypeRefresh::keepRun()
{
    Session& session = m_window.session();
    const int position = session.app.CurrentDesign;
    if (position < 0 || position >= session.designs.count())
        return;
    session.designs.entry(position).Simulated = true;
    if (position < kKeptTraces)
        m_traces[position] = m_prototype.dynamic().Trace;
}

void PrototypeRefresh::showAdvisories(ProcessState state)
{
    const brisko::AdvisoryDisplay& checked = m_prototype.checkAdvisories(state);
    m_window.session().advisories = checked.Flags;
    if (auto* window = m_window.findChild<TADWin*>())
        window->showAdvisories(advisoryDisplayOf(checked));
}

void PrototypeRefresh::syncResultTexts()
{
    m_window.session().results = resultTextsShown(m_window);
}

void PrototypeRefresh::repaintSheet()
{
    m_window.image()->repaint();
}

} // namespace brisko::gui
