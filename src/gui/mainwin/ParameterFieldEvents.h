#pragma once
// Forwards the events of parameter edit fields (enter, change, key press, exit) to
// the parameter-entry logic. Focus changes caused only by another window becoming
// active are not enters or exits of the field.
#include <QHash>
#include <QObject>

class QLineEdit;

namespace brisko {
class ParameterEntry;
}

namespace brisko::gui {

class ParameterFieldEvents : public QObject {
    Q_OBJECT
public:
    ParameterFieldEvents(ParameterEntry& entry, QObject* parent);

    // Watches `edit` as the field with that action code.
    void watch(QLineEdit* edit, int code);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ParameterEntry* m_entry;
    QHash<QObject*, int> m_codes;
};

} // namespace brisko::gui
