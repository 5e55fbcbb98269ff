#pragma once
// The text under the Class Standings table: the chosen row in full (a refused file's
// whole reason, a design's file and advisories), or, while no row is chosen, every
// refused file with its reason, so that nothing needs a hint to be read.
#include "output/ClassStandings.h"

#include <QString>
#include <QVector>

namespace brisko::gui {

// The details of one row.
QString standingDetails(const StandingRow& row);

// What shows with no row chosen: the refused files and their reasons, or how to see
// a row's details.
QString standingsOverview(const QVector<StandingRow>& rows);

} // namespace brisko::gui
