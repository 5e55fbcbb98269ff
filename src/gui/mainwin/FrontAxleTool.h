#pragma once
// Placing the other axle (`FrontAxleBtn`): refused in all-wheel drive; otherwise a
// line at the axle's height, an inverting red guide that follows the mouse inside
// FrontAxleZone with the east-west sizing cursor (no-drop outside), and a press in
// the zone that sets the axle's distance from the paper's right edge.
#include "mainwin/PlacingTool.h"

namespace brisko::gui {

class FrontAxleTool : public PlacingTool {
public:
    FrontAxleTool(SheetToolContext& context, QAbstractButton* button);

    void buttonClicked() override;
    bool press(const QPoint& at) override;
    void move(const QPoint& at) override;

private:
    void drawHeightLine();
    void toggleGuide(int x);

    int m_guideX = 0; // screen x of the guide on the sheet, 0 for none
};

} // namespace brisko::gui
