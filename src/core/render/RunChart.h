#pragma once
// The run chart: distance (ft) and speed (ft/s) of recorded runs against time (s),
// one plot above the other on a shared time axis, the 15 ft line marked, the time
// to it written at the current design's crossing, and a legend of the designs. Each
// run is drawn in its race colours (the current design's, the other lanes', the
// skid colour where a wheel skidded), each other design with a dash of its own.
// Paints on any QPainter in the chart's own pixels: the window, the printer and PDF
// files get the same drawing.
#include "analysis/RunSamples.h"
#include "render/ChartAxis.h"

#include <QPen>
#include <QSizeF>
#include <optional>
#include <vector>

namespace brisko {

struct RunChartLayout {
    PlotArea Distance;
    PlotArea Speed;
    QRectF Legend;
};

RunChartLayout runChartLayout(const QSizeF& size, const std::vector<ChartRun>& runs, const QFont& base);

// `hoverTime`: the time the pointer is at, whose values are written beside a line.
void paintRunChart(QPainter& painter, const QSizeF& size, const std::vector<ChartRun>& runs,
                   std::optional<double> hoverTime = std::nullopt);

// "15 ft in 3.52 sec", or "short of 15 ft".
QString finishText(const ChartRun& run);
// The pen of the run's line where no wheel skids (its legend sample).
QPen runPen(const std::vector<ChartRun>& runs, std::size_t index);
// "1.23 sec", then "Name: 5.43 ft, 6.10 ft/s" for each run that lasted that long.
QStringList hoverTexts(const std::vector<ChartRun>& runs, double time);

} // namespace brisko
