#pragma once
// Windows keep within the room their screen leaves (the available geometry: the
// screen without its task bars), so that a small laptop screen never cuts a window.
#include <QObject>
#include <QRect>
#include <QSize>

class QWidget;

namespace brisko::gui {

// The frame rectangle `frame` takes inside `room`: no larger than the room, and
// moved in where it sticks out. A frame that already lies inside stays as it is.
QRect placedInside(const QRect& frame, const QRect& room);

// The size a window laid out for `wanted` starts at in `room`: the frame that a
// window manager adds once it shows is made room for by keepOnScreen.
QSize startSize(const QSize& wanted, const QRect& room);

// The room of the screen the window opens on.
QRect roomOf(const QWidget& window);

// Shrinks and moves a top-level window so that its frame lies in its screen's room;
// a window that fits is left untouched.
void keepOnScreen(QWidget& window);

// Keeps every top-level window of the program on screen as it shows (dialogs, the
// tool windows, message boxes); menus, drop-down lists and hints are left alone.
class ScreenKeeper : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace brisko::gui
