#pragma once
// The Print state: no panel of its own; the sheet shows the inner layer's template
// at the view's scale over the paper's place, and the Paper Prototype window does
// the printing.
#include "mainwin/StateController.h"

namespace brisko::gui {

struct WindowContext;

class PrintStateController : public StateController {
public:
    explicit PrintStateController(WindowContext& context);

    QList<QWidget*> panels() const override { return {}; }
    void enter() override {}
    void leave() override {}
    void drawSheet() override;

private:
    WindowContext& m_context;
};

} // namespace brisko::gui
