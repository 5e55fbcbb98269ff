#include "mainwin/ParameterFieldEvents.h"

#include "session/ParameterEntry.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace brisko::gui {

namespace {

bool isWindowSwitch(const QEvent* event)
{
    const auto reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

} // namespace

ParameterFieldEvents::ParameterFieldEvents(ParameterEntry& entry, QObject* parent)
    : QObject(parent)
    , m_entry(&entry)
{
}

void ParameterFieldEvents::watch(QLineEdit* edit, int code)
{
    m_codes.insert(edit, code);
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::textChanged, this, [this, code](const QString& text) { m_entry->fieldChange(code, text); });
}

bool ParameterFieldEvents::eventFilter(QObject* watched, QEvent* event)
{
    const auto found = m_codes.constFind(watched);
    if (found == m_codes.constEnd())
        return false;
    const int code = *found;
    switch (event->type()) {
    case QEvent::FocusIn:
        m_entry->fieldEnter(code);
        break;
    case QEvent::FocusOut:
        if (!isWindowSwitch(event))
            m_entry->fieldExit(code);
        break;
    case QEvent::KeyPress:
        if (!static_cast<QKeyEvent*>(event)->text().isEmpty())
            m_entry->fieldKeyPress(code);
        break;
    default:
        break;
    }
    return false;
}

} // namespace brisko::gui
