#pragma once
// Removing a weight (`RemoveWeightBtn`): the next press anywhere on the sheet
// frees the lowest-numbered weight whose hit box holds it, then the tool ends and
// the design view is drawn again.
#include "mainwin/PlacingTool.h"

namespace brisko::gui {

class RemoveWeightTool : public PlacingTool {
public:
    RemoveWeightTool(SheetToolContext& context, QAbstractButton* button);

    void buttonClicked() override;
    bool press(const QPoint& at) override;
};

} // namespace brisko::gui
