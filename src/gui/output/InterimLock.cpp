#include "output/InterimLock.h"

#include "mainwin/ProcessBar.h"
#include "mainwin/ToolPanel.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

namespace brisko::gui {

namespace {

QStringList lockedNames()
{
    QStringList names = sketchToolNames();
    names << QStringLiteral("RWDBtn") << QStringLiteral("FWDBtn") << QStringLiteral("AWDBtn")
          << QStringLiteral("ApplyBtn") << QStringLiteral("DesignList") << QStringLiteral("NewBtn")
          << QStringLiteral("OpenBtn") << QStringLiteral("SaveBtn") << QStringLiteral("RemoveBtn")
          << QStringLiteral("RenameBtn");
    for (const StateButtonInfo& info : stateButtons())
        names << QString::fromLatin1(info.buttonName);
    return names;
}

} // namespace

InterimLock::InterimLock(QMainWindow& window)
    : m_window(window)
{
}

void InterimLock::lock()
{
    if (m_locked)
        return;
    m_locked = true;
    for (const QString& name : lockedNames())
        for (QWidget* widget : m_window.findChildren<QWidget*>(name)) {
            m_widgets.append({widget, !widget->testAttribute(Qt::WA_ForceDisabled)});
            widget->setEnabled(false);
        }
    // Every item too, so that no shortcut reaches past the lock.
    for (QAction* menu : m_window.menuBar()->actions()) {
        QList<QAction*> actions{menu};
        if (menu->menu())
            actions += menu->menu()->actions();
        for (QAction* action : actions) {
            m_actions.append({action, action->isEnabled()});
            action->setEnabled(false);
        }
    }
}

void InterimLock::unlock()
{
    if (!m_locked)
        return;
    m_locked = false;
    for (const auto& [widget, enabled] : std::as_const(m_widgets))
        if (widget)
            widget->setEnabled(enabled);
    for (const auto& [action, enabled] : std::as_const(m_actions))
        if (action)
            action->setEnabled(enabled);
    m_widgets.clear();
    m_actions.clear();
}

} // namespace brisko::gui
