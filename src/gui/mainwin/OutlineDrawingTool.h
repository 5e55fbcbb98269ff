#pragma once
// Drawing the outer or the inner outline (`DrawOuterBtn`, `DrawInnerBtn`): the
// window locked but for the tool's own button, the existing layers shown as a
// reference, the red pen, the rubber band as an inverting line, the pointing-hand
// and no-drop cursors. A double-click finishes, Cancel abandons.
#include "mainwin/SheetTool.h"
#include "session/OutlineDrawing.h"

namespace brisko::gui {

class OutlineDrawingTool : public SheetTool {
public:
    OutlineDrawingTool(SheetToolContext& context, QAbstractButton* button, OutlineDrawing& drawing,
                       SketchedOutline which);

    void buttonClicked() override;
    bool isOn() const override { return m_drawing.isOn(m_which); }
    bool press(const QPoint& at) override;
    void move(const QPoint& at) override;
    void release(const QPoint& at) override;
    void doubleClick(const QPoint& at) override;
    void cancel();
    // As Cancel.
    void abandon() override { cancel(); }
    // The reference colours and the edges drawn so far, at the new scale.
    void sheetLaidOutAgain() override;

private:
    void start();
    void end();
    void showDrawingControls(bool visible);
    void drawReference();
    bool onPaper(const QPoint& at) const;
    void toggleRubberBand();

    OutlineDrawing& m_drawing;
    SketchedOutline m_which;
    bool m_driveBoxWasVisible = true; // the locked drive box gives Cancel its room
    bool m_rubberShown = false; // the inverting line StrokeStart-RubberEnd is on the sheet
};

} // namespace brisko::gui
