#pragma once
// The places of the main window whose content other parts of the program build:
// the part editor (`SetStatePanel`), the drive buttons (`DriveBox`) and the design
// list bar. Replace these functions to put the real content in.
class QWidget;

namespace brisko::gui {

// `SetStatePanel`: part selection, material list, dimension fields and `ApplyBtn`.
QWidget* createSetStatePanel();
// `DriveBox`: the `RWDBtn`, `FWDBtn`, `AWDBtn` group.
QWidget* createDriveBox();
// The `DesignList` box with the New, Open, Save, Rename and Remove buttons.
QWidget* createDesignListBar();

} // namespace brisko::gui
