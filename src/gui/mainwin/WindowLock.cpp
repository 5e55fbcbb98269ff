#include "mainwin/WindowLock.h"

#include "session/Session.h"

#include <QAction>
#include <QWidget>

namespace brisko::gui {

namespace {

// The control's own state: a control inside a disabled parent is still its own.
bool ownEnabled(const QWidget* widget)
{
    return !widget->testAttribute(Qt::WA_ForceDisabled);
}

} // namespace

WindowLock::WindowLock(Session& session, LockedControls controls)
    : m_session(session)
    , m_controls(std::move(controls))
{
}

void WindowLock::lock(const QWidget* keep)
{
    if (m_locked)
        return;
    m_locked = true;
    m_session.holdSteps(true);
    {
        const auto held = m_session.holdWhileControlsChange();
        lockWidgets(keep);
        lockActions();
        if (QWidget* editor = m_controls.partEditor) {
            m_partEditorWasVisible = editor->isVisibleTo(editor->window());
            editor->hide();
        }
    }
    if (changed)
        changed();
}

void WindowLock::unlock()
{
    if (!m_locked)
        return;
    m_locked = false;
    m_session.holdSteps(false);
    {
        const auto held = m_session.holdWhileControlsChange();
        restore();
        if (QWidget* editor = m_controls.partEditor)
            editor->setVisible(m_partEditorWasVisible);
    }
    if (changed)
        changed();
}

void WindowLock::lockWidgets(const QWidget* keep)
{
    m_widgets.clear();
    if (!m_controls.widgets)
        return;
    for (QWidget* widget : m_controls.widgets()) {
        if (!widget || widget == keep)
            continue;
        m_widgets.append({widget, ownEnabled(widget)});
        widget->setEnabled(false);
    }
}

void WindowLock::lockActions()
{
    m_actions.clear();
    if (!m_controls.actions)
        return;
    for (QAction* action : *m_controls.actions)
        m_actions.append({action, action->isEnabled()});
    for (const RememberedAction& remembered : m_actions)
        remembered.action->setEnabled(false);
}

void WindowLock::restore()
{
    for (const RememberedWidget& remembered : m_widgets)
        if (remembered.widget)
            remembered.widget->setEnabled(remembered.enabled);
    for (const RememberedAction& remembered : m_actions)
        if (remembered.action)
            remembered.action->setEnabled(remembered.enabled);
    m_widgets.clear();
    m_actions.clear();
}

} // namespace brisko::gui
