// The window's drawing of the analysing steps of a refresh: the element grid, the
// centre of mass and the drive direction, the force bars, the run's frames and
// the Simulate panel's buttons, and the advisories.
#include "mainwin/PrototypeRefresh.h"

#include "analysis/ChamberSizing.h"
#include "analysis/DynamicLabels.h"
#include "dialogs/AdvisoryDisplayOf.h"
#include "render/DesignViewPainter.h"
#include "render/DriveDirection.h"
#include "render/MassScanMarks.h"
#include "mainwin/DrawingArea.h"
#include "mainwin/FigureFields.h"
#include "mainwin/ForceBars.h"
#include "dialogs/TADWin.h"
#include "mainwin/SimulateStateController.h"
#include "mainwin/WindowContext.h"
#include "session/Session.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

namespace brisko::gui {

namespace {

constexpr int kElementsPerRepaint = 251;

} // namespace

// The grid shows in Analyze only, building up on screen.
ElementVisitor PrototypeRefresh::elementVisitor(ProcessState state)
{
    if (!m_painter || state != ProcessState::Prop)
        return {};
    const int size = elementSize(m_window.session.design());
    return [this, size, drawn = 0](const QPoint& centre, ElementLayer layer) mutable {
        paintElementEdges(*m_painter, elementViewSquare(prototype().layout(), centre, size), layer);
        if (++drawn % kElementsPerRepaint == 0)
            repaintSheet();
    };
}

void PrototypeRefresh::massScanned(const VirtualPrototype& vp, ProcessState)
{
    if (!m_painter)
        return;
    paintCentroidMark(*m_painter, vp.layout(), vp.mass());
    paintDriveDirection(*m_painter, vp.layout(), m_window.session.design().Drive);
    m_painter.reset();
    repaintSheet();
}

void PrototypeRefresh::analysed(const VirtualPrototype&, ProcessState state)
{
    showSheet();
    if (state == ProcessState::Prop)
        showRestingNormalForces();
}

bool PrototypeRefresh::drawsFrames() const
{
    return m_window.session.app().CurrentState == ProcessState::Dynamic;
}

void PrototypeRefresh::runStarting(const VirtualPrototype&, int requestedFrame)
{
    m_animating = requestedFrame == kEveryFrame;
    m_stopAnimation = false;
    if (drawsFrames())
        hideNormalForceShapes(&m_window.sheet);
}

// One frame of the run: the bars at the wheels and the panel's labels. An animation
// lets the window repaint and answer before the next frame is computed.
void PrototypeRefresh::frameSimulated(const VirtualPrototype& vp, const DynamicFrame& frame)
{
    if (m_window.session.app().CurrentState != ProcessState::Dynamic || !m_window.frame.isVisible() || m_stopAnimation)
        return; // left, closed or stopped during an animation: the run finishes without drawing
    const DriveType drive = m_window.session.design().Drive;
    const WheelContacts at = wheelContactsNow();
    showPropulsionBars(&m_window.sheet, at, drive, frame);
    showNormalForceBars(&m_window.sheet, at, vp.statics().BarScale, frame.NormalRight, frame.NormalLeft);
    const float revolutions = vp.spring().Revolutions;
    const RunControls& run = m_views.simulate->run();
    run.distance->setText(dynamicDistanceLabel(frame.Distance, vp.spring().ProjectedDistance));
    run.time->setText(dynamicTimeLabel(frame.Step));
    run.revsLeft->setText(dynamicRevsLeftLabel(frame.RevsLeft, revolutions));
    run.revsRight->setText(dynamicRevsRightLabel(drive, frame.RevsRight, revolutions));
    if (m_animating && !frame.Final)
        QCoreApplication::processEvents();
}

void PrototypeRefresh::simulated(const VirtualPrototype& vp, int requestedFrame)
{
    m_animating = false;
    showSheet();
    m_views.simulate->showRevisedDistance(vp.dynamic());
    // An animation may have let the student leave the state; its panel is gone then.
    if (m_window.session.app().CurrentState == ProcessState::Dynamic)
        showDynamicButtons(vp.dynamic(), requestedFrame);
    else if (requestedFrame == kNoFrame)
        m_views.simulate->run().rewind->setEnabled(true); // the race's run is over: Simulate rewinds it
}

// Step and To end go on while frames remain; Rewind once the run is past its first
// frame. The run's end overrides both when it came at or before the requested frame.
void PrototypeRefresh::showDynamicButtons(const DynamicResult& result, int requestedFrame)
{
    const bool more = requestedFrame != kEveryFrame && !result.DisableStepAndToEnd;
    const RunControls& run = m_views.simulate->run();
    run.step->setEnabled(more);
    run.toEnd->setEnabled(more);
    run.rewind->setEnabled(requestedFrame > kFirstFrame || result.EnableRewind);
}

// The Analyze state's green bars: the weight shared by the wheels at rest.
void PrototypeRefresh::showRestingNormalForces()
{
    const StaticResult& statics = prototype().statics();
    showNormalForceBars(&m_window.sheet, wheelContactsNow(), statics.BarScale, statics.NormalRightRest,
                        statics.NormalLeftRest);
}

WheelContacts PrototypeRefresh::wheelContactsNow() const
{
    return wheelContacts(prototype().layout(), prototype().mass().CaseOuterDia, m_window.session.design());
}

void PrototypeRefresh::advised(const VirtualPrototype& vp)
{
    if (m_views.advisories)
        m_views.advisories->showAdvisories(advisoryDisplayOf(vp.advisories()));
}

} // namespace brisko::gui
