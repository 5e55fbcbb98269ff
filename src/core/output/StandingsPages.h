#pragma once
// The class standings on paper: a title and the date, one row per design with a
// small side picture of the car as the design view draws it, its figures and its
// advisories, the refused files after the ranked ones, then the chart of the times to
// 15 ft, drawn by the window's own chart painter, and on every page a footer with the
// counts. Portrait pages, painted on any paged device through a PageStream.
#include "output/ClassStandings.h"
#include "output/PageStream.h"

#include <QDate>
#include <QPageSize>

namespace brisko {

inline constexpr int kStandingsPerPage = 12;
inline const QString kStandingsTitle = QStringLiteral("Class Standings");

inline constexpr int kStandingBarsPerPage = 40;

// Pages the table of the rows takes: always at least one.
int standingsTablePageCount(int rowCount);
// Pages the rows take: the table, then the chart of the times, when a design reached
// 15 ft, at most 40 bars a page on one time scale.
int standingsPageCount(const QVector<StandingRow>& rows);

// Paints every page; false when the stream refused a page.
bool printStandings(PageStream& pages, const QVector<StandingRow>& rows, const QDate& date);
// Prints on a printer or any paged device as one document; empty on success.
QString printStandings(QPagedPaintDevice& device, const QVector<StandingRow>& rows, const QDate& date);

// Writes the pages to a PDF file; empty on success, otherwise the message.
QString writeStandingsPdf(const QString& path, const QVector<StandingRow>& rows, const QDate& date,
                          const QPageSize& paper = QPageSize(QPageSize::Letter));

} // namespace brisko
