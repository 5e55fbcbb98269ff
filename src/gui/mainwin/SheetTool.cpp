#include "mainwin/SheetTool.h"

#include "mainwin/DrawingArea.h"
#include "mainwin/WindowContext.h"
#include "session/Session.h"

#include <QAbstractButton>

namespace brisko::gui {

SheetToolContext::SheetToolContext(WindowContext& window, WindowLock& lock, const DesignTools& tools)
    : m_window(window)
    , m_lock(lock)
    , m_tools(tools)
{
}

Session& SheetToolContext::session() const
{
    return m_window.session;
}

PerStateValues& SheetToolContext::perState()
{
    return m_window.perState;
}

DrawingArea& SheetToolContext::sheet()
{
    return m_window.sheet;
}

const VirtualPrototype& SheetToolContext::prototype() const
{
    return m_window.session.prototype();
}

const CarGeometry& SheetToolContext::geometry() const
{
    return prototype().geometry();
}

void SheetToolContext::setSheetCursor(Qt::CursorShape shape)
{
    m_window.sheet.setCursor(shape);
}

void SheetToolContext::refreshSet()
{
    m_window.refresh(ProcessState::Set);
}

void SheetToolContext::switchToSet()
{
    m_window.switchTo(ProcessState::Set);
}

void SheetToolContext::drawBackground()
{
    m_window.drawBackground();
}

SheetTool::SheetTool(SheetToolContext& context, QAbstractButton* button)
    : m_context(context)
    , m_button(button)
{
    if (m_button)
        m_button->setCheckable(true);
}

void SheetTool::setButtonDown(bool down)
{
    if (m_button)
        m_button->setChecked(down);
}

} // namespace brisko::gui
