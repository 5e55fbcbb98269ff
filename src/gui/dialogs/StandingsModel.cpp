#include "dialogs/StandingsModel.h"

#include "output/StandingsTable.h"

#include <QColor>
#include <limits>

namespace brisko::gui {

void StandingsModel::add(StandingRow row)
{
    beginResetModel();
    m_standings.add(std::move(row));
    endResetModel();
}

void StandingsModel::clear()
{
    beginResetModel();
    m_standings.clear();
    endResetModel();
}

int StandingsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_standings.count();
}

int StandingsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kStandingColumns;
}

QVariant StandingsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const StandingRow& row = m_standings.at(index.row());
    const auto column = static_cast<StandingColumn>(index.column());
    switch (role) {
    case Qt::DisplayRole:
        if (column == StandingColumn::Design && row.Refused)
            return row.FileName;
        return standingText(row, column);
    case Qt::ToolTipRole:
        return row.Refused ? row.Message : row.FilePath;
    case Qt::ForegroundRole:
        if (row.Refused || (column == StandingColumn::Advisories && !row.Advisories.isEmpty()))
            return QColor(170, 30, 30);
        return {};
    case Qt::TextAlignmentRole:
        if (column >= StandingColumn::Time && column <= StandingColumn::Revolutions)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        if (column == StandingColumn::Place)
            return int(Qt::AlignCenter);
        return {};
    case Qt::UserRole: {
        // Figures sort as numbers; refused files and times short of 15 ft sort last.
        if ((column >= StandingColumn::Time && column <= StandingColumn::Revolutions) || column == StandingColumn::Place)
            return standingValue(row, column).value_or(std::numeric_limits<double>::max());
        return data(index, Qt::DisplayRole).toString().toLower();
    }
    default: return {};
    }
}

QVariant StandingsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= kStandingColumns)
        return QAbstractTableModel::headerData(section, orientation, role);
    return standingHeader(static_cast<StandingColumn>(section));
}

} // namespace brisko::gui
