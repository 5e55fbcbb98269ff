#include "dialogs/TorqueCurveGrid.h"

#include <QHeaderView>
#include <QScrollBar>

namespace brisko::gui {

namespace {
constexpr int kRows = kTorqueCurveEntries + 1;
constexpr int kVisibleRows = 9;
const QColor kLabelCells(0xd4, 0xd0, 0xc8);
} // namespace

TorqueCurveGrid::TorqueCurveGrid(QWidget* parent)
    : QTableWidget(kRows, 2, parent)
{
    setObjectName(QStringLiteral("TorqueCurveGrid"));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    setColumnWidth(0, 112);
    setColumnWidth(1, 104);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::AllEditTriggers);
    setTabKeyNavigation(false);

    setLabel(0, 0, QStringLiteral("Revs Unwound"));
    setLabel(0, 1, QStringLiteral("Torque (in-lb)"));
    setLabel(1, 0, QStringLiteral("0 (fully wound):"));
    for (int row = 2; row < kRows; ++row)
        setLabel(row, 0, QString::number(row - 1));
    for (int row = 1; row < kRows; ++row)
        setItem(row, 1, new QTableWidgetItem);

    const int width = columnWidth(0) + columnWidth(1) + verticalScrollBar()->sizeHint().width() + 2 * frameWidth();
    setFixedSize(width, kVisibleRows * kRowHeight + 2 * frameWidth());
    setCurrentCell(1, 1);
}

void TorqueCurveGrid::setLabel(int row, int column, const QString& text)
{
    auto* cell = new QTableWidgetItem(text);
    cell->setFlags(Qt::ItemIsEnabled);
    cell->setBackground(kLabelCells);
    setItem(row, column, cell);
}

std::array<QString, kTorqueCurveEntries> TorqueCurveGrid::entries() const
{
    std::array<QString, kTorqueCurveEntries> out;
    for (int k = 0; k < kTorqueCurveEntries; ++k)
        if (const QTableWidgetItem* cell = item(k + 1, 1))
            out[k] = cell->text();
    return out;
}

void TorqueCurveGrid::finishEditing()
{
    if (state() != QAbstractItemView::EditingState)
        return;
    // Moving the current cell away commits and closes the editor of the cell left.
    const QModelIndex editing = currentIndex();
    setCurrentIndex(model()->index(0, 0));
    setCurrentIndex(editing);
}

void TorqueCurveGrid::showEntries(const std::array<QString, kTorqueCurveEntries>& entries)
{
    for (int k = 0; k < kTorqueCurveEntries; ++k)
        item(k + 1, 1)->setText(entries[k]);
}

} // namespace brisko::gui
