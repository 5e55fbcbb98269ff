#include "mainwin/PlacingTool.h"

#include "mainwin/ToolPanel.h"
#include "mainwin/WindowLock.h"
#include "session/Session.h"

#include <QLabel>

namespace brisko::gui {

PlacingTool::PlacingTool(SheetToolContext& context, QAbstractButton* button, const QString& instruction)
    : SheetTool(context, button)
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
    return m_armed;
}

void PlacingTool::begin(Qt::CursorShape cursor)
{
    Session& session = context().session();
    session.markCurrentDesignChanged();
    m_armed = true;
    context().setSheetCursor(cursor);
    context().lock().lock();
    showInstruction(true);
    setButtonDown(true);
}

void PlacingTool::clearMode()
{
    m_armed = false;
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
