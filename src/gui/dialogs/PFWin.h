#pragma once
// Preferences: case ratio, friction force, chamber shape and the (hidden) element
// size. Created once and only shown and hidden; its fields are the live values of
// the current design.
#include "model/CarDesign.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QGroupBox;
class QGridLayout;
class QCheckBox;

namespace brisko {
class ParameterEntry;
}

namespace brisko::gui {

class ParameterFieldEvents;

class TPFWin : public QDialog {
    Q_OBJECT
public:
    TPFWin(ParameterEntry& entry, QWidget* parent);

    // Shows the session's field texts and chamber shape and the teacher's setting,
    // logging nothing.
    void showDesign();
    // `OctBtn` and `CircBtn`, which a drawing or placing tool locks.
    QList<QWidget*> chamberButtons() const;

signals:
    // "Show the Power Designer" was switched (and kept in the program's settings).
    void powerDesignerSettingChanged();

private:
    QGroupBox* buildPreferencesBox();
    QGroupBox* buildChamberBox();
    QGroupBox* buildTeacherBox();
    QLineEdit* addValueRow(QGridLayout* grid, int row, const char* name, const QString& caption,
                           const QString& defaultText);
    void showFieldText(int code);
    void okClicked();
    bool finishFocusedEdit();

    ParameterEntry* m_entry;
    ParameterFieldEvents* m_fieldEvents;
    QLineEdit* m_caseRatioEF = nullptr;
    QLineEdit* m_frictionEF = nullptr;
    QLineEdit* m_stepSizeEF = nullptr;
    QRadioButton* m_octBtn = nullptr;
    QRadioButton* m_circBtn = nullptr;
    QCheckBox* m_powerDesignerCheck = nullptr;
    QPushButton* m_okBtn = nullptr;
    QPushButton* m_cancelBtn = nullptr;
};

} // namespace brisko::gui
