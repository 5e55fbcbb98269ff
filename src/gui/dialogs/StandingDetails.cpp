#include "dialogs/StandingDetails.h"

#include "output/StandingsTable.h"

#include <QDir>

namespace brisko::gui {

namespace {

QString fileLine(const StandingRow& row)
{
    return QStringLiteral("File: ") + QDir::toNativeSeparators(row.FilePath);
}

QString refusalLine(const StandingRow& row)
{
    return row.FileName + QStringLiteral(" was not ranked: ") + row.Message;
}

QString advisoriesLine(const StandingRow& row)
{
    const QString words = row.Advisories.isEmpty() ? QStringLiteral("none") : row.Advisories.join(QStringLiteral(", "));
    return QStringLiteral("Advisories: ") + words;
}

QString figuresLine(const StandingRow& row)
{
    QStringList parts;
    for (StandingColumn c : {StandingColumn::Time, StandingColumn::TopSpeed, StandingColumn::ProjectedDistance,
                             StandingColumn::TotalMass}) {
        const bool fellShort = c == StandingColumn::Time && !row.Reached;
        parts << standingHeader(c) + QStringLiteral(": ")
                     + (fellShort ? QStringLiteral("did not reach 15 ft") : standingText(row, c));
    }
    return parts.join(QStringLiteral("; "));
}

} // namespace

QString standingDetails(const StandingRow& row)
{
    if (row.Refused)
        return refusalLine(row) + QLatin1Char('\n') + fileLine(row);
    const QString title = QStringLiteral("%1. %2 (%3)").arg(row.Place).arg(row.DesignName, row.Drive);
    return title + QLatin1Char('\n') + figuresLine(row) + QLatin1Char('\n') + advisoriesLine(row) + QLatin1Char('\n')
           + fileLine(row);
}

QString standingsOverview(const QVector<StandingRow>& rows)
{
    QStringList refusals;
    for (const StandingRow& row : rows)
        if (row.Refused)
            refusals << refusalLine(row);
    if (refusals.isEmpty())
        return rows.isEmpty() ? QString() : QStringLiteral("Choose a row to read its file and advisories in full.");
    return QStringLiteral("Files not ranked (choose a row for its file):\n") + refusals.join(QLatin1Char('\n'));
}

} // namespace brisko::gui
