#pragma once
// The standings chart: one horizontal bar per design that reached 15 ft, in standing
// order from the top, as long as its time to 15 ft, its place and name on the left
// and its time at the bar's end; the first three in medal colours, the design chosen
// in the table outlined. Paints on any QPainter in the chart's own pixels, so the
// window and the printed and PDF pages get the same drawing.
#include "render/ChartAxis.h"

#include <QFont>
#include <QPainter>
#include <QSizeF>
#include <optional>
#include <vector>

namespace brisko {

struct StandingBar {
    int Place = 0;
    QString Name;
    double Time = 0;  // s to 15 ft, the design's figure
    QString TimeText; // as the table shows it
    int Position = 0; // the design's position in the standings
};

struct StandingsChart {
    std::vector<StandingBar> Bars;
    int Short = 0;   // designs ranked by distance, short of 15 ft: not charted
    int Refused = 0; // files that could not be read
    // The time axis reaches at least this far (0: the bars' longest time), so that a
    // chart spread over several pages keeps one scale.
    double AxisTime = 0;
    std::optional<int> Chosen; // the position chosen in the table
};

struct StandingsChartLayout {
    PlotArea Plot; // x: time (s); y: bar slots, 0 at the top
    double Pitch = 0;    // pixels from one bar to the next
    double NameWidth = 0; // the room of the places and names left of the plot
};

inline constexpr double kStandingBarMinPitch = 18;
inline const QColor kStandingBarColour(70, 130, 180);

StandingsChartLayout standingsChartLayout(const QSizeF& size, const StandingsChart& chart, const QFont& base);
// The height the chart needs to give every bar its least pitch.
double standingsChartHeight(const StandingsChart& chart, const QFont& base);
void paintStandingsChart(QPainter& painter, const QSizeF& size, const StandingsChart& chart);

// The bar of the chart's `index`-th bar.
QRectF standingBarRect(const StandingsChartLayout& layout, const StandingsChart& chart, std::size_t index);
// The bar at a pixel, none between bars.
std::optional<std::size_t> standingBarAt(const StandingsChartLayout& layout, const StandingsChart& chart,
                                         const QPointF& at);
// Gold, silver and bronze for the first three places, the bar colour for the others.
QColor standingBarColour(int place);
// "3. Racer"
QString standingBarLabel(const StandingBar& bar);
// "2 designs short of 15 ft and 1 refused file are not charted."; empty when none.
QString standingsChartNote(const StandingsChart& chart);

} // namespace brisko
