#pragma once
// Where the race track's lanes, start and finish lie on the main window's client area.
namespace brisko {

struct TrackGeometry {
    float P = 0; // pixels per foot
    float H = 0; // lane height in pixels

    static TrackGeometry fromClient(int clientWidth, int clientHeight, int imageLeft, int imageTop);

    int laneTop(int lane) const;
    int barTop(int lane) const;
    int barBottom(int lane) const;
    int startX() const;  // 1 ft
    int finishX() const; // 16 ft: 15 ft of course
    // Screen x of a distance covered from the start line.
    int distanceX(float feet) const;
    int nameX() const;
    int resultX() const;
    int fontSize() const; // bold names and results
};

} // namespace brisko
