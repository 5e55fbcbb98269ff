#pragma once
// The CSV files of the charts: the runs of the run chart (one line per design and
// hundredth of a second) and every combination of a power sweep with its time.
// Lines end with CR LF; a name with a comma or a quote is quoted.
#include "analysis/PowerSweep.h"
#include "analysis/RunSamples.h"

#include <QByteArray>
#include <vector>

namespace brisko {

inline constexpr const char* kRunsCsvHeader = "Design,Time (s),Distance (ft),Speed (ft/s)";
inline constexpr const char* kSweepCsvHeader =
    "Spring width (in),Spring length (in),Drive wheel dia (in),Time to 15 ft (sec)";

QByteArray runsCsv(const std::vector<ChartRun>& runs);
QByteArray sweepCsv(const std::vector<SweepTrial>& trials);

} // namespace brisko
