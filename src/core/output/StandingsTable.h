#pragma once
// The columns of the class standings as the terminal, the window, the CSV file and
// the printed page show them.
#include "output/ClassStandings.h"
#include "render/StandingsChart.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace brisko {

enum class StandingColumn {
    Place, Design, File, Drive, Time, TopSpeed, ProjectedDistance, TotalMass, BoardMass, SpringMass, AxleMass, Layers,
    Revolutions, Advisories, Count
};
inline constexpr int kStandingColumns = static_cast<int>(StandingColumn::Count);

QString standingHeader(StandingColumn column);
// The shown text: figures rounded for reading ("-" for a time that did not reach
// 15 ft); a refused file shows its message in the Advisories column.
QString standingText(const StandingRow& row, StandingColumn column);
// The figure as a number, for sorting; nothing for a text column or a refused file.
std::optional<double> standingValue(const StandingRow& row, StandingColumn column);

// The chart of the standings: a bar for each design that reached 15 ft, in standing
// order; the others counted. The rows are in standing order.
StandingsChart standingsChartOf(const QVector<StandingRow>& rows);
StandingsChart standingsChartOf(const ClassStandings& standings);

// The CSV file: a header row, then one row per design with the figure texts exact
// ("." as the decimal point), then the refused files with their message; fields
// quoted where they hold a comma, a quote or a line break, lines ended CR LF.
QByteArray standingsCsv(const QVector<StandingRow>& rows);
// Writes the CSV file; on failure `error` names the file and the reason.
bool writeStandingsCsv(const QString& path, const QVector<StandingRow>& rows, QString* error);
// One field quoted as CSV needs it.
QString csvField(const QString& text);

} // namespace brisko
