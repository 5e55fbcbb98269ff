#include "mainwin/RemoveWeightTool.h"

#include "mainwin/PerStateValues.h"
#include "session/PartPlacement.h"
#include "session/Session.h"

namespace brisko::gui {

RemoveWeightTool::RemoveWeightTool(SheetToolContext& context, QAbstractButton* button)
    : PlacingTool(context, button,
                  QStringLiteral("Click on the weight to remove.  Press Esc to give up."))
{
}

void RemoveWeightTool::buttonClicked()
{
    begin(Qt::PointingHandCursor);
}

bool RemoveWeightTool::press(const QPoint& at)
{
    removeWeightAt(context().session(), context().perState().weightMarkers, at);
    end();
    context().refreshSet();
    return true;
}

} // namespace brisko::gui
