#include "render/BuildPace.h"

#include "render/SlabSweep.h"

#include <algorithm>

namespace brisko {

int wholeBuildMilliseconds(float pictureSize, int startingSizeMilliseconds)
{
    const float growth = pictureSize / pictureSizeAt(0);
    return std::max(0, static_cast<int>(static_cast<float>(startingSizeMilliseconds) * growth + 0.5f));
}

BuildPace::BuildPace(const BuildScene& scene, int wholeMilliseconds)
{
    int positions = 0;
    for (const Slab& slab : scene.Slabs)
        positions += paintedPositionsOf(slab);
    if (positions > 0)
        m_interval = static_cast<double>(std::max(0, wholeMilliseconds)) / positions;
}

} // namespace brisko
