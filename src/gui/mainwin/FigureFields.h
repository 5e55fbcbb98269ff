#pragma once
// The read-only figure fields of the state panels, held by figure: each panel
// that shows a group of the figure sheet gives a field for every figure of it (a
// field has no empty state, so a missing one does not compile), and the window
// shows the sheet through them.
#include "analysis/FigureSheet.h"

#include <optional>

class QLineEdit;

namespace brisko::gui {

class FigureField {
public:
    FigureField(QLineEdit* edit) // NOLINT: a panel's field stands for its figure
        : m_edit(edit)
    {
    }
    void show(const QString& text) const;
    QLineEdit* edit() const { return m_edit; }

private:
    QLineEdit* m_edit;
};

// The figure fields of the Build, Analyze and Simulate panels.
struct PanelFigureFields {
    std::optional<BuildFigures<FigureField>> Build;
    std::optional<AnalyzeFigures<FigureField>> Analyze;
    std::optional<SimulateFigures<FigureField>> Simulate;
};

// Writes every figure of the sheet into its field.
void showFigures(const FigureSheet& sheet, PanelFigureFields& fields);

} // namespace brisko::gui
