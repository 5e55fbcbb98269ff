#pragma once
// Locks the main window while one operation owns the drawing sheet (a drawing, a
// placing tool, the 3D build animation): the design tools, Apply, the dimension
// fields, the design list with the file buttons, and every action of the window
// (its menu items, so their shortcuts too, and the state buttons) are disabled, each
// remembering its own enabled state; the part editor is hidden. Unlocking gives each
// its remembered state back exactly. While locked, the session takes no step back
// or forward. Nothing the controls report while they are being locked or unlocked
// (a focused box losing its focus, an edit it finishes) reaches the session as the
// student's doing: no design is switched, saved or logged.
#include <QList>
#include <QPointer>
#include <QVector>
#include <functional>

class QAction;
class QWidget;

namespace brisko {
class Session;
}

namespace brisko::gui {

// What the lock takes: the window's one list of actions, the few widgets that are
// not actions (asked at each lock: some are made after the window), and the part
// editor it hides.
struct LockedControls {
    const QList<QAction*>* actions = nullptr;
    std::function<QList<QWidget*>()> widgets;
    QWidget* partEditor = nullptr;
};

class WindowLock {
public:
    WindowLock(Session& session, LockedControls controls);

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

    void lockWidgets(const QWidget* keep);
    void lockActions();
    void restore();

    Session& m_session;
    LockedControls m_controls;
    QVector<RememberedWidget> m_widgets;
    QVector<RememberedAction> m_actions;
    bool m_partEditorWasVisible = false;
    bool m_locked = false;
};

} // namespace brisko::gui
