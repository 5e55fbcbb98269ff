#pragma once
// The Design (Set) state: the part editor along the bottom, the sketching tools and
// the drive buttons, which work in this state only.
#include "mainwin/StateController.h"

namespace brisko::gui {

class DriveBox;
class SetStatePanel;
struct DesignTools;

class SetStateController : public StateController {
public:
    SetStateController(SetStatePanel& panel, const DesignTools& tools, DriveBox& drive);

    QList<QWidget*> panels() const override;
    void enter() override;
    void leave() override;

private:
    void setToolsEnabled(bool enabled);

    SetStatePanel& m_panel;
    const DesignTools& m_tools;
    DriveBox& m_drive;
};

} // namespace brisko::gui
