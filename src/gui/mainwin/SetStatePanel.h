#pragma once
// The Set state's part editor: the part box, the material list and the dimension
// fields of the chosen part, and Apply. The logic lives in ParameterEntry; this
// panel shows the session and forwards the student's actions.
#include "model/CarDesign.h"
#include "model/MaterialLibrary.h"
#include "session/ParameterEntry.h"

#include <QFrame>
#include <array>
#include <functional>

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace brisko {
class Session;
}

namespace brisko::gui {

class ParameterFieldEvents;

inline constexpr int kPartCount = 8; // "Inner layers" .. "Other axle"

class SetStatePanel : public QFrame {
    Q_OBJECT
public:
    SetStatePanel(Session& session, QWidget* parent);


    // Shows part k's editors exactly as choosing item k in the part box; any other k
    // hides every editor and leaves the part box without an item.
    void selectPart(int k);
    void hideAllPartEditors();
    // The part box and its caption, which show in the Set state only.
    void showPartChoice(bool visible);
    // Shows the session's field texts, material choices and drive again, logging nothing.
    void showDesign();
    // Refills the eight material lists from the library and selects the design's choices.
    void showMaterials();
    void setApplyEnabled(bool enabled);
    void showPartAttributes(const QString& text);

    QLineEdit* dimensionField(int code) const { return m_fields.at(code - 14); }
    // Apply and the eight dimension fields, which a drawing or placing tool locks.
    QList<QWidget*> entryControls() const;
    // `DefineMatlBtn`, which opens the Material Definitions window.
    QToolButton* defineMaterialsButton() const { return m_defineMaterialsBtn; }

private:
    void buildControls();
    void buildLayout();
    void connectEntry();
    QComboBox* makeMaterialList(int slot, const char* name);
    QLineEdit* makeDimensionField(int code, const char* name);
    void showFieldText(int code);
    void showApplyEnabled(bool enabled);
    void showDriveFields(DriveType drive);
    void showMaterialList(int slot);
    void showPartEditors(int k);

    Session* m_session;
    ParameterEntry& m_entry;
    ParameterFieldEvents* m_fieldEvents = nullptr;
    QLabel* m_partNameLabel = nullptr;
    QComboBox* m_partNameBox = nullptr;
    QLabel* m_materialLabel = nullptr;
    QLabel* m_topLabel = nullptr;
    QLabel* m_bottomLabel = nullptr;
    QPushButton* m_applyBtn = nullptr;
    QToolButton* m_defineMaterialsBtn = nullptr;
    QLabel* m_attributesLabel = nullptr;
    std::array<QComboBox*, kMaterialSlots> m_lists{};
    std::array<QLineEdit*, 8> m_fields{}; // by code 14..21
};

} // namespace brisko::gui
