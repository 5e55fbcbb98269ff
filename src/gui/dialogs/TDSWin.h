#pragma once
// "Define a Spring Material" (`DSWin`): name, thickness and density of the strip,
// and the experimental torque curve: the test sample's width and `TorqueCurveGrid`.
#include "dialogs/MaterialDialog.h"

namespace brisko::gui {

class TorqueCurveGrid;

class TDSWin : public MaterialDialog {
    Q_OBJECT
public:
    TDSWin(Session& session, QWidget* parent);

protected:
    MaterialKind kind() const override { return MaterialKind::Spring; }
    void showRecord(int position) override;
    DefinitionOutcome defineFromFields() override;

private:
    void addTorqueCurve();
    QWidget* makeGridNotes();

    QLineEdit* m_name;
    QLineEdit* m_thickness;
    QLineEdit* m_density;
    QLineEdit* m_sampleWidth = nullptr;
    TorqueCurveGrid* m_grid = nullptr;
};

} // namespace brisko::gui
