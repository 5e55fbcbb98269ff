#include "analysis/RunSamples.h"

#include <cmath>

namespace brisko {

std::vector<RunSample> samplesOf(const RaceTrace& trace)
{
    std::vector<RunSample> samples{RunSample{}};
    for (int i = 1; i < kTraceEntries && trace.Distance[i] >= 0.0f; ++i)
        samples.push_back({static_cast<float>(i) / 100.0f, trace.Distance[i], trace.Speed[i], trace.Skid[i] != 0});
    return samples;
}

std::optional<RunSample> sampleAt(const std::vector<RunSample>& samples, double time)
{
    if (samples.empty() || time < -0.005)
        return std::nullopt;
    const auto step = static_cast<std::size_t>(std::lround(time * 100.0));
    if (step >= samples.size())
        return std::nullopt;
    return samples[step];
}

std::optional<int> finishStep(const RaceTrace& trace)
{
    for (int i = 1; i < kTraceEntries && trace.Distance[i] >= 0.0f; ++i)
        if (trace.Distance[i] >= kChartFinishFeet)
            return i;
    return std::nullopt;
}

QString stepTimeText(int step)
{
    return QString::number(static_cast<double>(step) / 100.0, 'f', 2);
}

} // namespace brisko
