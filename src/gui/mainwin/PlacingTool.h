#pragma once
// What the three placing tools share: on start the design is marked changed and the
// window locked (the tool's own button too); on end the lock is lifted, the mode
// cleared, the button released and the cursor the arrow again.
#include "mainwin/SheetTool.h"

#include <QString>
#include <QtGlobal>

namespace brisko::gui {

class PlacingTool : public SheetTool {
public:
    // `instruction` is the one line shown in the part editor's place while the tool is on.
    PlacingTool(SheetToolContext& context, QAbstractButton* button, const QString& instruction);

    bool isOn() const override;

    // Disarms the tool as a press beside the paper does: nothing placed, nothing logged.
    void abandon() override;

protected:
    void begin(Qt::CursorShape cursor);
    void end();
    // The mode goes off at the press; the window may stay locked (a dialog follows).
    void clearMode();

private:
    void showInstruction(bool visible);

    QString m_instruction;
    bool m_armed = false;
};

} // namespace brisko::gui
