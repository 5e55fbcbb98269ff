#pragma once
// A design's recorded run for the race: its distance at every hundredth of a second
// for the first 10 s, and whether a driven wheel skidded at that step.
#include <array>
#include <cstdint>

namespace brisko {

inline constexpr int kTraceEntries = 1001; // steps 0..1000
inline constexpr int kLastTraceEntry = kTraceEntries - 1;

struct RaceTrace {
    std::array<float, kTraceEntries> Distance; // ft; -1 where the run had ended
    std::array<std::uint8_t, kTraceEntries> Skid;

    RaceTrace() { reset(); }
    void reset()
    {
        Distance.fill(-1.0f);
        Skid.fill(0);
    }
};

} // namespace brisko
