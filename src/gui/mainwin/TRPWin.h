#pragma once
// The main window `RPWin`: the frame with the drawing sheet, the process bar, the
// tools and the menus, and one controller per design-process state, which it
// switches. It owns the run's Session.
#include "mainwin/FigureFields.h"
#include "mainwin/PerStateValues.h"
#include "mainwin/ProcessBar.h"
#include "mainwin/ToolPanel.h"
#include "mainwin/WindowContext.h"
#include "session/Session.h"

#include <QColor>
#include <QMainWindow>
#include <memory>

class QAbstractButton;
class QAction;
class QActionGroup;
class QLabel;
class QTimer;

namespace brisko::gui {

class AnalyzeStateController;
class BuildStateController;
class DesignListBar;
class PreviewStateController;
class PrintStateController;
class RaceStateController;
class SetStateController;
class SimulateStateController;
class StateController;
class TADWin;
class WindowLock;
class SheetTools;
class DrawingArea;
class DriveBox;
class ElementSizeControl;
class HelpLinkFilter;
class PrototypeRefresh;
class RacePlayback;
class SetStatePanel;
class TCHWin;
class TCSWin;
class TMSWin;
class TPDWin;
class TPFWin;
class TPPWin;
class TopBar;
class TRCWin;

class TRPWin : public QMainWindow {
    Q_OBJECT
public:
    explicit TRPWin(Prompter& prompter, QWidget* parent = nullptr);
    ~TRPWin() override;

    Session& session() { return m_session; }
    PerStateValues& perState() { return m_perState; }
    DrawingArea* image() const { return m_image; }
    QColor panelColour() const { return m_panelColour; }
    SetStatePanel* setPanel() const { return m_setPanel; }
    TPFWin* preferences() const { return m_preferences; }
    TCHWin* designHistory() const { return m_designHistory; }
    TPDWin* powerDesigner() const { return m_powerDesigner; }
    TRCWin* runChart() const { return m_runChart; }
    const PrototypeRefresh& prototypeRefresh() const { return *m_refresh; }
    PanelFigureFields& figureFields() { return m_figureFields; }
    // The advisories window, which the program makes after the main window.
    void setAdvisories(TADWin* advisories);

    // The design-process state machine.
    void SetProcessState(ProcessState from, ProcessState to);
    void RefreshState(ProcessState state);

    // State buttons.
    void VPSetBtnClick();
    void VPBuildBtnClick();
    void VPPropBtnClick();
    void VPDynPerfBtnClick();
    void VPRaceBtnClick();
    // The Race state over the given design-list positions (at most 16 lanes) instead
    // of the first 16 entries: the final of the class standings. The next press of
    // the Race button races the first 16 again.
    void raceDesigns(const QVector<int>& positions);
    void VPPreviewBtnClick();
    void VPPrintBtnClick();

    // The race on the track, driven by the race clock `Timer`.
    void Race();
    void TimerTimer();
    void RaceSliderChange(int position);
    const RacePlayback& racePlayback() const;
    QTimer* raceClock() const;

    // Menus.
    void UndoClick();
    void RedoClick();
    // Undo and Redo name the step they take back or do again, and are enabled while
    // there is one and no drawing, placing tool, 3D build, race or sweep runs.
    void updateUndoActions();
    void ChooseBackgroundColorClick();
    void PowerDesignClick();
    void ViewDesignHistoryClick();
    void ClassStandingsClick();
    void QuitClick();

    // The run charts: the Simulate state's (every simulated design) and the Race
    // state's (the raced lanes, after the race).
    void ChartBtnClick();
    void RaceChartBtnClick();
    // The Power Designer's menu item is shown and enabled while the teacher's
    // setting or the command line (`forced`) says so.
    void allowPowerDesigner(bool forced);
    void showPowerDesignerItem();

    // Design operations.
    void ResetDesignDefaults();
    void NewDesign();

    // Start-up, in its order: the defaults before the portfolio box, attaching the
    // chosen portfolio, then the first record and the first refresh.
    void prepareStartUp();
    bool attachPortfolio(const QString& path);
    void finishStartUp();
    // Ends the run without the closing questions and records (no portfolio chosen).
    void endWithoutRecords();

    void FormResize();
    // Installs the help links on captions built after the window (part editor).
    void installHelpLinks();
    // The sheet's background, paper and grid for the current state, without the car.
    void drawSheetBackground();

signals:
    void aboutRequested();
    void programEnded();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildWindow();
    TopBar* buildTopBar();
    QWidget* buildStatePanelArea();
    QWidget* buildPortfolioBar();
    void buildLock();
    QList<QWidget*> lockedWidgets() const;
    void buildMenus();
    void registerActions();
    void addHelpMenu();
    void addEditMenu();
    bool busyForUndo() const;
    void connectStateButtons();
    void installSessionHooks();
    void installPrototypeRefresh();
    void installDesignWindows();
    void installCharts();
    void recomputeLayout();
    bool isBuildDrawing() const;
    void openDesign();
    void saveDesignAs();
    int offerToSave();
    void showPreferences();
    void showWholeDesign();
    void showDefaultDesign();

    StateController& controller(ProcessState state) const;
    void enterState(ProcessState to);
    void paintToolAndDriveBox(const QColor& colour);
    void paintAllPanels(const QColor& colour);
    void pressStateButton(ProcessState state);
    bool logHelpLink(int code, const QString& url);
    int simulatedAmongFirst16() const;
    bool closeQuery();

    Session m_session;
    PerStateValues m_perState;
    PanelFigureFields m_figureFields;
    DrawingArea* m_image = nullptr;
    std::unique_ptr<WindowContext> m_context; // lent to the controllers, the tools and the refresh
    DesignTools m_tools;
    ProcessBar m_processBar;
    QActionGroup* m_stateActions = nullptr;
    QList<QAction*> m_actions; // every menu item and state button: the lock's one list
    std::unique_ptr<WindowLock> m_lock;
    std::unique_ptr<SetStateController> m_setState;
    std::unique_ptr<BuildStateController> m_buildState;
    std::unique_ptr<AnalyzeStateController> m_analyzeState;
    std::unique_ptr<SimulateStateController> m_simulateState;
    RaceStateController* m_raceState = nullptr; // a QObject of the window's
    std::unique_ptr<PreviewStateController> m_previewState;
    std::unique_ptr<PrintStateController> m_printState;

    SetStatePanel* m_setPanel = nullptr;
    DriveBox* m_driveBox = nullptr;
    DesignListBar* m_listBar = nullptr;
    SheetTools* m_sheetTools = nullptr;
    QSize m_sheetSizeLaidOut; // the drawing area's size at the last laying out for a resize
    TPFWin* m_preferences = nullptr;
    TPPWin* m_paperPrototype = nullptr;
    TMSWin* m_materialDefinitions = nullptr;
    TCHWin* m_designHistory = nullptr;
    TCSWin* m_classStandings = nullptr;
    TPDWin* m_powerDesigner = nullptr;
    TRCWin* m_runChart = nullptr;
    bool m_powerDesignerForced = false;
    std::unique_ptr<PrototypeRefresh> m_refresh;
    QLabel* m_dirLabel = nullptr;
    QWidget* m_panelArea = nullptr; // `StatePanelArea`, under the sheet
    HelpLinkFilter* m_helpLinks = nullptr;
    QColor m_panelColour;
    bool m_started = false;
    bool m_closing = false;
    bool m_endingWithoutRecords = false;
    bool m_shownStale = false; // the session changed since the present state was last refreshed
    QAction* m_undoAction = nullptr;
    QAction* m_redoAction = nullptr;
    QAction* m_powerDesignAction = nullptr;
};

} // namespace brisko::gui
