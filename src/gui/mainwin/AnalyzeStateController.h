#pragma once
// The Analyze (Prop) state: the physical properties, the element size of the mass
// scan, and the resting normal forces over the sheet.
#include "mainwin/StateController.h"
#include "mainwin/StatePanels.h"
#include "model/CarDesign.h"

class QLineEdit;

namespace brisko::gui {

class ElementSizeControl;
struct WindowContext;

class AnalyzeStateController : public StateController {
public:
    AnalyzeStateController(WindowContext& context, const AnalyzeFiguresPanel& figures, QLineEdit* rightPropulsion,
                           const ElementSizeBox& elementSize);

    QList<QWidget*> panels() const override { return {m_figures.panel}; }
    void enter() override;
    void leave() override;

    // The right wheels have a propulsion of their own in all-wheel drive only.
    void showDrive(DriveType drive);
    ElementSizeControl& elementSize() { return *m_elementSize; }

private:
    WindowContext& m_context;
    AnalyzeFiguresPanel m_figures;
    QLineEdit* m_rightPropulsion;
    ElementSizeBox m_box;
    ElementSizeControl* m_elementSize;
};

} // namespace brisko::gui
