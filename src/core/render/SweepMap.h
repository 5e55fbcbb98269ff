#pragma once
// The sweep map: the time to 15 ft of every combination a power sweep has tried.
// When one parameter varies, or all three, it is a line chart of the time against
// the drive wheel diameter (or against the one parameter that varies), one line per
// pair of the other two; when exactly two vary, it is a colour map over those two,
// each cell coloured by its time. The best combination is marked; combinations
// whose car stopped short of 15 ft are marked apart. Built from the sweep's own
// list of trials, and painted on any QPainter in the chart's pixels, so the window
// and any picture of it get the same drawing.
#include "analysis/PowerSweep.h"
#include "render/ChartAxis.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QSizeF>
#include <optional>
#include <vector>

namespace brisko {

enum class SweepParameter { Wheel, Length, Width };

// A combination tried, as numbers.
struct SweepPoint {
    double Wheel = 0, Length = 0, Width = 0;
    std::optional<double> Time; // s to 15 ft; none when the car stopped short of it
    std::size_t Trial = 0;      // its place among the sweep's trials
    double valueOf(SweepParameter parameter) const;
};

// The combinations that share the values of the parameters other than the x axis's.
struct SweepSeries {
    QString Name; // those values, "36 × 1.5"
    std::vector<SweepPoint> Points; // by the x value
};

enum class SweepMapShape { Lines, Colours };

struct SweepMap {
    SweepMapShape Shape = SweepMapShape::Lines;
    SweepParameter X = SweepParameter::Wheel;
    SweepParameter Y = SweepParameter::Length; // the colour map's other axis
    // The other two parameters (lines), naming the series: "Length × width (in)".
    QString SeriesHeading;
    std::vector<SweepSeries> Series; // lines
    std::vector<SweepPoint> Cells;   // colour map, in the order tried
    // The values of the axes' parameters: those planned and those run (the sizing may
    // have corrected some), ascending.
    std::vector<double> XValues, YValues;
    std::optional<SweepPoint> Best; // the sweep's best: the first of the shortest times
    std::size_t Tried = 0, Reached = 0;
    double Planned = 0; // combinations the plan holds; 0 when not known

    std::vector<double> times() const; // of the combinations that reached 15 ft
};

// The map of the trials. The plan, when given, says which parameters vary, so the
// map keeps its shape and its axes from the first combination to the last.
SweepMap sweepMap(const std::vector<SweepTrial>& trials, const SweepPlan* plan = nullptr);
// The same from the trials as numbers, each point's Trial its place among them.
SweepMap sweepMapOfPoints(std::vector<SweepPoint> points, const SweepPlan* plan = nullptr);
// A trial as numbers; `index` is its place among the sweep's trials.
SweepPoint sweepPoint(const SweepTrial& trial, std::size_t index);

struct SweepMapLayout {
    PlotArea Plot;  // x: the parameter; y: the time (lines) or the second parameter
    AxisRange Time; // the colour scale's range (colour map)
    QRectF Legend;
    QRectF BestLabel; // the best's time beside its ring, where it hides the fewest marks
};

SweepMapLayout sweepMapLayout(const QSizeF& size, const SweepMap& map, const QFont& base);
void paintSweepMap(QPainter& painter, const QSizeF& size, const SweepMap& map);
// The map painted into a picture of `size` (device-independent pixels) in `font`;
// it touches nothing but its arguments, so any thread may make it.
QImage sweepMapPicture(const SweepMap& map, const QSize& size, qreal pixelRatio, const QFont& font);

// Where a combination is drawn: its point on its line, or its cell's centre.
QPointF sweepMapPoint(const SweepMapLayout& layout, const SweepMap& map, const SweepPoint& point);
// A colour map cell: from half way to the value before to half way to the one after.
QRectF sweepMapCell(const SweepMapLayout& layout, const SweepMap& map, const SweepPoint& point);

QColor sweepSeriesColour(std::size_t series);
// The colour of a time on the scale: dark for the shortest, bright for the longest.
QColor sweepTimeColour(double time, const AxisRange& range);
inline const QColor kSweepShortColour(215, 215, 215);

// "Drive wheel diameter (in)", "Spring length (in)", "Spring width (in)".
QString sweepParameterCaption(SweepParameter parameter);

} // namespace brisko
