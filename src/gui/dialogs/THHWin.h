#pragma once
// `HHWin`, "How heavy?": asks the mass of a new weight. It opens without blocking
// (window-modal); OK hands the typed text to the caller, which decides whether the
// dialog closes; Cancel (or closing it) closes it.
#include <QDialog>
#include <functional>

class QLineEdit;
class QPushButton;

namespace brisko::gui {

class THHWin : public QDialog {
    Q_OBJECT
public:
    explicit THHWin(QWidget* parent);

    // The text as it stands, which carries over from the last weight.
    QString massText() const;
    // Called with the text on OK; returns whether the dialog may close.
    void setOkHandler(std::function<bool(const QString&)> handler) { m_okHandler = std::move(handler); }

private:
    void okClicked();

    QLineEdit* m_massField = nullptr;
    std::function<bool(const QString&)> m_okHandler;
};

} // namespace brisko::gui
