#pragma once
// The axes of the charts: a value range rounded out to round tick steps, the
// mapping of values to a plot's pixels, and the frame, grid and tick labels of a
// plot. Paints on any QPainter in the chart's own pixels (fonts by pixel size), so
// the screen, the printer and a PDF get the same drawing.
#include <QColor>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <vector>

namespace brisko {

inline constexpr int kChartFontPixels = 13;
inline const QColor kChartGrid(220, 220, 220);
inline const QColor kChartFrame(90, 90, 90);

// A value range with its tick step; the ticks are the whole multiples of `Step`
// within it (roundedRange makes `From` and `To` such multiples).
struct AxisRange {
    double From = 0, To = 1, Step = 0.5;
    std::vector<double> ticks() const;
};

// The range from `low` to `high` rounded out to about `ticks` round steps (1, 2, 2.5
// or 5 times a power of ten).
AxisRange roundedRange(double low, double high, int ticks = 6);

// A plot: its pixel rectangle and the ranges of its two axes.
struct PlotArea {
    QRectF Pixels;
    AxisRange X, Y;
    double xOf(double value) const;
    double yOf(double value) const;
    double valueAtX(double x) const;
};

// "2.5", "10", "0.25": a tick value without trailing zeros.
QString tickText(double value);

// The plot's background, grid, frame, tick labels under and left of it, the axis
// captions (the y caption upright along the left side) and an optional title above.
void paintPlotFrame(QPainter& painter, const PlotArea& plot, const QString& xCaption, const QString& yCaption);

// The pixel size font of the charts, bold when asked.
QFont chartFont(const QFont& base, bool bold = false, int pixels = kChartFontPixels);

// Room the tick labels and captions take around a plot: left, bottom.
double plotLeftMargin(const QFont& base);
double plotBottomMargin(const QFont& base);

} // namespace brisko
