#include "mainwin/SheetTool.h"

#include "mainwin/DrawingArea.h"
#include "mainwin/PrototypeRefresh.h"
#include "mainwin/TRPWin.h"

#include <QAbstractButton>

namespace brisko::gui {

SheetToolContext::SheetToolContext(TRPWin& window, WindowLock& lock)
    : m_window(window)
    , m_lock(lock)
{
}

Session& SheetToolContext::session() const
{
    return m_window.session();
}

DrawingArea& SheetToolContext::sheet()
{
    return *m_window.image();
}

const VirtualPrototype& SheetToolContext::prototype() const
{
    return m_window.prototypeRefresh().prototype();
}

const CarGeometry& SheetToolContext::geometry() const
{
    return prototype().geometry();
}

void SheetToolContext::setSheetCursor(Qt::CursorShape shape)
{
    m_window.image()->setCursor(shape);
}

void SheetToolContext::refreshSet()
{
    m_window.RefreshState(ProcessState::Set);
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
