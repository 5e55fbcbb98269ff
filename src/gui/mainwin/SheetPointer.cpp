#include "mainwin/SheetPointer.h"

#include "geometry/CarGeometry.h"
#include "render/HighlightFrame.h"
#include "render/PartReadout.h"
#include "mainwin/DrawingArea.h"
#include "mainwin/SetStatePanel.h"
#include "mainwin/WindowContext.h"
#include "mainwin/WindowLock.h"
#include "session/Session.h"

#include <QMouseEvent>

namespace brisko::gui {

SheetPointer::SheetPointer(WindowContext& window, const WindowLock& lock, SetStatePanel& panel,
                           GeometrySource geometry)
    : QObject(&window.frame)
    , m_window(window)
    , m_sheet(&window.sheet)
    , m_lock(lock)
    , m_panel(panel)
    , m_geometry(std::move(geometry))
{
    window.sheet.setMouseTracking(true);
    window.sheet.installEventFilter(this);
}

bool SheetPointer::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_sheet) {
        if (event->type() == QEvent::MouseMove)
            hover(static_cast<QMouseEvent*>(event)->position().toPoint());
        else if (event->type() == QEvent::MouseButtonPress)
            press(static_cast<QMouseEvent*>(event)->position().toPoint());
    }
    return QObject::eventFilter(watched, event);
}

bool SheetPointer::pointerFree() const
{
    return m_window.session.app().CurrentState == ProcessState::Set && !m_lock.isLocked();
}

int SheetPointer::partUnder(const QPoint& point) const
{
    return m_geometry().partAt(point);
}

void SheetPointer::hover(const QPoint& point)
{
    if (!pointerFree())
        return;
    const int part = partUnder(point);
    m_window.sheet.setCursor(part >= 0 ? Qt::PointingHandCursor : Qt::ArrowCursor);
    int& highlighted = m_window.perState.highlightedPart;
    if (part == highlighted)
        return;
    toggleHighlight(highlighted); // erases the old frame
    highlighted = part;
    toggleHighlight(part);
    m_window.sheet.update();
    const Session& session = m_window.session;
    m_panel.showPartAttributes(partReadout(part, session.design(), session.materials()));
}

void SheetPointer::press(const QPoint& point)
{
    const int part = m_window.session.app().CurrentState == ProcessState::Set ? partUnder(point) : -1;
    m_panel.selectPart(part); // no part: every editor hidden, no item shown
}

void SheetPointer::toggleHighlight(int part)
{
    const CarGeometry& geometry = m_geometry();
    if (part < 0 || part >= PartCount)
        return;
    QPainter painter(&m_window.sheet.canvas());
    brisko::toggleHighlight(painter, geometry.PartRegions[part]);
}

} // namespace brisko::gui
