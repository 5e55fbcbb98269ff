#include "render/RaceTrack.h"

#include "text/NumberText.h"

#include <algorithm>

namespace brisko {

TrackGeometry TrackGeometry::fromClient(int clientWidth, int clientHeight, int imageLeft, int imageTop)
{
    TrackGeometry g;
    g.P = static_cast<float>(clientWidth - imageLeft) / 17.0f;
    g.H = static_cast<float>(clientHeight - imageTop) / 17.0f;
    return g;
}

int TrackGeometry::laneTop(int lane) const
{
    return nearest(0.6f * H) + nearest(static_cast<float>(lane) * H);
}

int TrackGeometry::barTop(int lane) const
{
    return laneTop(lane) + nearest(H / 12.0f);
}

int TrackGeometry::barBottom(int lane) const
{
    return laneTop(lane) + nearest(0.625f * H);
}

int TrackGeometry::startX() const
{
    return nearest(P);
}

int TrackGeometry::finishX() const
{
    return nearest(16.0f * P);
}

int TrackGeometry::distanceX(float feet) const
{
    // A lane ends a little past the track whatever distance a run reached.
    constexpr float kFarthestFeet = 100.0f;
    return nearest(std::clamp(feet, -kFarthestFeet, kFarthestFeet) * P) + nearest(P);
}

int TrackGeometry::nameX() const
{
    return nearest(P - (5.0f / 6.0f) * P);
}

int TrackGeometry::resultX() const
{
    return nearest(16.0f * P - (5.0f / 6.0f) * P) - nearest(3.0f * P);
}

int TrackGeometry::fontSize() const
{
    return std::min(14, nearest(H / 3.0f));
}

} // namespace brisko
