#pragma once
// The main window `RPWin`: the drawing sheet, the process bar, one panel per
// design-process state, the tools and the menus. It owns the run's Session.
#include "mainwin/FigureFields.h"
#include "mainwin/PerStateValues.h"
#include "session/Session.h"

#include <QColor>
#include <QMainWindow>
#include <memory>

class QAbstractButton;
class QAction;
class QButtonGroup;
class QLabel;
class QTimer;

namespace brisko::gui {

class DesignListBar;
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
    DesignListBar* designListBar() const { return m_listBar; }
    TPFWin* preferences() const { return m_preferences; }
    TPPWin* paperPrototype() const { return m_paperPrototype; }
    TMSWin* materialDefinitions() const { return m_materialDefinitions; }
    TCHWin* designHistory() const { return m_designHistory; }
    TCSWin* classStandings() const { return m_classStandings; }
    TPDWin* powerDesigner() const { return m_powerDesigner; }
    TRCWin* runChart() const { return m_runChart; }
    const PrototypeRefresh& prototypeRefresh() const { return *m_refresh; }
    PanelFigureFields& figureFields() { return m_figureFields; }

    // The design-process state machine.
    void SetProcessState(ProcessState from, ProcessState to);
    void RefreshState(ProcessState state, int arg = 0);

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
    const RacePlayback& racePlayback() const { return *m_race; }
    QTimer* raceClock() const { return m_raceClock; }

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
    void buildMenus();
    void buildRaceClock();
    void addHelpMenu();
    void addEditMenu();
    bool busyForUndo() const;
    void connectStateButtons();
    void installSessionHooks();
    void installPrototypeRefresh();
    void installDesignWindows();
    void installCharts();
    QVector<int> racedPositions() const;
    void recomputeLayout();
    bool isBuildDrawing() const;
    void openDesign();
    void saveDesignAs();
    int offerToSave();
    void showPreferences();
    void showWholeDesign();
    void showDefaultDesign();

    void leaveState(ProcessState from);
    void enterState(ProcessState to);
    void leaveSet();
    void setAdvisoriesAside(bool aside);
    void enterSet();
    void setSketchAndDriveEnabled(bool enabled);
    void paintToolAndDriveBox(const QColor& colour);
    void paintAllPanels(const QColor& colour);
    void pressStateButton(ProcessState state);
    void showWidget(const char* name, bool visible);
    void setEnabledByName(const char* name, bool enabled);
    void enterForceState(bool showShapes);
    void enterPlainState(ProcessState state, const char* panel);
    bool logHelpLink(int code, const QString& url);
    int simulatedAmongFirst16() const;
    bool closeQuery();

    Session m_session;
    PerStateValues m_perState;
    PanelFigureFields m_figureFields;
    DrawingArea* m_image = nullptr;
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
    QVector<int> m_raceLanes; // the positions the next race runs; empty: the first 16
    TPDWin* m_powerDesigner = nullptr;
    TRCWin* m_runChart = nullptr;
    bool m_powerDesignerForced = false;
    ElementSizeControl* m_elementSize = nullptr;
    std::unique_ptr<PrototypeRefresh> m_refresh;
    QTimer* m_raceClock = nullptr;
    std::unique_ptr<RacePlayback> m_race;
    QButtonGroup* m_stateGroup = nullptr;
    QLabel* m_dirLabel = nullptr;
    HelpLinkFilter* m_helpLinks = nullptr;
    QColor m_panelColour;
    bool m_started = false;
    bool m_closing = false;
    bool m_endingWithoutRecords = false;
    bool m_refreshing = false;
    bool m_shownStale = false; // the session changed since the present state was last refreshed
    QAction* m_undoAction = nullptr;
    QAction* m_redoAction = nullptr;
};

} // namespace brisko::gui
