#pragma once
// Adding a weight (`AddWeightBtn`): a press on the paper chooses its point and
// opens `HHWin` for its mass; the window stays locked until OK stores the weight
// or Cancel gives up. A press beside the paper ends the tool with nothing added.
#include "mainwin/PlacingTool.h"

namespace brisko::gui {

class THHWin;

class AddWeightTool : public PlacingTool {
public:
    AddWeightTool(SheetToolContext& context, QAbstractButton* button, THHWin& dialog);

    void buttonClicked() override;
    bool press(const QPoint& at) override;

private:
    bool storeWeight(const QString& massText);
    void dialogRejected();

    THHWin& m_dialog;
    QPoint m_pending; // drawing pixels
    bool m_asking = false;
};

} // namespace brisko::gui
