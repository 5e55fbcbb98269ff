#pragma once
// "Define an Axle Material" (`DAWin`): name and density of an axle material.
#include "dialogs/MaterialDialog.h"

namespace brisko::gui {

class TDAWin : public MaterialDialog {
    Q_OBJECT
public:
    TDAWin(Session& session, QWidget* parent);

protected:
    MaterialKind kind() const override { return MaterialKind::Axle; }
    void showRecord(int position) override;
    DefinitionOutcome defineFromFields() override;

private:
    QLineEdit* m_name;
    QLineEdit* m_density;
};

} // namespace brisko::gui
