#pragma once
// "Define a Board Material" (`DBWin`): name, thickness and density of a board.
#include "dialogs/MaterialDialog.h"

namespace brisko::gui {

class TDBWin : public MaterialDialog {
    Q_OBJECT
public:
    TDBWin(Session& session, QWidget* parent);

protected:
    MaterialKind kind() const override { return MaterialKind::Board; }
    void showRecord(int position) override;
    DefinitionOutcome defineFromFields() override;

private:
    QLineEdit* m_name;
    QLineEdit* m_thickness;
    QLineEdit* m_density;
};

} // namespace brisko::gui
