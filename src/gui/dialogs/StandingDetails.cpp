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

QString standingsOverview(const ClassStandings& standings)
{
    // The refused rows stand last; a folder of thousands of them lists the first
    // kOverviewRefusals and counts the others, so that the text stays short.
    QStringList refusals;
    for (int i = standings.rankedCount(); i < standings.count() && refusals.size() < kOverviewRefusals; ++i)
        refusals << refusalLine(standings.at(i));
    if (refusals.isEmpty())
        return standings.count() == 0 ? QString() : QStringLiteral("Choose a row to read its file and advisories in full.");
    if (const int more = standings.refusedCount() - int(refusals.size()); more > 0)
        refusals << QStringLiteral("... and %1 more (the Refused rows at the end of the table).").arg(more);
    return QStringLiteral("Files not ranked (choose a row for its file):\n") + refusals.join(QLatin1Char('\n'));
}

} // namespace brisko::gui
