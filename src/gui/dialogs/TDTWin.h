#pragma once
// "Define a Tread Material" (`DTWin`): name and static friction of a tread.
#include "dialogs/MaterialDialog.h"

namespace brisko::gui {

class TDTWin : public MaterialDialog {
    Q_OBJECT
public:
    TDTWin(Session& session, QWidget* parent);

protected:
    MaterialKind kind() const override { return MaterialKind::Tread; }
    void showRecord(int position) override;
    DefinitionOutcome defineFromFields() override;

private:
    QLineEdit* m_name;
    QLineEdit* m_friction;
};

} // namespace brisko::gui
