#include "mainwin/PlacingTool.h"

#include "mainwin/ToolPanel.h"
#include "mainwin/WindowLock.h"
#include "session/Session.h"

#include <QLabel>

namespace brisko::gui {

PlacingTool::PlacingTool(SheetToolContext& context, QAbstractButton* button, ModeFlag flag,
                         const QString& instruction)
    : SheetTool(context, button)
    , m_flag(flag)
    , m_instruction(instruction)
{
}

void PlacingTool::showInstruction(bool visible)
{
    const DesignTools& tools = context().tools();
    tools.hint->setText(m_instruction);
    tools.hint->setVisible(visible);
    tools.hintRow->setVisible(visible);
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
    showInstruction(true);
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
    showInstruction(false);
    context().lock().unlock();
    setButtonDown(false);
}

void PlacingTool::abandon()
{
    if (!isOn())
        return;
    end();
    context().refreshSet();
}

} // namespace brisko::gui
