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

// What shows with no row chosen: the refused files and their reasons (the first
// kOverviewRefusals of them, and how many more), or how to see a row's details.
inline constexpr int kOverviewRefusals = 100;
QString standingsOverview(const ClassStandings& standings);

} // namespace brisko::gui
