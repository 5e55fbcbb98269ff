// The design-process state machine: switching panels and buttons, and the refresh
// dispatcher that recomputes what a state shows.
#include "mainwin/TRPWin.h"

#include "dialogs/TADWin.h"

#include "mainwin/SetStatePanel.h"

#include "mainwin/DrawingArea.h"
#include "mainwin/ForceDisplay.h"
#include "mainwin/PanelColours.h"
#include "mainwin/ProcessBar.h"
#include "mainwin/PrototypeRefresh.h"
#include "mainwin/RacePlayback.h"
#include "mainwin/ToolPanel.h"

#include <QAbstractButton>
#include <QButtonGroup>

#include <QScopedValueRollback>

namespace brisko::gui {

namespace {

const QStringList kDriveButtons = {QStringLiteral("RWDBtn"), QStringLiteral("FWDBtn"), QStringLiteral("AWDBtn")};

} // namespace

void TRPWin::SetProcessState(ProcessState from, ProcessState to)
{
    if (from == to)
        return;
    m_perState = PerStateValues{};
    leaveState(from);
    enterState(to);
}

void TRPWin::leaveState(ProcessState from)
{
    switch (from) {
    case ProcessState::Set: leaveSet(); break;
    case ProcessState::Build:
        m_refresh->stopBuildDrawing();
        showWidget("BuildStatePanel", false);
        showWidget("Play3DPanel", false);
        break;
    case ProcessState::Prop:
        showWidget("PropStatePanel", false);
        showWidget("ElementSizeGroupBox", false);
        hideForceDisplay(m_image);
        break;
    case ProcessState::Dynamic:
        showWidget("DynamicStatePanel", false);
        showWidget("DynamicPanel", false);
        showWidget("DynamicLabel", false);
        hideForceDisplay(m_image);
        break;
    case ProcessState::Race:
        m_race->stop();
        showWidget("RaceStatePanel", false);
        setAdvisoriesAside(false);
        break;
    case ProcessState::Preview: showWidget("PreviewStatePanel", false); break;
    case ProcessState::Print: break;
    }
}

void TRPWin::enterState(ProcessState to)
{
    switch (to) {
    case ProcessState::Set: enterSet(); return;
    case ProcessState::Build: enterPlainState(to, "Play3DPanel"); return;
    case ProcessState::Prop:
        enterPlainState(to, "PropStatePanel");
        showWidget("ElementSizeGroupBox", true);
        drawSheetBackground();
        enterForceState(false);
        return;
    case ProcessState::Dynamic:
        enterPlainState(to, "DynamicStatePanel");
        showWidget("DynamicPanel", true);
        enterForceState(true);
        return;
    case ProcessState::Race:
        enterPlainState(to, "RaceStatePanel");
        setAdvisoriesAside(true); // the track's finish lies under the advisories' corner
        return;
    case ProcessState::Preview: enterPlainState(to, "PreviewStatePanel"); return;
    case ProcessState::Print: enterPlainState(to, nullptr); return;
    }
}

void TRPWin::setAdvisoriesAside(bool aside)
{
    if (auto* advisories = findChild<TADWin*>())
        advisories->setAside(aside);
}

void TRPWin::leaveSet()
{
    showWidget("SetStatePanel", false);
    showWidget("PartNameBox", false);
    showWidget("PartNameLabel", false);
    m_setPanel->hideAllPartEditors();
    setSketchAndDriveEnabled(false);
}

void TRPWin::enterSet()
{
    showWidget("SetStatePanel", true);
    showWidget("PartNameBox", true);
    paintToolAndDriveBox(m_panelColour);
    m_setPanel->selectPart(OuterLayerPart);
    showWidget("PartNameLabel", true);
    setSketchAndDriveEnabled(true);
    m_session.enterState(ProcessState::Set);
    pressStateButton(ProcessState::Set);
    m_setPanel->setApplyEnabled(false);
}

// The states other than Set: their panel shown, tools silver, their button down.
void TRPWin::enterPlainState(ProcessState state, const char* panel)
{
    if (panel)
        showWidget(panel, true);
    paintToolAndDriveBox(kSilver);
    m_session.enterState(state);
    pressStateButton(state);
}

void TRPWin::enterForceState(bool showShapes)
{
    zeroForceShapes(m_image);
    showForceShapes(m_image, showShapes);
}

void TRPWin::setSketchAndDriveEnabled(bool enabled)
{
    for (const QString& name : sketchToolNames() + kDriveButtons)
        if (auto* button = findChild<QAbstractButton*>(name))
            button->setEnabled(enabled);
}

void TRPWin::paintToolAndDriveBox(const QColor& colour)
{
    paintPanel(findChild<QWidget*>(QStringLiteral("SetStateToolPanel")), colour);
    paintPanel(findChild<QWidget*>(QStringLiteral("DriveBox")), colour);
}

void TRPWin::paintAllPanels(const QColor& colour)
{
    for (const char* name : {"SetStatePanel", "BuildStatePanel", "PropStatePanel", "DynamicStatePanel",
                             "RaceStatePanel", "PreviewStatePanel"})
        paintPanel(findChild<QWidget*>(QString::fromLatin1(name)), colour);
    paintPanel(findChild<QWidget*>(QStringLiteral("StatePanelArea")), colour);
    paintToolAndDriveBox(colour);
}

void TRPWin::pressStateButton(ProcessState state)
{
    if (QAbstractButton* button = m_stateGroup->button(static_cast<int>(state)))
        button->setChecked(true);
}

void TRPWin::showWidget(const char* name, bool visible)
{
    if (auto* widget = findChild<QWidget*>(QString::fromLatin1(name)))
        widget->setVisible(visible);
}

void TRPWin::setEnabledByName(const char* name, bool enabled)
{
    if (auto* widget = findChild<QWidget*>(QString::fromLatin1(name)))
        widget->setEnabled(enabled);
}

void TRPWin::RefreshState(ProcessState state, int arg)
{
    if (m_refreshing)
        return; // a refresh already running (it lets events through) is not started again
    const QScopedValueRollback refreshing(m_refreshing, true);
    if (state == m_session.app().CurrentState)
        m_shownStale = false;
    m_refresh->run(state, arg);
}

} // namespace brisko::gui
