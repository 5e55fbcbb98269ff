#include "app/ScreenRoom.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace brisko::gui {

namespace {

int placedStart(int start, int length, int roomStart, int roomLength)
{
    if (start + length > roomStart + roomLength)
        start = roomStart + roomLength - length;
    return std::max(start, roomStart);
}

bool keptOnScreen(const QWidget& widget)
{
    if (!widget.isWindow())
        return false;
    switch (widget.windowType()) {
    case Qt::Popup:
    case Qt::ToolTip:
    case Qt::SplashScreen:
    case Qt::Desktop:
        return false;
    default:
        return true;
    }
}

} // namespace

QRect placedInside(const QRect& frame, const QRect& room)
{
    const QSize size = frame.size().boundedTo(room.size());
    return QRect(placedStart(frame.x(), size.width(), room.x(), room.width()),
                 placedStart(frame.y(), size.height(), room.y(), room.height()), size.width(), size.height());
}

QSize startSize(const QSize& wanted, const QRect& room)
{
    return room.isEmpty() ? wanted : wanted.boundedTo(room.size());
}

QRect roomOf(const QWidget& window)
{
    const QScreen* screen = window.screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

void keepOnScreen(QWidget& window)
{
    const QRect room = roomOf(window);
    if (room.isEmpty())
        return;
    const QRect frame = window.frameGeometry();
    const QRect placed = placedInside(frame, room);
    if (placed == frame)
        return;
    const QSize frameExtra = frame.size() - window.size();
    if (placed.size() != frame.size())
        window.resize((placed.size() - frameExtra).expandedTo(window.minimumSize()));
    if (placed.topLeft() != frame.topLeft())
        window.move(placed.topLeft()); // a window's position is that of its frame
}

bool ScreenKeeper::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (keptOnScreen(*widget))
            keepOnScreen(*widget);
    }
    return false;
}

} // namespace brisko::gui
