#pragma once
// What the four material definition dialogs share: rows of a caption, an edit field
// and a grey default, and the "Cancel", "Done" and "Choose color..." buttons. Done
// hands the typed texts to the core, which checks, stores and logs them; the dialog
// closes unless the core keeps it open. The texts stay in the fields between openings.
#include "session/MaterialDefinitions.h"

#include <QDialog>
#include <vector>

class QGridLayout;
class QLineEdit;
class QPushButton;

namespace brisko {
class Session;
}

namespace brisko::gui {

class MaterialDialog : public QDialog {
    Q_OBJECT
public:
    // New: opens with the texts as they were left.
    void openNew();
    // Edit: shows the record at `position` (1 or more) and opens; otherwise nothing.
    void openEdit(int position);

    DefinitionMode mode() const { return m_mode; }
    // The list position the dialog was opened for under Edit (0 under New).
    int position() const { return m_position; }

protected:
    // `prefix` names the buttons ("Board" gives BoardDoneBtn, BoardCancelBtn,
    // BoardColorBtn); `colorCaption` titles the colour notice.
    MaterialDialog(Session& session, const char* name, const QString& title, const char* prefix,
                   const QString& colorCaption, QWidget* parent);

    Session& session() { return *m_session; }
    QGridLayout* fields() const { return m_fields; }
    // Appends a row: caption, edit field named `name`, default text in grey.
    QLineEdit* addFieldRow(const QString& caption, const char* name, const QString& defaultText);
    // A control that Tab reaches after the fields added so far.
    void addToTabOrder(QWidget* control) { m_tabOrder.push_back(control); }
    // Puts the buttons below the fields; called once the fields are complete.
    void finishLayout();

    virtual MaterialKind kind() const = 0;
    virtual void showRecord(int position) = 0;
    virtual DefinitionOutcome defineFromFields() = 0;

private:
    void doneClicked();
    void colorClicked();
    void openAtFirstField();

    Session* m_session;
    QString m_colorCaption;
    QGridLayout* m_fields;
    QPushButton* m_doneBtn;
    QPushButton* m_cancelBtn;
    QPushButton* m_colorBtn;
    std::vector<QWidget*> m_tabOrder; // the fields, then the buttons
    DefinitionMode m_mode = DefinitionMode::New;
    int m_position = 0;
};

// A grey static text of the Defaults column.
QWidget* makeDefaultText(const QString& text, QWidget* parent);

} // namespace brisko::gui
