#include "render/RunChart.h"

#include "render/Race.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <algorithm>

namespace brisko {

namespace {

const QColor kCasing(70, 70, 70);
const QColor kFinishLine(200, 0, 0);
constexpr double kLineWidth = 2.5;
constexpr double kCasingWidth = 4.5;
constexpr double kGap = 12;

double longestTime(const std::vector<ChartRun>& runs)
{
    double t = 1;
    for (const ChartRun& run : runs)
        t = std::max(t, static_cast<double>(samplesOf(run.Trace).back().Time));
    return t;
}

std::pair<double, double> speedSpan(const std::vector<ChartRun>& runs)
{
    double low = 0, high = 1;
    for (const ChartRun& run : runs)
        for (const RunSample& s : samplesOf(run.Trace)) {
            low = std::min(low, static_cast<double>(s.Speed));
            high = std::max(high, static_cast<double>(s.Speed));
        }
    return {low, high};
}

double farthest(const std::vector<ChartRun>& runs)
{
    double d = kChartFinishFeet;
    for (const ChartRun& run : runs)
        for (const RunSample& s : samplesOf(run.Trace))
            d = std::max(d, static_cast<double>(s.Distance));
    return d;
}

QString legendLine(const ChartRun& run)
{
    return run.Name + QStringLiteral("  (") + finishText(run) + QLatin1Char(')');
}

double legendWidth(const std::vector<ChartRun>& runs, const QFont& base)
{
    const QFontMetricsF m(chartFont(base));
    double widest = QFontMetricsF(chartFont(base, true)).horizontalAdvance(QStringLiteral("Designs"));
    for (const ChartRun& run : runs)
        widest = std::max(widest, m.horizontalAdvance(legendLine(run)));
    return std::min(widest + 46, 320.0);
}

QVector<qreal> dashOf(std::size_t otherIndex)
{
    static const QVector<QVector<qreal>> dashes = {{}, {4, 2}, {1, 2}, {4, 2, 1, 2}, {6, 2, 1, 2, 1, 2}, {2, 2}};
    return dashes[otherIndex % dashes.size()];
}

// The dash of a pen measured in pixels, whatever its width, so the casing and the
// colour under it break at the same places.
QPen pixelDashedPen(const QColor& colour, double width, const QVector<qreal>& pixels)
{
    QPen pen(colour, width, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin);
    if (!pixels.isEmpty()) {
        QVector<qreal> pattern;
        for (qreal p : pixels)
            pattern << p * kLineWidth / width;
        pen.setDashPattern(pattern);
    }
    return pen;
}

QVector<qreal> dashOfRun(const std::vector<ChartRun>& runs, std::size_t index)
{
    if (runs[index].Current)
        return {};
    std::size_t other = 0;
    for (std::size_t i = 0; i < index; ++i)
        if (!runs[i].Current)
            ++other;
    return dashOf(other);
}

// The run's line as pieces of one colour each (skidding or not).
void paintSeries(QPainter& painter, const PlotArea& plot, const std::vector<RunSample>& samples,
                 float RunSample::*value, const QVector<qreal>& dash, const QColor& colour)
{
    std::size_t start = 0;
    while (start + 1 < samples.size()) {
        const bool skid = samples[start + 1].Skid;
        std::size_t end = start + 1;
        while (end + 1 < samples.size() && samples[end + 1].Skid == skid)
            ++end;
        QPolygonF line;
        for (std::size_t i = start; i <= end; ++i)
            line << QPointF(plot.xOf(samples[i].Time), plot.yOf(samples[i].*value));
        painter.setPen(pixelDashedPen(kCasing, kCasingWidth, dash));
        painter.drawPolyline(line);
        painter.setPen(pixelDashedPen(skid ? kSkidColour : colour, kLineWidth, dash));
        painter.drawPolyline(line);
        start = end;
    }
}

QColor colourOf(const ChartRun& run)
{
    return run.Current ? kSelectedColour : kLaneColour;
}

void paintFinishMarks(QPainter& painter, const PlotArea& plot, const std::vector<ChartRun>& runs)
{
    painter.save();
    painter.setFont(chartFont(painter.font(), true));
    const QFontMetricsF m(painter.font());
    painter.setPen(QPen(kFinishLine, 1.5, Qt::DashLine));
    const double y = plot.yOf(kChartFinishFeet);
    painter.drawLine(QPointF(plot.Pixels.left(), y), QPointF(plot.Pixels.right(), y));
    painter.setPen(kFinishLine);
    painter.drawText(QPointF(plot.Pixels.left() + 4, y - 4), QStringLiteral("15 ft"));
    for (const ChartRun& run : runs) {
        if (!run.Current || !run.FinishTime)
            continue;
        const double x = plot.xOf(*run.FinishTime);
        painter.setPen(QPen(kFinishLine, 1.5, Qt::DotLine));
        painter.drawLine(QPointF(x, y), QPointF(x, plot.Pixels.bottom()));
        painter.setPen(kFinishLine);
        const QString text = finishText(run);
        const double w = m.horizontalAdvance(text);
        const double left = std::min(x + 4, plot.Pixels.right() - w - 4);
        painter.drawText(QPointF(left, plot.Pixels.bottom() - 6), text);
    }
    painter.restore();
}

void paintLegend(QPainter& painter, const QRectF& box, const std::vector<ChartRun>& runs)
{
    painter.save();
    painter.setFont(chartFont(painter.font(), true));
    const double line = QFontMetricsF(painter.font()).height() + 6;
    painter.setPen(Qt::black);
    painter.drawText(QRectF(box.left(), box.top(), box.width(), line), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Designs"));
    painter.setFont(chartFont(painter.font()));
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const double y = box.top() + line * (i + 1.5);
        const QVector<qreal> dash = dashOfRun(runs, i);
        painter.setPen(pixelDashedPen(kCasing, kCasingWidth, dash));
        painter.drawLine(QPointF(box.left(), y), QPointF(box.left() + 34, y));
        painter.setPen(pixelDashedPen(colourOf(runs[i]), kLineWidth, dash));
        painter.drawLine(QPointF(box.left(), y), QPointF(box.left() + 34, y));
        painter.setPen(Qt::black);
        const QRectF text(box.left() + 40, y - line / 2, box.width() - 40, line);
        painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter,
                         painter.fontMetrics().elidedText(legendLine(runs[i]), Qt::ElideMiddle, int(text.width())));
    }
    painter.restore();
}

void paintHover(QPainter& painter, const RunChartLayout& layout, const std::vector<ChartRun>& runs, double time)
{
    const double x = layout.Distance.xOf(time);
    if (x < layout.Distance.Pixels.left() || x > layout.Distance.Pixels.right())
        return;
    painter.save();
    painter.setPen(QPen(Qt::black, 1));
    for (const PlotArea* plot : {&layout.Distance, &layout.Speed})
        painter.drawLine(QPointF(x, plot->Pixels.top()), QPointF(x, plot->Pixels.bottom()));
    for (const ChartRun& run : runs)
        if (const auto s = sampleAt(samplesOf(run.Trace), time)) {
            painter.setBrush(colourOf(run));
            painter.drawEllipse(QPointF(x, layout.Distance.yOf(s->Distance)), 3.5, 3.5);
            painter.drawEllipse(QPointF(x, layout.Speed.yOf(s->Speed)), 3.5, 3.5);
        }
    painter.setFont(chartFont(painter.font()));
    const QStringList texts = hoverTexts(runs, time);
    const QFontMetricsF m(painter.font());
    double w = 0;
    for (const QString& t : texts)
        w = std::max(w, m.horizontalAdvance(t));
    QRectF box(0, layout.Distance.Pixels.top() + 6, w + 12, m.height() * texts.size() + 8);
    const bool right = x + 8 + box.width() < layout.Distance.Pixels.right();
    box.moveLeft(right ? x + 8 : x - 8 - box.width());
    painter.setBrush(QColor(255, 255, 225));
    painter.drawRect(box);
    for (int i = 0; i < texts.size(); ++i)
        painter.drawText(QPointF(box.left() + 6, box.top() + 4 + m.ascent() + i * m.height()), texts[i]);
    painter.restore();
}

} // namespace

QString finishText(const ChartRun& run)
{
    if (!run.FinishTime)
        return QStringLiteral("short of 15 ft");
    return QStringLiteral("15 ft in ") + QString::number(*run.FinishTime, 'f', 2) + QStringLiteral(" sec");
}

QPen runPen(const std::vector<ChartRun>& runs, std::size_t index)
{
    return pixelDashedPen(colourOf(runs[index]), kLineWidth, dashOfRun(runs, index));
}

QStringList hoverTexts(const std::vector<ChartRun>& runs, double time)
{
    QStringList texts{QString::number(time, 'f', 2) + QStringLiteral(" sec")};
    for (const ChartRun& run : runs)
        if (const auto s = sampleAt(samplesOf(run.Trace), time))
            texts << run.Name + QStringLiteral(": ") + QString::number(s->Distance, 'f', 2) + QStringLiteral(" ft, ")
                    + QString::number(s->Speed, 'f', 2) + QStringLiteral(" ft/s");
    return texts;
}

RunChartLayout runChartLayout(const QSizeF& size, const std::vector<ChartRun>& runs, const QFont& base)
{
    const double legend = legendWidth(runs, base);
    const double left = plotLeftMargin(base);
    const double bottom = plotBottomMargin(base);
    const double width = std::max(size.width() - left - legend - 2 * kGap, 60.0);
    const double plots = std::max(size.height() - 2 * bottom - 2 * kGap, 80.0);
    const double distanceHeight = plots * 0.55;
    RunChartLayout layout;
    const AxisRange time = roundedRange(0, longestTime(runs), 8);
    // Room above the 15 ft line for its label, also when a run ends just short of it.
    layout.Distance = {QRectF(left, kGap, width, distanceHeight), time, roundedRange(0, farthest(runs) * 1.08, 5)};
    const auto [low, high] = speedSpan(runs);
    layout.Speed = {QRectF(left, kGap + distanceHeight + bottom, width, plots - distanceHeight), time,
                    roundedRange(low, high, 4)};
    layout.Legend = QRectF(left + width + kGap, kGap, legend, size.height() - 2 * kGap);
    return layout;
}

void paintRunChart(QPainter& painter, const QSizeF& size, const std::vector<ChartRun>& runs,
                   std::optional<double> hoverTime)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRectF(QPointF(0, 0), size), Qt::white);
    const RunChartLayout layout = runChartLayout(size, runs, painter.font());
    paintPlotFrame(painter, layout.Distance, QStringLiteral("Time (s)"), QStringLiteral("Distance (ft)"));
    paintPlotFrame(painter, layout.Speed, QStringLiteral("Time (s)"), QStringLiteral("Speed (ft/s)"));
    painter.setClipRect(layout.Distance.Pixels.united(layout.Speed.Pixels));
    // The current design last, over the others.
    for (int pass = 0; pass < 2; ++pass)
        for (std::size_t i = 0; i < runs.size(); ++i) {
            if (runs[i].Current != (pass == 1))
                continue;
            const std::vector<RunSample> samples = samplesOf(runs[i].Trace);
            const QVector<qreal> dash = dashOfRun(runs, i);
            paintSeries(painter, layout.Distance, samples, &RunSample::Distance, dash, colourOf(runs[i]));
            paintSeries(painter, layout.Speed, samples, &RunSample::Speed, dash, colourOf(runs[i]));
        }
    painter.setClipping(false);
    paintFinishMarks(painter, layout.Distance, runs);
    paintLegend(painter, layout.Legend, runs);
    if (hoverTime)
        paintHover(painter, layout, runs, *hoverTime);
    painter.restore();
}

} // namespace brisko
