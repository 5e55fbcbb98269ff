#include "mainwin/TRPWin.h"

#include "dialogs/PFWin.h"
#include "mainwin/AnalyzeStateController.h"
#include "mainwin/BuildStateController.h"
#include "mainwin/DesignListBar.h"
#include "mainwin/DrawingArea.h"
#include "mainwin/DriveBox.h"
#include "mainwin/HelpLinks.h"
#include "mainwin/PanelColours.h"
#include "mainwin/PreviewStateController.h"
#include "mainwin/PrintStateController.h"
#include "mainwin/PrototypeRefresh.h"
#include "mainwin/RaceStateController.h"
#include "mainwin/SetStatePanel.h"
#include "mainwin/SetStateController.h"
#include "mainwin/SimulateStateController.h"
#include "mainwin/WindowLock.h"
#include "output/HelpSite.h"
#include "output/TPPWin.h"

#include <QAbstractButton>
#include <QAction>
#include <QToolButton>

namespace brisko::gui {

TRPWin::TRPWin(Prompter& prompter, QWidget* parent)
    : QMainWindow(parent)
    , m_session(prompter)
    , m_panelColour(kInitialPanelColour)
{
    setObjectName(QStringLiteral("RPWin"));
    setWindowTitle(QStringLiteral("Brisko"));
    buildWindow();
    m_paperPrototype = new TPPWin(m_session, this);
    connect(m_paperPrototype, &TPPWin::designViewWanted, this, [this] { RefreshState(ProcessState::Set); });
    buildMenus();
    connectStateButtons();
    installDesignWindows();
    buildLock();
    installPrototypeRefresh(); // before the hooks: every refresh they ask for has it
    installSessionHooks();
    installCharts();
    m_helpLinks = new HelpLinkFilter(this, [this](const HelpLink& link) {
        logHelpLink(link.code, link.path.isEmpty() ? QString() : helpPageUrl(link.path));
    });
    installHelpLinks();
    paintAllPanels(m_panelColour);
    pressStateButton(ProcessState::Set);
}

TRPWin::~TRPWin()
{
    // Nothing may call back into a window being destroyed (the undo stack tells of
    // its clearing as the session goes).
    QObject::disconnect(&m_session.notifier(), nullptr, this, nullptr);
    QObject::disconnect(&m_session.undoStack(), nullptr, this, nullptr);
}

void TRPWin::installHelpLinks()
{
    m_helpLinks->install();
}

void TRPWin::installSessionHooks()
{
    SessionNotifier* notifier = &m_session.notifier();
    // Another design is the current one: it shows in the Set state.
    connect(notifier, &SessionNotifier::designOpened, this,
            [this] { SetProcessState(m_session.app().CurrentState, ProcessState::Set); });
    connect(notifier, &SessionNotifier::refreshRequested, this, [this](ProcessState state) { RefreshState(state); });
    // What an operation changed is shown at once; the present state is refreshed
    // once, when the operation ends.
    connect(notifier, &SessionNotifier::designReplaced, this, [this] {
        showWholeDesign();
        m_shownStale = true;
    });
    connect(notifier, &SessionNotifier::designListChanged, this, &TRPWin::showWholeDesign);
    connect(notifier, &SessionNotifier::designChanged, this, [this] { m_shownStale = true; });
    connect(notifier, &SessionNotifier::materialsChanged, this, [this] { m_shownStale = true; });
    connect(notifier, &SessionNotifier::operationEnded, this, [this] {
        if (m_shownStale)
            RefreshState(m_session.app().CurrentState);
    });
}

void TRPWin::drawSheetBackground()
{
    m_refresh->drawBackground(m_session.app().CurrentState);
}

void TRPWin::recomputeLayout()
{
    m_refresh->recomputeLayout();
}

bool TRPWin::isBuildDrawing() const
{
    return m_refresh->isBuildDrawing();
}

// One lock for every operation that owns the sheet: the tools', the 3D build's.
void TRPWin::buildLock()
{
    m_lock = std::make_unique<WindowLock>(
        m_session, LockedControls{.actions = &m_actions, .widgets = [this] { return lockedWidgets(); },
                                  .partEditor = m_setPanel});
    m_lock->changed = [this] { updateUndoActions(); };
}

QList<QWidget*> TRPWin::lockedWidgets() const
{
    QList<QWidget*> widgets;
    for (QAbstractButton* tool : m_tools.buttons())
        widgets << tool;
    for (DriveType drive : {DriveType::RWD, DriveType::FWD, DriveType::AWD})
        widgets << m_driveBox->button(drive);
    widgets << m_preferences->chamberButtons() << m_setPanel->entryControls() << m_listBar->tabStops();
    return widgets;
}

void TRPWin::connectStateButtons()
{
    const std::pair<ProcessState, void (TRPWin::*)()> handlers[] = {
        {ProcessState::Set, &TRPWin::VPSetBtnClick},         {ProcessState::Build, &TRPWin::VPBuildBtnClick},
        {ProcessState::Prop, &TRPWin::VPPropBtnClick},       {ProcessState::Dynamic, &TRPWin::VPDynPerfBtnClick},
        {ProcessState::Race, &TRPWin::VPRaceBtnClick},       {ProcessState::Preview, &TRPWin::VPPreviewBtnClick},
        {ProcessState::Print, &TRPWin::VPPrintBtnClick},
    };
    // The buttons run the handlers; their actions carry the checked and enabled states.
    for (const auto& [state, handler] : handlers)
        connect(m_processBar.button(state), &QAbstractButton::clicked, this, handler);
}

bool TRPWin::logHelpLink(int code, const QString& url)
{
    if (code != 0 && !m_session.logAction(-3, code))
        return false;
    if (!url.isEmpty())
        m_session.prompter().openUrl(url);
    return true;
}

} // namespace brisko::gui
