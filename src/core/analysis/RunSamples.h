#pragma once
// A recorded run as the run chart shows it: time, distance and speed at every
// hundredth of a second from the start at rest to the last recorded step.
#include "analysis/RaceTrace.h"

#include <QString>
#include <optional>
#include <vector>

namespace brisko {

inline constexpr float kChartFinishFeet = 15.0f;

struct RunSample {
    float Time = 0;     // s
    float Distance = 0; // ft
    float Speed = 0;    // ft/s
    bool Skid = false;
};

// One named run of the design list, as the chart and its CSV file show it.
struct ChartRun {
    QString Name;
    RaceTrace Trace;
    bool Current = false; // the design being worked on
    std::optional<double> FinishTime; // s to 15 ft; none when the run fell short
};

// Step 0 (at rest) and every recorded step after it, in order.
std::vector<RunSample> samplesOf(const RaceTrace& trace);
// The sample of the step nearest to `time`, none outside the run.
std::optional<RunSample> sampleAt(const std::vector<RunSample>& samples, double time);
// The first recorded step at or past 15 ft, none when the recorded run never got there.
std::optional<int> finishStep(const RaceTrace& trace);
// "3.52" for step 352, as the race writes its times.
QString stepTimeText(int step);

} // namespace brisko
