#pragma once
// Locks the main window while one operation owns the drawing sheet (a drawing, a
// placing tool, the 3D build animation): the design tools, Apply, the dimension
// fields, the design list with the file and process buttons, and every menu item
// (so their shortcuts too) are disabled, each group remembering every control's
// own enabled state; the part editor is hidden. Unlocking gives each control its
// remembered state back exactly. Nothing the controls report while they are being
// locked or unlocked (a focused box losing its focus, an edit it finishes) reaches
// the session as the student's doing: no design is switched, saved or logged.
#include <QPointer>
#include <functional>
#include <QVector>

class QAction;
class QMainWindow;
class QWidget;

namespace brisko {
class Session;
}

namespace brisko::gui {

class WindowLock {
public:
    WindowLock(QMainWindow& window, Session& session);

    // `keep` (the control that started the operation and ends it) is left as it is.
    void lock(const QWidget* keep = nullptr);
    void unlock();
    bool isLocked() const { return m_locked; }

    // Told after every lock and unlock (the Edit menu sets its items again).
    std::function<void()> changed;

private:
    struct RememberedWidget {
        QPointer<QWidget> widget;
        bool enabled;
    };
    struct RememberedAction {
        QPointer<QAction> action;
        bool enabled;
    };
    // One group of controls with their states as they were when the lock came on.
    struct Group {
        QVector<RememberedWidget> widgets;
        QVector<RememberedAction> actions;
    };

    Group lockWidgets(const QStringList& names, const QWidget* keep);
    Group lockMenus();
    void restore(const Group& group);

    QMainWindow& m_window;
    Session& m_session;
    QVector<Group> m_groups;
    bool m_partEditorWasVisible = false;
    bool m_locked = false;
};

} // namespace brisko::gui
