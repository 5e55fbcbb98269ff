// The seven state buttons: switch the state, recompute it and log the entry.
// A record that cannot be written ends the handler there.
#include "mainwin/TRPWin.h"

#include "session/ProcessFlow.h"
#include "session/ActionCodes.h"

#include "output/TPPWin.h"

#include "mainwin/AnalyzeStateController.h"
#include "mainwin/BuildStateController.h"
#include "mainwin/ElementSizeControl.h"
#include "mainwin/PreviewStateController.h"
#include "mainwin/RaceStateController.h"
#include "output/BuildView.h"
#include "output/PreviewControls.h"

#include "mainwin/SetStatePanel.h"

#include "mainwin/BusyCursor.h"
#include "mainwin/RacePlayback.h"
#include "render/Race.h"

#include <QWidget>

namespace brisko::gui {

void TRPWin::VPSetBtnClick()
{
    SetProcessState(m_session.app().CurrentState, ProcessState::Set);
    RefreshState(ProcessState::Set);
    if (!recordStateEntry(m_session, ProcessState::Set))
        return;
    m_setPanel->setApplyEnabled(false);
}

void TRPWin::VPBuildBtnClick()
{
    if (isBuildDrawing())
        return; // the drawing under way is not started again
    BusyCursor busy;
    SetProcessState(m_session.app().CurrentState, ProcessState::Build);
    m_buildState->view().setStepsEnabled(false);
    RefreshState(ProcessState::Build);
    recordStateEntry(m_session, ProcessState::Build);
}

void TRPWin::VPPropBtnClick()
{
    BusyCursor busy;
    SetProcessState(m_session.app().CurrentState, ProcessState::Prop);
    m_analyzeState->elementSize().showDesign();
    RefreshState(ProcessState::Prop);
    recordStateEntry(m_session, ProcessState::Prop);
}

void TRPWin::VPDynPerfBtnClick()
{
    BusyCursor busy;
    SetProcessState(m_session.app().CurrentState, ProcessState::Dynamic);
    prepareStateEntry(m_session, ProcessState::Dynamic);
    m_perState.dynamicStep = 1;
    RefreshState(ProcessState::Dynamic);
    recordStateEntry(m_session, ProcessState::Dynamic);
}

void TRPWin::VPRaceBtnClick()
{
    if (m_raceState->playback().isRunning())
        return; // the race on the track runs to its end first
    m_raceState->chooseLanes({});
    BusyCursor busy;
    SetProcessState(m_session.app().CurrentState, ProcessState::Race);
    RefreshState(ProcessState::Race);
    recordStateEntry(m_session, ProcessState::Race, QString::number(simulatedAmongFirst16()));
}

void TRPWin::raceDesigns(const QVector<int>& positions)
{
    if (m_raceState->playback().isRunning())
        m_raceState->playback().stop(); // the final replaces a race still on the track
    m_raceState->chooseLanes(positions);
    BusyCursor busy;
    SetProcessState(m_session.app().CurrentState, ProcessState::Race);
    RefreshState(ProcessState::Race);
    recordStateEntry(m_session, ProcessState::Race, QString::number(positions.mid(0, kRaceLanes).size()));
}

void TRPWin::VPPreviewBtnClick()
{
    m_previewState->pages().startAtFirstPage();
    SetProcessState(m_session.app().CurrentState, ProcessState::Preview);
    RefreshState(ProcessState::Preview);
    recordStateEntry(m_session, ProcessState::Preview);
}

void TRPWin::VPPrintBtnClick()
{
    SetProcessState(m_session.app().CurrentState, ProcessState::Print);
    RefreshState(ProcessState::Print);
    if (!recordStateEntry(m_session, ProcessState::Print))
        return;
    m_paperPrototype->showWindow();
}

int TRPWin::simulatedAmongFirst16() const
{
    const auto& entries = m_session.designs().entries();
    const int lanes = std::min<int>(kRaceLanes, entries.size());
    return static_cast<int>(std::count_if(entries.begin(), entries.begin() + lanes,
                                          [](const DesignListEntry& e) { return e.Simulated; }));
}

} // namespace brisko::gui
