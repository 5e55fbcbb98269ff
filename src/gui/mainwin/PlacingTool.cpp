#include "mainwin/PlacingTool.h"

#include "mainwin/WindowLock.h"
#include "session/Session.h"

namespace brisko::gui {

PlacingTool::PlacingTool(SheetToolContext& context, QAbstractButton* button, ModeFlag flag)
    : SheetTool(context, button)
    , m_flag(flag)
{
}

bool PlacingTool::isOn() const
{
    return context().session().app().EditMode.*m_flag != 0;
}

void PlacingTool::begin(Qt::CursorShape cursor)
{
    Session& session = context().session();
    session.markCurrentDesignChanged();
    session.armEditMode(m_flag);
    context().setSheetCursor(cursor);
    context().lock().lock();
    setButtonDown(true);
}

void PlacingTool::clearMode()
{
    context().session().disarmEditMode(m_flag);
    context().setSheetCursor(Qt::ArrowCursor);
}

void PlacingTool::end()
{
    clearMode();
    context().lock().unlock();
    setButtonDown(false);
}

} // namespace brisko::gui
