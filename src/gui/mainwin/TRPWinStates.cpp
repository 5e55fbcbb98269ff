// The design-process state machine: leaving one state's controller and entering
// the next, and the refresh that recomputes what a state shows.
#include "mainwin/TRPWin.h"

#include "dialogs/TADWin.h"
#include "mainwin/AnalyzeStateController.h"
#include "mainwin/BuildStateController.h"
#include "mainwin/DriveBox.h"
#include "mainwin/PanelColours.h"
#include "mainwin/PreviewStateController.h"
#include "mainwin/PrintStateController.h"
#include "mainwin/PrototypeRefresh.h"
#include "mainwin/RaceStateController.h"
#include "mainwin/SetStateController.h"
#include "mainwin/SimulateStateController.h"

#include <QAction>

namespace brisko::gui {

StateController& TRPWin::controller(ProcessState state) const
{
    switch (state) {
    case ProcessState::Set: return *m_setState;
    case ProcessState::Build: return *m_buildState;
    case ProcessState::Prop: return *m_analyzeState;
    case ProcessState::Dynamic: return *m_simulateState;
    case ProcessState::Race: return *m_raceState;
    case ProcessState::Preview: return *m_previewState;
    case ProcessState::Print: break;
    }
    return *m_printState;
}

void TRPWin::SetProcessState(ProcessState from, ProcessState to)
{
    if (from == to)
        return;
    m_perState = PerStateValues{};
    controller(from).leave();
    enterState(to);
}

// The tool bar is in the panel colour where its tools work (Set), silver elsewhere.
void TRPWin::enterState(ProcessState to)
{
    paintToolAndDriveBox(to == ProcessState::Set ? m_panelColour : kSilver);
    m_session.enterState(to);
    pressStateButton(to);
    controller(to).enter();
}

void TRPWin::setAdvisories(TADWin* advisories)
{
    m_refresh->views().advisories = advisories;
    m_raceState->setAdvisoriesAside = [advisories](bool aside) { advisories->setAside(aside); };
}

void TRPWin::paintToolAndDriveBox(const QColor& colour)
{
    paintPanel(m_tools.panel, colour);
    paintPanel(m_driveBox, colour);
}

void TRPWin::paintAllPanels(const QColor& colour)
{
    for (ProcessState state : {ProcessState::Set, ProcessState::Build, ProcessState::Prop, ProcessState::Dynamic,
                               ProcessState::Race, ProcessState::Preview, ProcessState::Print})
        for (QWidget* panel : controller(state).panels())
            paintPanel(panel, colour);
    paintPanel(m_panelArea, colour);
    paintToolAndDriveBox(colour);
}

void TRPWin::pressStateButton(ProcessState state)
{
    if (QAction* action = m_processBar.action(state))
        action->setChecked(true);
}

void TRPWin::RefreshState(ProcessState state)
{
    if (m_session.isRefreshing())
        return; // a refresh already running (it lets events through) is not started again
    if (state == m_session.app().CurrentState)
        m_shownStale = false;
    m_refresh->run(state);
}

} // namespace brisko::gui
