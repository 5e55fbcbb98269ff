#include "mainwin/AnalyzeStateController.h"

#include "mainwin/DrawingArea.h"
#include "mainwin/ElementSizeControl.h"
#include "mainwin/ForceDisplay.h"
#include "mainwin/WindowContext.h"

#include <QLabel>
#include <QLineEdit>
#include <QSlider>

namespace brisko::gui {

AnalyzeStateController::AnalyzeStateController(WindowContext& context, const AnalyzeFiguresPanel& figures,
                                               QLineEdit* rightPropulsion, const ElementSizeBox& elementSize)
    : m_context(context)
    , m_figures(figures)
    , m_rightPropulsion(rightPropulsion)
    , m_box(elementSize)
    , m_elementSize(new ElementSizeControl(context, *elementSize.slider))
{
}

void AnalyzeStateController::enter()
{
    m_figures.panel->show();
    m_box.box->show();
    m_context.drawBackground();
    zeroForceShapes(&m_context.sheet);
    showForceShapes(&m_context.sheet, false);
}

void AnalyzeStateController::leave()
{
    m_figures.panel->hide();
    m_box.box->hide();
    hideForceDisplay(&m_context.sheet);
}

void AnalyzeStateController::showDrive(DriveType drive)
{
    m_rightPropulsion->setVisible(drive == DriveType::AWD);
    m_figures.rightPropulsionCaption->setVisible(drive == DriveType::AWD);
}

} // namespace brisko::gui
