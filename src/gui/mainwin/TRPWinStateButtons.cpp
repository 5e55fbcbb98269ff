// The seven state buttons: switch the state, recompute it and log the entry.
// A record that cannot be written ends the handler there.
#include "mainwin/TRPWin.h"
#include "session/ActionCodes.h"

#include "output/TPPWin.h"

#include "mainwin/ElementSizeControl.h"

#include "mainwin/SetStatePanel.h"

#include "mainwin/BusyCursor.h"
#include "mainwin/RacePlayback.h"

#include <QWidget>

namespace brisko::gui {

namespace {
constexpr int kRaceLanes = 16;
}

void TRPWin::VPSetBtnClick()
{
    SetProcessState(m_session.app.CurrentState, ProcessState::Set);
    RefreshState(ProcessState::Set);
    if (!m_session.logAction(actions::SetState))
        return;
    m_setPanel->setApplyEnabled(false);
}

void TRPWin::VPBuildBtnClick()
{
    if (m_seams.isBuildDrawing && m_seams.isBuildDrawing())
        return; // the drawing under way is not started again
    BusyCursor busy;
    SetProcessState(m_session.app.CurrentState, ProcessState::Build);
    setEnabledByName("StepForward3DBtn", false);
    setEnabledByName("ToEnd3DBtn", false);
    RefreshState(ProcessState::Build);
    m_session.logAction(actions::BuildState);
}

void TRPWin::VPPropBtnClick()
{
    BusyCursor busy;
    SetProcessState(m_session.app.CurrentState, ProcessState::Prop);
    m_elementSize->showDesign();
    RefreshState(ProcessState::Prop);
    m_session.logAction(actions::PropertiesState);
}

void TRPWin::VPDynPerfBtnClick()
{
    BusyCursor busy;
    SetProcessState(m_session.app.CurrentState, ProcessState::Dynamic);
    m_session.design.ElementStepSize = QStringLiteral("9");
    m_session.fields.ElementStepSize = QStringLiteral("9");
    m_perState.dynamicStep = 1;
    RefreshState(ProcessState::Dynamic);
    m_session.logAction(actions::DynamicState);
}

void TRPWin::VPRaceBtnClick()
{
    if (m_race->isRunning())
        return; // the race on the track runs to its end first
    m_raceLanes.clear();
    BusyCursor busy;
    SetProcessState(m_session.app.CurrentState, ProcessState::Race);
    RefreshState(ProcessState::Race);
    m_session.logAction(actions::RaceState, QString::number(simulatedAmongFirst16()));
}

void TRPWin::raceDesigns(const QVector<int>& positions)
{
    if (m_race->isRunning())
        m_race->stop(); // the final replaces a race still on the track
    m_raceLanes = positions.mid(0, kRaceLanes);
    BusyCursor busy;
    SetProcessState(m_session.app.CurrentState, ProcessState::Race);
    RefreshState(ProcessState::Race);
    m_session.logAction(6, 501, QString::number(m_raceLanes.size()), {}, {}, {}, QStringLiteral("VPRace"));
}

void TRPWin::VPPreviewBtnClick()
{
    m_perState.previewTemplate = 1;
    setEnabledByName("StepPVBtn", true);
    setEnabledByName("RewindPvBtn", false);
    SetProcessState(m_session.app.CurrentState, ProcessState::Preview);
    RefreshState(ProcessState::Preview);
    m_session.logAction(actions::PreviewState);
}

void TRPWin::VPPrintBtnClick()
{
    SetProcessState(m_session.app.CurrentState, ProcessState::Print);
    RefreshState(ProcessState::Print);
    if (!m_session.logAction(actions::PrintState))
        return;
    m_paperPrototype->showWindow();
}

int TRPWin::simulatedAmongFirst16() const
{
    const auto& entries = m_session.designs.entries();
    const int lanes = std::min<int>(kRaceLanes, entries.size());
    return static_cast<int>(std::count_if(entries.begin(), entries.begin() + lanes,
                                          [](const DesignListEntry& e) { return e.Simulated; }));
}

} // namespace brisko::gui
