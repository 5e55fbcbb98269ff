#pragma once
// The Print state: no panel of its own; the sheet shows the inner layer's template
// and the Paper Prototype window does the printing.
#include "mainwin/StateController.h"

namespace brisko::gui {

class PrintStateController : public StateController {
public:
    QList<QWidget*> panels() const override { return {}; }
    void enter() override {}
    void leave() override {}
};

} // namespace brisko::gui
