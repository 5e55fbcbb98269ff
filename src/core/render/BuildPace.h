#pragma once
// The clock that paces the 3D build: drawing the whole car takes a time that grows
// with the picture size, shared evenly among the positions the slabs are painted
// at, so the build looks the same on a fast machine and on a slow one. A drawing of
// some slabs only (stepping) takes their share of the whole.
#include "render/BuildScene.h"

namespace brisko {

// The whole car at the starting picture size ("Small").
inline constexpr int kStartingSizeBuildMilliseconds = 2000;

// How long drawing the whole car takes at `pictureSize`, when it takes
// `startingSizeMilliseconds` at the starting size: the time grows with the size.
int wholeBuildMilliseconds(float pictureSize, int startingSizeMilliseconds = kStartingSizeBuildMilliseconds);

class BuildPace {
public:
    // The whole car of `scene` in `wholeMilliseconds`.
    BuildPace(const BuildScene& scene, int wholeMilliseconds);

    // When the drawing may go on after painting its position `position` (counted
    // from 0 over the positions this drawing paints), in ms from its start.
    double dueAfter(int position) const { return (position + 1) * m_interval; }
    double interval() const { return m_interval; }

private:
    double m_interval = 0.0; // ms per painted position
};

} // namespace brisko
