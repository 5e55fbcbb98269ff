#pragma once
// A design's recorded run for the race and the run chart: its distance and speed at
// every hundredth of a second for the first 10 s, and whether a driven wheel skidded
// at that step.
#include <array>
#include <cstdint>

namespace brisko {

inline constexpr int kTraceEntries = 1001; // steps 0..1000
inline constexpr int kLastTraceEntry = kTraceEntries - 1;

struct RaceTrace {
    std::array<float, kTraceEntries> Distance; // ft; -1 where the run had ended
    std::array<float, kTraceEntries> Speed;    // ft/s at the end of the step; 0 where not recorded
    std::array<std::uint8_t, kTraceEntries> Skid;

    RaceTrace() { reset(); }
    void reset()
    {
        Distance.fill(-1.0f);
        Speed.fill(0.0f);
        Skid.fill(0);
    }
};

} // namespace brisko
