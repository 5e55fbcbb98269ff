#pragma once
// `TorqueCurveGrid`: 2 columns and 50 rows. Row 0 and column 0 hold the labels
// ("Revs Unwound", "0 (fully wound):", "1" to "48"; "Torque (in-lb)"); column 1 rows
// 1 to 49 are the torque entries 0 to 48, as typed.
#include "model/MaterialLibrary.h"

#include <QTableWidget>
#include <array>

namespace brisko::gui {

class TorqueCurveGrid : public QTableWidget {
    Q_OBJECT
public:
    static constexpr int kRowHeight = 22;

    explicit TorqueCurveGrid(QWidget* parent);

    // The texts of entries 0 to 48; a cell never typed in reads empty.
    std::array<QString, kTorqueCurveEntries> entries() const;
    void showEntries(const std::array<QString, kTorqueCurveEntries>& entries);
    // Takes the text of a cell still being edited into the cell.
    void finishEditing();
    // Where data row `row` starts, from the grid's top edge.
    int rowTop(int row) const { return frameWidth() + row * kRowHeight; }

private:
    void setLabel(int row, int column, const QString& text);
};

} // namespace brisko::gui
