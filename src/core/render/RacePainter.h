#pragma once
// The race on the track: the lanes' bars as they grow, the names written over them
// at every step, and the results at the end. Paints on any QPainter.
#include "render/Race.h"

#include <QPainter>
#include <array>
#include <vector>

namespace brisko {

using LaneTexts = std::array<QString, kRaceLanes>;

// The bars of one tick, then the names of the lanes that moved in it.
void paintRaceStep(QPainter& painter, const TrackGeometry& track, const std::vector<BarSegment>& drawn,
                   const LaneTexts& names);

// Each lane's result text at the results column; empty texts draw nothing.
void paintRaceResults(QPainter& painter, const TrackGeometry& track, const LaneTexts& results);

} // namespace brisko
