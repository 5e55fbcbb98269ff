// Wiring the main window to the engine: the virtual prototype behind the refresh,
// the part editor, the pointer on the sheet, the design files, Preferences, the
// Material Definitions window and the Design History.
#include "mainwin/TRPWin.h"

#include "dialogs/TCSWin.h"

#include "dialogs/PFWin.h"
#include "dialogs/TCHWin.h"
#include "dialogs/TMSWin.h"
#include "dialogs/TPDWin.h"
#include "mainwin/DesignListBar.h"
#include "mainwin/DriveBox.h"
#include "mainwin/AnalyzeStateController.h"
#include "mainwin/ElementSizeControl.h"
#include "mainwin/FigureFields.h"
#include "mainwin/PrototypeRefresh.h"
#include "mainwin/SetStatePanel.h"
#include "mainwin/SheetPointer.h"
#include "mainwin/SheetTools.h"
#include "session/DesignListOps.h"
#include "session/DesignSaving.h"

#include <QToolButton>

namespace brisko::gui {

void TRPWin::installPrototypeRefresh()
{
    new SheetPointer(*m_context, *m_lock, *m_setPanel,
                     [this]() -> const CarGeometry& { return m_refresh->prototype().geometry(); });
    // After the pointer, so a tool that is on sees the sheet's events first (Qt asks
    // the filter installed last first) and keeps those it takes.
    m_sheetTools = new SheetTools(*m_context, *m_lock, m_tools);
    // The figure fields start as the texts the records carry before any analysis.
    showFigures(m_session.figures(), m_figureFields);
}

void TRPWin::installDesignWindows()
{
    m_preferences = new TPFWin(m_session.entry(), this);
    m_materialDefinitions = new TMSWin(m_session, this);
    connect(m_setPanel->defineMaterialsButton(), &QToolButton::clicked, m_materialDefinitions,
            &TMSWin::openWindow);
    m_designHistory = new TCHWin(this);
    m_classStandings = new TCSWin(m_session, this);
    m_classStandings->raceLanes = [this](const QVector<int>& positions) {
        m_listBar->showList();
        raceDesigns(positions);
    };
    m_powerDesigner = new TPDWin(m_session.entry(), this);
    connect(m_powerDesigner, &TPDWin::sweepFinished, this, [this] { RefreshState(m_session.app().CurrentState); });
    connect(m_powerDesigner, &TPDWin::sweepEnded, this, [this] {
        m_setPanel->showDesign();
        updateUndoActions();
    });
    connect(m_powerDesigner, &TPDWin::sweepStarted, this, &TRPWin::updateUndoActions);
}

void TRPWin::showPreferences()
{
    m_preferences->showDesign();
    m_preferences->open();
}

int TRPWin::offerToSave()
{
    const int outcome = SaveIfNeeded(m_session);
    m_listBar->showList();
    return outcome;
}

void TRPWin::openDesign()
{
    OpenDesign(m_session);
    m_listBar->showList();
}

void TRPWin::saveDesignAs()
{
    SaveDesignAs(m_session);
    m_listBar->showList();
}

// The design, its materials or the list changed wholesale.
void TRPWin::showWholeDesign()
{
    m_setPanel->showMaterials();
    m_setPanel->showDesign();
    m_driveBox->showDesign();
    m_listBar->showList();
    m_preferences->showDesign();
    m_analyzeState->elementSize().showDesign();
}

} // namespace brisko::gui
