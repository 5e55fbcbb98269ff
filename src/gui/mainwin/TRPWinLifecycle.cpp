// Start-up, resizing and closing of the main window.
#include "mainwin/TRPWin.h"
#include "mainwin/DriveBox.h"
#include "mainwin/SheetTools.h"
#include "session/ActionCodes.h"

#include "session/DesignListOps.h"
#include "session/DesignSaving.h"
#include "session/ProcessFlow.h"

#include "mainwin/DrawingArea.h"
#include "mainwin/ForceDisplay.h"
#include "mainwin/PanelColours.h"
#include "mainwin/PrototypeRefresh.h"
#include "mainwin/SetStatePanel.h"
#include "mainwin/RaceStateController.h"
#include "model/Presets.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QLabel>
#include <QRandomGenerator>

namespace brisko::gui {

void TRPWin::prepareStartUp()
{
    m_dirLabel->clear();
    m_dirLabel->setToolTip(QStringLiteral("No portfolio selected"));
    recomputeLayout();
    m_panelColour = kInitialPanelColour;
    paintAllPanels(m_panelColour);
    zeroForceShapes(m_image);
    hideForceDisplay(m_image);
    m_closing = false;
    prepareProgramStart(m_session);
    showDefaultDesign();
}

bool TRPWin::attachPortfolio(const QString& path)
{
    QString error;
    if (!m_session.attachPortfolio(path, &error)) {
        m_session.prompter().message(QStringLiteral("Design portfolio"), error);
        return false;
    }
    m_dirLabel->setText(path);
    m_dirLabel->setToolTip(path);
    return true;
}

void TRPWin::finishStartUp()
{
    m_started = true;
    startProgram(m_session);
    recomputeLayout();
    showWholeDesign();
    m_setPanel->selectPart(OuterLayerPart);
    drawSheetBackground();
    RefreshState(ProcessState::Set);
}

void TRPWin::ResetDesignDefaults()
{
    resetDesignDefaults(m_session);
    showDefaultDesign();
}

void TRPWin::showDefaultDesign()
{
    m_driveBox->button(DriveType::RWD)->setChecked(true);
    recomputeLayout();
    showWholeDesign();
}

void TRPWin::NewDesign()
{
    // The same operation as the New button's, after its save question.
    brisko::NewDesign(m_session);
}

void TRPWin::FormResize()
{
    if (m_closing || !m_started)
        return;
    m_refresh->buildDrawingResized();
    m_raceState->playback().stop(); // the track is laid out anew: a race on the old one ends
    recomputeLayout();
    m_sheetSizeLaidOut = m_image->size();
    if (m_session.app().CurrentState == ProcessState::Print) {
        SetProcessState(ProcessState::Print, ProcessState::Set);
        RefreshState(ProcessState::Set);
        return;
    }
    RefreshState(m_session.app().CurrentState);
    m_sheetTools->sheetLaidOutAgain(); // a drawing under way keeps what was drawn
}

void TRPWin::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TRPWin::endWithoutRecords()
{
    m_endingWithoutRecords = true;
    close();
}

void TRPWin::closeEvent(QCloseEvent* event)
{
    if (m_closing) {
        event->accept(); // already ended
        return;
    }
    if (!m_endingWithoutRecords && isBuildDrawing()) {
        // The drawing ends first; the closing questions come once it has unwound.
        event->ignore();
        m_refresh->afterBuildDrawing([this] { close(); });
        return;
    }
    if (!m_endingWithoutRecords && !closeQuery()) {
        event->ignore();
        return;
    }
    m_closing = true;
    m_raceState->playback().stop();
    event->accept();
    emit programEnded();
}

// Offers to save; on going on, the end of the run is recorded. A record that cannot
// be written (the message has named the file) does not keep the program open.
bool TRPWin::closeQuery()
{
    const int answer = offerToSave();
    if (!mayReplaceDesign(answer))
        return false; // not saved, or cancelled: the program stays open
    m_closing = true;
    endProgram(m_session);
    return true;
}

} // namespace brisko::gui
