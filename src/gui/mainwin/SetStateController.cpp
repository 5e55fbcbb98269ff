#include "mainwin/SetStateController.h"

#include "mainwin/DriveBox.h"
#include "mainwin/SetStatePanel.h"
#include "mainwin/ToolPanel.h"
#include "geometry/CarGeometry.h"

#include <QAbstractButton>

namespace brisko::gui {

SetStateController::SetStateController(SetStatePanel& panel, const DesignTools& tools, DriveBox& drive)
    : m_panel(panel)
    , m_tools(tools)
    , m_drive(drive)
{
}

QList<QWidget*> SetStateController::panels() const
{
    return {&m_panel};
}

void SetStateController::enter()
{
    m_panel.show();
    m_panel.showPartChoice(true);
    m_panel.selectPart(OuterLayerPart);
    setToolsEnabled(true);
    m_panel.setApplyEnabled(false);
}

void SetStateController::leave()
{
    m_panel.hide();
    m_panel.showPartChoice(false);
    m_panel.hideAllPartEditors();
    setToolsEnabled(false);
}

void SetStateController::setToolsEnabled(bool enabled)
{
    for (QAbstractButton* button : m_tools.buttons())
        button->setEnabled(enabled);
    for (DriveType drive : {DriveType::RWD, DriveType::FWD, DriveType::AWD})
        m_drive.button(drive)->setEnabled(enabled);
}

} // namespace brisko::gui
