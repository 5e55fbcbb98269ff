// The arrangement of the main window: the top bar with the process steps and tools,
// the drawing sheet, the state panels underneath and the portfolio line.
#include "mainwin/TRPWin.h"

#include "app/ScreenRoom.h"
#include "mainwin/AnalyzeStateController.h"
#include "mainwin/BuildStateController.h"
#include "mainwin/DrawingArea.h"
#include "mainwin/PreviewStateController.h"
#include "mainwin/PrintStateController.h"
#include "mainwin/PrototypeRefresh.h"
#include "mainwin/RaceStateController.h"
#include "mainwin/SetStateController.h"
#include "mainwin/SimulateStateController.h"
#include "mainwin/WindowLock.h"
#include "mainwin/ForceDisplay.h"
#include "mainwin/DesignListBar.h"
#include "mainwin/DriveBox.h"
#include "mainwin/ElidedPathLabel.h"
#include "mainwin/SetStatePanel.h"
#include "mainwin/ProcessBar.h"
#include "mainwin/StatePanels.h"
#include "mainwin/ToolPanel.h"
#include "mainwin/TopBar.h"
#include "mainwin/WidgetFactory.h"

#include <QActionGroup>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace brisko::gui {

namespace {

const char* kWindowStyle = R"(
QLabel[panelHeading="true"] { font-weight: bold; font-size: 13pt; color: #0b2a4a; }
QLabel[stepCaption="true"] { font-weight: bold; color: #1d3b5c; }
QLabel[helpLink="true"]:hover { color: #0050c8; text-decoration: underline; }
QLabel[tickCaption="true"] { font-size: 8pt; }
QLineEdit[readOnly="true"] { background: #ffffff; border: 1px solid #7a9cc0; border-radius: 3px; padding: 2px 4px; }
QToolButton:checked { background: #ffd27a; border: 1px solid #b07000; border-radius: 4px; }
QToolButton:checked:focus { border: 2px solid #0050c8; }
QGroupBox { font-weight: bold; }
)";

} // namespace

void TRPWin::buildWindow()
{
    setStyleSheet(QString::fromLatin1(kWindowStyle));
    auto* central = new QWidget;
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    m_image = new DrawingArea;
    m_context.reset(new WindowContext{
        .session = m_session,
        .perState = m_perState,
        .sheet = *m_image,
        .frame = *this,
        .refresh = [this](ProcessState state) { RefreshState(state); },
        .switchTo = [this](ProcessState state) { SetProcessState(m_session.app().CurrentState, state); },
        .drawBackground = [this] { drawSheetBackground(); },
        .undoActionsChanged = [this] { updateUndoActions(); },
    });
    m_refresh = std::make_unique<PrototypeRefresh>(*m_context);
    m_setPanel = new SetStatePanel(m_session, nullptr);
    auto* topBar = buildTopBar();
    column->addWidget(topBar);
    // After the event that resized it, so that the window's own resize has been dealt with.
    m_image->resizedAlone = [this] {
        QTimer::singleShot(0, this, [this] {
            if (m_image->size() != m_sheetSizeLaidOut)
                FormResize();
        });
    };
    createForceDisplay(m_image);
    column->addWidget(m_image, 1);
    column->addWidget(buildStatePanelArea());
    setCentralWidget(central);
    topBar->orderTabsAsRead();
    // The size the sheet and panels were laid out for, less where the screen is smaller.
    resize(startSize(QSize(1280, 860), roomOf(*this)));
}

TopBar* TRPWin::buildTopBar()
{
    m_stateActions = new QActionGroup(this);
    m_processBar = createProcessBar(m_stateActions);
    auto* tools = new QWidget;
    tools->setObjectName(QStringLiteral("DesignToolsRow"));
    auto* row = new QHBoxLayout(tools);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(8);
    m_tools = createDesignTools();
    row->addWidget(m_tools.panel);
    m_driveBox = new DriveBox(m_session.entry(), tools);
    m_tools.drive = m_driveBox;
    row->addWidget(m_driveBox);
    row->addWidget(m_tools.cancelRow, 1);
    // The row keeps its height when Cancel takes the drive box's place during a
    // drawing, so the sheet below never jumps.
    tools->setMinimumHeight(tools->minimumSizeHint().height());
    m_listBar = new DesignListBar(m_session, nullptr);
    return new TopBar(m_processBar.bar, tools, m_listBar, buildPortfolioBar());
}

QWidget* TRPWin::buildStatePanelArea()
{
    auto* area = new QFrame;
    m_panelArea = area;
    area->setObjectName(QStringLiteral("StatePanelArea"));
    area->setFrameShape(QFrame::StyledPanel);
    // Fixed, so that showing another panel or part editor never resizes the sheet.
    area->setFixedHeight(120);
    auto* row = new QHBoxLayout(area);
    row->setContentsMargins(0, 0, 4, 0);
    row->setSpacing(6);
    QWidget* build = createBuildStatePanel(m_figureFields.Build);
    const Play3DControls play = createPlay3DPanel();
    const AnalyzeFiguresPanel analyze = createPropStatePanel(m_figureFields.Analyze);
    const ElementSizeBox elementSize = createElementSizeGroupBox();
    const SimulateFiguresPanel simulate = createDynamicStatePanel(m_figureFields.Simulate);
    const RunControls run = createDynamicPanel();
    const RaceControls race = createRaceStatePanel();
    const PreviewPager preview = createPreviewStatePanel();
    for (QWidget* panel : {static_cast<QWidget*>(m_setPanel), build, analyze.panel, simulate.panel, race.panel,
                           preview.panel, m_tools.hintRow})
        row->addWidget(panel, 1);
    for (QWidget* side : {play.panel, elementSize.box, run.panel})
        row->addWidget(side, 0, Qt::AlignVCenter);
    row->addStretch(0); // takes the room while no state panel shows (Build, Print)

    m_setState = std::make_unique<SetStateController>(*m_setPanel, m_tools, *m_driveBox);
    m_buildState = std::make_unique<BuildStateController>(*m_context, *m_refresh, build, play, m_tools,
                                                          [this](bool locked) {
                                                              if (locked)
                                                                  m_lock->lock();
                                                              else
                                                                  m_lock->unlock();
                                                          });
    m_analyzeState = std::make_unique<AnalyzeStateController>(*m_context, analyze,
                                                              m_figureFields.Analyze->PropulsionRight.edit(), elementSize);
    m_simulateState = std::make_unique<SimulateStateController>(*m_context, *m_refresh, simulate, run);
    m_raceState = new RaceStateController(*m_context, race);
    m_previewState = std::make_unique<PreviewStateController>(*m_context, *m_refresh, preview);
    m_printState = std::make_unique<PrintStateController>(*m_context);
    m_driveBox->driveShown = [this](DriveType drive) { m_analyzeState->showDrive(drive); };
    m_driveBox->showDesign();
    RefreshViews& views = m_refresh->views();
    views.build = &m_buildState->view();
    views.controllerOf = [this](ProcessState state) -> StateController& { return controller(state); };
    views.simulate = m_simulateState.get();
    views.race = m_raceState;
    views.setPanel = m_setPanel;
    views.fields = &m_figureFields;
    views.panelColour = [this] { return m_panelColour; };
    return area;
}

QWidget* TRPWin::buildPortfolioBar()
{
    auto* bar = new QWidget;
    bar->setObjectName(QStringLiteral("PortfolioBar"));
    // The path under its caption: it gets the list's whole width.
    auto* row = new QBoxLayout(QBoxLayout::TopToBottom, bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    QLabel* caption = makeLabel(QStringLiteral("DirCaptionLabel"), QStringLiteral("Working with Design Portfolio:"));
    caption->setStyleSheet(QStringLiteral("font-weight: bold;"));
    // A long path is cut in the middle rather than widening the tool bar; its hint
    // shows it whole.
    m_dirLabel = new ElidedPathLabel;
    m_dirLabel->setObjectName(QStringLiteral("DirLabel"));
    m_dirLabel->setToolTip(QStringLiteral("No portfolio selected"));
    row->addWidget(caption);
    row->addWidget(m_dirLabel, 1);
    return bar;
}

} // namespace brisko::gui
