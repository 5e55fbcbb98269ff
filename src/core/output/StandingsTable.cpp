#include "output/StandingsTable.h"

#include "text/NumberText.h"

#include "persist/WholeFile.h"

namespace brisko {

namespace {

QString fixedText(const QString& figure, int decimals)
{
    const auto value = toDouble(figure);
    return value ? formatFixed(*value, decimals) : figure;
}

// The exact figure text of a column, as the figure sheet holds it.
QString figureText(const StandingRow& row, StandingColumn column)
{
    switch (column) {
    case StandingColumn::Time: return row.Reached ? row.TimeTo15 : QString();
    case StandingColumn::TopSpeed: return row.TopSpeed;
    case StandingColumn::ProjectedDistance: return row.ProjectedDistance;
    case StandingColumn::TotalMass: return row.TotalMass;
    case StandingColumn::BoardMass: return row.BoardMass;
    case StandingColumn::SpringMass: return row.SpringMass;
    case StandingColumn::AxleMass: return row.AxleMass;
    case StandingColumn::Layers: return row.Layers;
    case StandingColumn::Revolutions: return row.Revolutions;
    default: return {};
    }
}

int decimalsOf(StandingColumn column)
{
    switch (column) {
    case StandingColumn::TotalMass:
    case StandingColumn::BoardMass:
    case StandingColumn::SpringMass:
    case StandingColumn::AxleMass: return 3;
    case StandingColumn::Layers: return 0;
    default: return 2;
    }
}

bool isFigure(StandingColumn column)
{
    return column >= StandingColumn::Time && column <= StandingColumn::Revolutions;
}

QString csvText(const StandingRow& row, StandingColumn column)
{
    if (column == StandingColumn::Place)
        return row.Refused ? QString() : QString::number(row.Place);
    if (column == StandingColumn::Advisories)
        return row.Refused ? QString() : row.Advisories.join(QStringLiteral("; "));
    if (isFigure(column))
        return row.Refused ? QString() : figureText(row, column);
    return standingText(row, column);
}

template <typename RowAt>
StandingsChart chartOfRows(int count, RowAt rowAt)
{
    StandingsChart chart;
    for (int i = 0; i < count; ++i) {
        const StandingRow& row = rowAt(i);
        if (row.Refused)
            ++chart.Refused;
        else if (!row.Reached)
            ++chart.Short;
        else
            chart.Bars.push_back({row.Place, row.DesignName, toDouble(row.TimeTo15).value_or(0),
                                  standingText(row, StandingColumn::Time), i});
    }
    return chart;
}

} // namespace

StandingsChart standingsChartOf(const QVector<StandingRow>& rows)
{
    return chartOfRows(static_cast<int>(rows.size()), [&rows](int i) -> const StandingRow& { return rows[i]; });
}

StandingsChart standingsChartOf(const ClassStandings& standings)
{
    return chartOfRows(standings.count(), [&standings](int i) -> const StandingRow& { return standings.at(i); });
}

QString standingHeader(StandingColumn column)
{
    switch (column) {
    case StandingColumn::Place: return QStringLiteral("Place");
    case StandingColumn::Design: return QStringLiteral("Design");
    case StandingColumn::File: return QStringLiteral("File");
    case StandingColumn::Drive: return QStringLiteral("Drive");
    case StandingColumn::Time: return QStringLiteral("Time to 15 ft (s)");
    case StandingColumn::TopSpeed: return QStringLiteral("Top speed (ft/s)");
    case StandingColumn::ProjectedDistance: return QStringLiteral("Projected distance (ft)");
    case StandingColumn::TotalMass: return QStringLiteral("Total mass (lbm)");
    case StandingColumn::BoardMass: return QStringLiteral("Board mass (lbm)");
    case StandingColumn::SpringMass: return QStringLiteral("Spring mass (lbm)");
    case StandingColumn::AxleMass: return QStringLiteral("Axle mass (lbm)");
    case StandingColumn::Layers: return QStringLiteral("Layers");
    case StandingColumn::Revolutions: return QStringLiteral("Revolutions");
    case StandingColumn::Advisories: return QStringLiteral("Advisories");
    case StandingColumn::Count: break;
    }
    return {};
}

QString standingText(const StandingRow& row, StandingColumn column)
{
    switch (column) {
    case StandingColumn::Place: return row.Refused ? QStringLiteral("-") : QString::number(row.Place);
    case StandingColumn::Design: return row.DesignName;
    case StandingColumn::File: return row.FileName;
    case StandingColumn::Drive: return row.Drive;
    case StandingColumn::Advisories:
        return row.Refused ? QStringLiteral("Refused: ") + row.Message : row.Advisories.join(QStringLiteral(", "));
    default: break;
    }
    if (row.Refused || !isFigure(column))
        return {};
    if (column == StandingColumn::Time && !row.Reached)
        return QStringLiteral("-");
    return fixedText(figureText(row, column), decimalsOf(column));
}

std::optional<double> standingValue(const StandingRow& row, StandingColumn column)
{
    if (column == StandingColumn::Place)
        return row.Refused ? std::nullopt : std::optional<double>(row.Place);
    if (row.Refused || !isFigure(column))
        return std::nullopt;
    return toDouble(figureText(row, column));
}

QString csvField(const QString& text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n'))
        && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QByteArray standingsCsv(const QVector<StandingRow>& rows)
{
    auto line = [](const QStringList& fields) {
        QStringList quoted;
        for (const QString& f : fields)
            quoted << csvField(f);
        return quoted.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    };
    QStringList header;
    for (int c = 0; c < kStandingColumns; ++c)
        header << standingHeader(static_cast<StandingColumn>(c));
    header << QStringLiteral("Refused");
    QString text = line(header);
    for (const StandingRow& row : rows) {
        QStringList fields;
        for (int c = 0; c < kStandingColumns; ++c)
            fields << csvText(row, static_cast<StandingColumn>(c));
        fields << (row.Refused ? row.Message : QString());
        text += line(fields);
    }
    return text.toUtf8();
}

bool writeStandingsCsv(const QString& path, const QVector<StandingRow>& rows, QString* error)
{
    QString reason;
    if (!writeFileWhole(path, standingsCsv(rows), &reason)) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(path, reason);
        return false;
    }
    return true;
}

} // namespace brisko
