#pragma once
// What the three placing tools share: on start the design is marked changed and the
// window locked (the tool's own button too); on end the lock is lifted, the mode
// cleared, the button released and the cursor the arrow again.
#include "mainwin/SheetTool.h"

#include <QtGlobal>

namespace brisko {
struct EditModeFlags;
}

namespace brisko::gui {

class PlacingTool : public SheetTool {
public:
    using ModeFlag = qint32 EditModeFlags::*;
    PlacingTool(SheetToolContext& context, QAbstractButton* button, ModeFlag flag);

    bool isOn() const override;

protected:
    void begin(Qt::CursorShape cursor);
    void end();
    // The mode goes off at the press; the window may stay locked (a dialog follows).
    void clearMode();

private:
    ModeFlag m_flag;
};

} // namespace brisko::gui
