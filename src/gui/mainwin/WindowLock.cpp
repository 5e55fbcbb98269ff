#include "mainwin/WindowLock.h"

#include "mainwin/ProcessBar.h"
#include "mainwin/ToolPanel.h"
#include "session/Session.h"

#include <QStringList>

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

namespace brisko::gui {

namespace {

const QStringList kDesignTools = {QStringLiteral("RWDBtn"), QStringLiteral("FWDBtn"), QStringLiteral("AWDBtn"),
                                  QStringLiteral("OctBtn"), QStringLiteral("CircBtn")};
const QStringList kApply = {QStringLiteral("ApplyBtn")};
const QStringList kDimensionFields = {
    QStringLiteral("SpringWidthEF"),   QStringLiteral("SpringLengthEF"),    QStringLiteral("DriveAxleDiaEF"),
    QStringLiteral("OtherAxleDiaEF"),  QStringLiteral("DriveWhlDiaEF"),     QStringLiteral("OtherWhlDiaEF"),
    QStringLiteral("OtherAxleLengthEF"), QStringLiteral("DriveAxleLengthEF")};
const QStringList kListAndFiles = {QStringLiteral("DesignList"), QStringLiteral("NewBtn"),
                                   QStringLiteral("OpenBtn"),    QStringLiteral("SaveBtn"),
                                   QStringLiteral("RenameBtn"),  QStringLiteral("RemoveBtn")};

QStringList stateButtonNames()
{
    QStringList names;
    for (const StateButtonInfo& info : stateButtons())
        names << QString::fromLatin1(info.buttonName);
    return names;
}

// The control's own state: a control inside a disabled parent is still its own.
bool ownEnabled(const QWidget* widget)
{
    return !widget->testAttribute(Qt::WA_ForceDisabled);
}

} // namespace

WindowLock::WindowLock(QMainWindow& window, Session& session)
    : m_window(window)
    , m_session(session)
{
}

void WindowLock::lock(const QWidget* keep)
{
    if (m_locked)
        return;
    m_locked = true;
    {
        const auto held = m_session.holdWhileControlsChange();
        m_groups = {lockWidgets(sketchToolNames() + kDesignTools, keep), lockWidgets(kApply, keep),
                    lockWidgets(kDimensionFields, keep), lockWidgets(kListAndFiles + stateButtonNames(), keep),
                    lockMenus()};
        if (QWidget* editor = m_window.findChild<QWidget*>(QStringLiteral("SetStatePanel"))) {
            m_partEditorWasVisible = editor->isVisibleTo(&m_window);
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
    {
        const auto held = m_session.holdWhileControlsChange();
        for (const Group& group : m_groups)
            restore(group);
        m_groups.clear();
        if (QWidget* editor = m_window.findChild<QWidget*>(QStringLiteral("SetStatePanel")))
            editor->setVisible(m_partEditorWasVisible);
    }
    if (changed)
        changed();
}

WindowLock::Group WindowLock::lockWidgets(const QStringList& names, const QWidget* keep)
{
    Group group;
    for (const QString& name : names) {
        for (QWidget* widget : m_window.findChildren<QWidget*>(name)) {
            if (widget == keep)
                continue;
            group.widgets.append({widget, ownEnabled(widget)});
            widget->setEnabled(false);
        }
    }
    return group;
}

WindowLock::Group WindowLock::lockMenus()
{
    Group group;
    for (QAction* menuAction : m_window.menuBar()->actions()) {
        group.actions.append({menuAction, menuAction->isEnabled()});
        if (QMenu* menu = menuAction->menu())
            for (QAction* item : menu->actions())
                group.actions.append({item, item->isEnabled()});
    }
    for (const RememberedAction& remembered : group.actions)
        remembered.action->setEnabled(false);
    return group;
}

void WindowLock::restore(const Group& group)
{
    for (const RememberedWidget& remembered : group.widgets)
        if (remembered.widget)
            remembered.widget->setEnabled(remembered.enabled);
    for (const RememberedAction& remembered : group.actions)
        if (remembered.action)
            remembered.action->setEnabled(remembered.enabled);
}

} // namespace brisko::gui
