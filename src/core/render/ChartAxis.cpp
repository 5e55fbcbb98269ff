#include "render/ChartAxis.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

namespace brisko {

std::vector<double> AxisRange::ticks() const
{
    std::vector<double> out;
    if (Step <= 0 || !(To >= From))
        return out;
    // The whole multiples of the step from From to To (From itself when it is one).
    const double first = std::ceil(From / Step - 1e-9);
    const double last = std::floor(To / Step + 1e-9);
    for (double i = first; i <= last; ++i)
        out.push_back(i * Step);
    return out;
}

AxisRange roundedRange(double low, double high, int ticks)
{
    if (!(high > low)) {
        const double pad = std::max(std::abs(low) * 0.1, 1.0);
        low -= pad;
        high += pad;
    }
    const double rough = (high - low) / std::max(ticks, 1);
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    double step = power * 10;
    for (double factor : {1.0, 2.0, 2.5, 5.0, 10.0})
        if (factor * power >= rough) {
            step = factor * power;
            break;
        }
    const double from = std::floor(low / step + 1e-9) * step;
    const double to = std::ceil(high / step - 1e-9) * step;
    return {from, to > from ? to : from + step, step};
}

double PlotArea::xOf(double value) const
{
    return Pixels.left() + (value - X.From) / (X.To - X.From) * Pixels.width();
}

double PlotArea::yOf(double value) const
{
    return Pixels.bottom() - (value - Y.From) / (Y.To - Y.From) * Pixels.height();
}

double PlotArea::valueAtX(double x) const
{
    return X.From + (x - Pixels.left()) / Pixels.width() * (X.To - X.From);
}

QString tickText(double value)
{
    if (std::abs(value) < 1e-9)
        value = 0;
    QString text = QString::number(value, 'f', 3);
    while (text.contains(QLatin1Char('.')) && (text.endsWith(QLatin1Char('0')) || text.endsWith(QLatin1Char('.'))))
        text.chop(1);
    return text;
}

QFont chartFont(const QFont& base, bool bold, int pixels)
{
    QFont font = base;
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

double plotLeftMargin(const QFont& base)
{
    const QFontMetricsF m(chartFont(base));
    return m.horizontalAdvance(QStringLiteral("-88.8")) + m.height() + 14;
}

double plotBottomMargin(const QFont& base)
{
    return QFontMetricsF(chartFont(base)).height() * 2 + 10;
}

namespace {

void paintGrid(QPainter& painter, const PlotArea& plot)
{
    painter.setPen(QPen(kChartGrid, 1));
    for (double x : plot.X.ticks())
        painter.drawLine(QPointF(plot.xOf(x), plot.Pixels.top()), QPointF(plot.xOf(x), plot.Pixels.bottom()));
    for (double y : plot.Y.ticks())
        painter.drawLine(QPointF(plot.Pixels.left(), plot.yOf(y)), QPointF(plot.Pixels.right(), plot.yOf(y)));
}

void paintTickLabels(QPainter& painter, const PlotArea& plot)
{
    const QFontMetricsF m(painter.font());
    painter.setPen(Qt::black);
    for (double x : plot.X.ticks()) {
        const QString text = tickText(x);
        const double w = m.horizontalAdvance(text);
        painter.drawText(QRectF(plot.xOf(x) - w / 2 - 2, plot.Pixels.bottom() + 3, w + 4, m.height()),
                         Qt::AlignCenter, text);
    }
    for (double y : plot.Y.ticks()) {
        const QString text = tickText(y);
        painter.drawText(QRectF(plot.Pixels.left() - 200 - 4, plot.yOf(y) - m.height() / 2, 200, m.height()),
                         Qt::AlignRight | Qt::AlignVCenter, text);
    }
}

void paintCaptions(QPainter& painter, const PlotArea& plot, const QString& xCaption, const QString& yCaption)
{
    const QFontMetricsF m(painter.font());
    const QRectF& r = plot.Pixels;
    painter.drawText(QRectF(r.left(), r.bottom() + 3 + m.height(), r.width(), m.height()), Qt::AlignCenter,
                     xCaption);
    painter.save();
    const double left = r.left() - m.horizontalAdvance(QStringLiteral("-88.8")) - 10 - m.height();
    painter.translate(left, r.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-r.height() / 2, 0, r.height(), m.height()), Qt::AlignCenter, yCaption);
    painter.restore();
}

} // namespace

void paintPlotFrame(QPainter& painter, const PlotArea& plot, const QString& xCaption, const QString& yCaption)
{
    painter.save();
    painter.setFont(chartFont(painter.font()));
    painter.fillRect(plot.Pixels, Qt::white);
    paintGrid(painter, plot);
    painter.setPen(QPen(kChartFrame, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot.Pixels);
    paintTickLabels(painter, plot);
    paintCaptions(painter, plot, xCaption, yCaption);
    painter.restore();
}

} // namespace brisko
