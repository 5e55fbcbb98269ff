#pragma once
// The main window's controls locked while the 3D build drawing owns the sheet: the
// state buttons, the design list with its file buttons, the design tools, Apply and
// every menu item. Each control remembers its own enabled state and gets exactly
// that back.
#include <QPointer>
#include <QVector>

class QAction;
class QMainWindow;
class QWidget;

namespace brisko::gui {

class InterimLock {
public:
    explicit InterimLock(QMainWindow& window);
    void lock();
    void unlock();

private:
    QMainWindow& m_window;
    QVector<QPair<QPointer<QWidget>, bool>> m_widgets;
    QVector<QPair<QPointer<QAction>, bool>> m_actions;
    bool m_locked = false;
};

} // namespace brisko::gui
