#include "mainwin/RemoveWeightTool.h"

#include "session/PartPlacement.h"
#include "session/Session.h"

namespace brisko::gui {

RemoveWeightTool::RemoveWeightTool(SheetToolContext& context, QAbstractButton* button)
    : PlacingTool(context, button, &EditModeFlags::RemovingWeight)
{
}

void RemoveWeightTool::buttonClicked()
{
    begin(Qt::PointingHandCursor);
}

bool RemoveWeightTool::press(const QPoint& at)
{
    removeWeightAt(context().session(), at);
    end();
    context().refreshSet();
    return true;
}

} // namespace brisko::gui
