// The main menu: File, Edit, Setup, History, Download and Help.
#include "mainwin/TRPWin.h"

#include "dialogs/TCHWin.h"
#include "dialogs/TPDWin.h"
#include "session/ActionCodes.h"

#include "dialogs/TCSWin.h"

#include "mainwin/PanelColours.h"
#include "mainwin/RaceStateController.h"
#include "output/HelpSite.h"
#include "output/TemplateExport.h"

#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QUndoStack>

namespace brisko::gui {

namespace {

QAction* addItem(QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut = {})
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    return action;
}

struct HelpMenuItem {
    const char* name;
    QString caption;
    int code;
    QString url;
};

} // namespace

void TRPWin::buildMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    QMenu* file = bar->addMenu(QStringLiteral("File"));
    file->setObjectName(QStringLiteral("File1"));
    connect(addItem(file, "Open1", QStringLiteral("Open..."), QKeySequence(Qt::CTRL | Qt::Key_O)),
            &QAction::triggered, this, &TRPWin::openDesign);
    addItem(file, "Close1", QStringLiteral("Close"), QKeySequence(Qt::CTRL | Qt::Key_W));
    connect(addItem(file, "Save1", QStringLiteral("Save..."), QKeySequence(Qt::CTRL | Qt::Key_S)),
            &QAction::triggered, this, &TRPWin::saveDesignAs);
    connect(addItem(file, "ExportTemplates1", QStringLiteral("Export Templates...")), &QAction::triggered, this,
            [this] { exportTemplates(m_session); });
    file->addSeparator();
    connect(addItem(file, "Quit1", QStringLiteral("Quit"), QKeySequence(Qt::CTRL | Qt::Key_Q)), &QAction::triggered,
            this, &TRPWin::QuitClick);

    addEditMenu();

    QMenu* setup = bar->addMenu(QStringLiteral("Setup"));
    setup->setObjectName(QStringLiteral("Setup1"));
    connect(addItem(setup, "Preferences1", QStringLiteral("Preferences...")), &QAction::triggered, this,
            &TRPWin::showPreferences);
    connect(addItem(setup, "BackgroundColor1", QStringLiteral("Choose Background Color...")), &QAction::triggered,
            this, &TRPWin::ChooseBackgroundColorClick);

    QMenu* history = bar->addMenu(QStringLiteral("History"));
    history->setObjectName(QStringLiteral("History1"));
    m_powerDesignAction = addItem(history, "PowerDesign1", QStringLiteral("Power Design..."));
    m_powerDesignAction->setVisible(false); // until a teacher allows it (showPowerDesignerItem)
    m_powerDesignAction->setEnabled(false);
    connect(m_powerDesignAction, &QAction::triggered, this, &TRPWin::PowerDesignClick);
    connect(addItem(history, "ViewDesignHistory1", QStringLiteral("View Design History...")), &QAction::triggered,
            this, &TRPWin::ViewDesignHistoryClick);
    connect(addItem(history, "ClassStandings1", QStringLiteral("Class Standings...")), &QAction::triggered, this,
            &TRPWin::ClassStandingsClick);

    QMenu* download = bar->addMenu(QStringLiteral("Download"));
    download->setObjectName(QStringLiteral("Download1"));
    connect(addItem(download, "GotoDownloadPage1", QStringLiteral("Download Latest Version...")),
            &QAction::triggered, this, [this] { logHelpLink(0, helpPageUrl(QStringLiteral("/download.html"))); });

    addHelpMenu();
    registerActions();
}

// The one list of the window's actions: every menu with its items, then the state
// buttons' actions.
void TRPWin::registerActions()
{
    m_actions.clear();
    for (QAction* menuAction : menuBar()->actions()) {
        m_actions.append(menuAction);
        if (QMenu* menu = menuAction->menu())
            for (QAction* item : menu->actions())
                if (!item->isSeparator())
                    m_actions.append(item);
    }
    for (QAction* state : m_processBar.actions)
        m_actions.append(state);
}

void TRPWin::addEditMenu()
{
    QMenu* edit = menuBar()->addMenu(QStringLiteral("Edit"));
    edit->setObjectName(QStringLiteral("Edit1"));
    m_undoAction = addItem(edit, "Undo1", QStringLiteral("Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_redoAction = addItem(edit, "Redo1", QStringLiteral("Redo"));
    m_redoAction->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    connect(m_undoAction, &QAction::triggered, this, &TRPWin::UndoClick);
    connect(m_redoAction, &QAction::triggered, this, &TRPWin::RedoClick);
    connect(edit, &QMenu::aboutToShow, this, &TRPWin::updateUndoActions);
    const QUndoStack* stack = &m_session.undoStack();
    connect(stack, &QUndoStack::indexChanged, this, &TRPWin::updateUndoActions);
    connect(stack, &QUndoStack::canUndoChanged, this, &TRPWin::updateUndoActions);
    connect(stack, &QUndoStack::canRedoChanged, this, &TRPWin::updateUndoActions);
    updateUndoActions();
}

bool TRPWin::busyForUndo() const
{
    return !m_session.mayUndoOrRedo() || (m_refresh && isBuildDrawing()) || (m_raceState && m_raceState->playback().isRunning())
           || (m_powerDesigner && m_powerDesigner->isSweeping());
}

void TRPWin::updateUndoActions()
{
    if (!m_undoAction)
        return;
    const QUndoStack& stack = m_session.undoStack();
    const bool busy = busyForUndo();
    m_undoAction->setText(stack.canUndo() ? QStringLiteral("Undo ") + stack.undoText() : QStringLiteral("Undo"));
    m_redoAction->setText(stack.canRedo() ? QStringLiteral("Redo ") + stack.redoText() : QStringLiteral("Redo"));
    m_undoAction->setEnabled(stack.canUndo() && !busy);
    m_redoAction->setEnabled(stack.canRedo() && !busy);
}

void TRPWin::UndoClick()
{
    if (!busyForUndo())
        m_session.undo();
    updateUndoActions();
}

void TRPWin::RedoClick()
{
    if (!busyForUndo())
        m_session.redo();
    updateUndoActions();
}

void TRPWin::addHelpMenu()
{
    QMenu* help = menuBar()->addMenu(QStringLiteral("Help"));
    help->setObjectName(QStringLiteral("Help1"));
    const HelpMenuItem items[] = {
        {"HelpWebSite1", QStringLiteral("Help Index at ") + kHelpSiteName, 80,
         helpPageUrl(QStringLiteral("/help/index.html"))},
        {"EducationalMaterials1", QStringLiteral("Educational Materials at ") + kHelpSiteName, 81,
         helpPageUrl(QStringLiteral("/briskointroduction.html"))},
        {"OnlineDiscussionForum1", QStringLiteral("Brisko Discussion Forum"), 82, helpPageUrl(QStringLiteral("/forum/"))},
        {"BriskoHomePage1", QStringLiteral("Brisko Home Page"), 83, helpPageUrl(QStringLiteral("/index.html"))},
        {"TLAB210HomePage1", QStringLiteral("TLAB 210 Home Page"), 84, kCourseHomePage},
    };
    for (const HelpMenuItem& item : items) {
        connect(addItem(help, item.name, item.caption), &QAction::triggered, this,
                [this, code = item.code, url = item.url] { logHelpLink(code, url); });
    }
    help->addSeparator();
    connect(addItem(help, "AboutBK", QStringLiteral("About Brisko...")), &QAction::triggered, this,
            &TRPWin::aboutRequested);
}

void TRPWin::ChooseBackgroundColorClick()
{
    const std::optional<QColor> chosen = m_session.prompter().chooseColor(kInitialPanelColour);
    if (!chosen)
        return;
    m_panelColour = *chosen;
    paintAllPanels(m_panelColour);
}

void TRPWin::PowerDesignClick()
{
    m_session.markCurrentDesignChanged();
    if (!m_session.logAction(actions::PowerDesign, QStringLiteral("Power design")))
        return;
    m_powerDesigner->show();
    m_powerDesigner->raise();
}

void TRPWin::ViewDesignHistoryClick()
{
    if (!m_session.logAction(actions::ViewPortfolio, QStringLiteral("ViewDP")))
        return;
    m_designHistory->openHistory(m_session.portfolio().path());
}

void TRPWin::ClassStandingsClick()
{
    m_classStandings->showWindow();
}

void TRPWin::QuitClick()
{
    close();
}

} // namespace brisko::gui
