#pragma once
// The design-list box with its New, Open, Save, Rename and Remove buttons.
#include <QWidget>

class QComboBox;
class QPushButton;

namespace brisko {
class Session;
}

namespace brisko::gui {

class DesignListBar : public QWidget {
    Q_OBJECT
public:
    DesignListBar(Session& session, QWidget* parent);

    // Shows the session's list, its current entry and the box text again.
    void showList();
    // The box beside its buttons on one line, or over them (the default).
    void setOneLine(bool oneLine);
    // The box and its buttons, in the order Tab visits them.
    QList<QWidget*> tabStops() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPushButton* addButton(const QString& objectName, const QString& caption, const QString& hint);
    void connectBox();
    void connectButtons();
    void designChosen(int position);
    void enterPressed();
    void textTyped(const QString& text);

    Session& m_session;
    QComboBox* m_box = nullptr;
    QPushButton* m_new = nullptr;
    QPushButton* m_open = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_rename = nullptr;
    QPushButton* m_remove = nullptr;
};

} // namespace brisko::gui
