#pragma once
// The runs a run chart shows, taken from the session: every design-list entry of
// the given positions that has a run since its last change, named as in the list,
// with the time to 15 ft of the current design as its figure sheet gives it.
#include "analysis/RunSamples.h"

#include <QVector>
#include <vector>

namespace brisko {

class Session;

// The current design first, then the others in list order.
std::vector<ChartRun> chartRunsOf(const Session& session, const QVector<int>& positions);
// Every position of the design list.
QVector<int> allPositions(const Session& session);

} // namespace brisko
