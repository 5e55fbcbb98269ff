#pragma once
// The class standings as a table model: one row per design in standing order, the
// columns of the standings; Qt::UserRole gives what the column sorts by.
#include "output/ClassStandings.h"

#include <QAbstractTableModel>

namespace brisko::gui {

class StandingsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    const ClassStandings& standings() const { return m_standings; }
    void add(StandingRow row);
    void clear();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    ClassStandings m_standings;
};

} // namespace brisko::gui
