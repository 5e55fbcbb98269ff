#include "render/SweepMap.h"

#include "text/NumberText.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <limits>
#include <unordered_map>

namespace brisko {

namespace {

constexpr double kGap = 12;
constexpr double kLegendMax = 210;
constexpr double kLineWidth = 2;
constexpr double kDot = 3;
constexpr double kBestRing = 8;
constexpr double kColourBarWidth = 18;
constexpr std::size_t kMostDots = 3000;
const QColor kShortMark(120, 120, 120);
const QColor kMessage(90, 90, 90);
const QChar kTimes(0x00D7);

constexpr SweepParameter kOrder[] = {SweepParameter::Wheel, SweepParameter::Length, SweepParameter::Width};

QString shortName(SweepParameter parameter)
{
    switch (parameter) {
    case SweepParameter::Wheel: return QStringLiteral("Wheel");
    case SweepParameter::Length: return QStringLiteral("Length");
    case SweepParameter::Width: return QStringLiteral("Width");
    }
    return {};
}

bool sameValue(double a, double b)
{
    return std::abs(a - b) <= 1e-6 * std::max(1.0, std::max(std::abs(a), std::abs(b)));
}

// Ascending, values within single-precision noise of each other kept once.
std::vector<double> distinct(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    std::vector<double> out;
    for (double v : values)
        if (out.empty() || !sameValue(out.back(), v))
            out.push_back(v);
    return out;
}

std::vector<double> plannedValues(const SweepPlan& plan, SweepParameter parameter)
{
    const SweepRange& range = parameter == SweepParameter::Wheel    ? plan.Wheel
                              : parameter == SweepParameter::Length ? plan.Length
                                                                    : plan.Width;
    std::vector<double> values;
    for (float v : sweepValues(range))
        values.push_back(v);
    return values;
}

std::optional<double> timeOf(const QString& text)
{
    if (text.isEmpty() || text.startsWith(QLatin1Char('[')))
        return std::nullopt;
    return toDouble(text);
}

std::size_t indexOf(const std::vector<double>& values, double value)
{
    const auto at = std::lower_bound(values.begin(), values.end(), value);
    std::size_t i = static_cast<std::size_t>(at - values.begin());
    if (i > 0 && (i == values.size() || std::abs(values[i - 1] - value) < std::abs(values[i] - value)))
        --i;
    return i;
}

// The edges of the value's cell along an axis of those values.
std::pair<double, double> cellEdges(const std::vector<double>& values, double value)
{
    if (values.size() < 2)
        return {value - 0.5, value + 0.5};
    const std::size_t i = indexOf(values, value);
    const double before = i > 0 ? (values[i] - values[i - 1]) / 2 : (values[1] - values[0]) / 2;
    const double after = i + 1 < values.size() ? (values[i + 1] - values[i]) / 2 : before;
    return {values[i] - before, values[i] + after};
}

// From the first cell's edge to the last one's, ticked at round steps.
AxisRange cellRange(const std::vector<double>& values)
{
    if (values.empty())
        return roundedRange(0, 1, 5);
    const double low = cellEdges(values, values.front()).first;
    const double high = cellEdges(values, values.back()).second;
    return {low, high, roundedRange(low, high, 6).Step};
}

AxisRange valueRange(const std::vector<double>& values)
{
    if (values.empty())
        return roundedRange(4, 7.5, 7);
    return roundedRange(values.front(), values.back(), 7);
}

// The times' range with a little room above and below, so no point sits on the frame.
AxisRange timeRange(const std::vector<double>& times, int ticks)
{
    if (times.empty())
        return roundedRange(0, 1, ticks);
    const auto [low, high] = std::minmax_element(times.begin(), times.end());
    const double span = *high - *low > 0 ? *high - *low : std::max(*high * 0.1, 0.1);
    return roundedRange(std::max(0.0, *low - span * 0.08), *high + span * 0.08, ticks);
}

QString valueText(double value)
{
    QString text = QString::number(value, 'f', 3);
    while (text.contains(QLatin1Char('.')) && (text.endsWith(QLatin1Char('0')) || text.endsWith(QLatin1Char('.'))))
        text.chop(1);
    return text;
}

QString timeText(double time)
{
    return QString::number(time, 'f', 2) + QStringLiteral(" sec");
}

QVector<qreal> dashOf(std::size_t series)
{
    static const QVector<QVector<qreal>> dashes = {{}, {5, 2}, {1.5, 2}, {5, 2, 1.5, 2}};
    return dashes[(series / 10) % dashes.size()];
}

QPen seriesPen(std::size_t series)
{
    QPen pen(sweepSeriesColour(series), kLineWidth, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin);
    if (!dashOf(series).isEmpty())
        pen.setDashPattern(dashOf(series));
    return pen;
}

void paintShortMark(QPainter& painter, const QPointF& at, const QColor& colour)
{
    painter.setPen(QPen(colour, 2));
    painter.drawLine(at + QPointF(-4, -4), at + QPointF(4, 4));
    painter.drawLine(at + QPointF(-4, 4), at + QPointF(4, -4));
}

void paintBestRing(QPainter& painter, const QPointF& at)
{
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 3));
    painter.drawEllipse(at, kBestRing, kBestRing);
    painter.setPen(QPen(Qt::white, 1.2));
    painter.drawEllipse(at, kBestRing, kBestRing);
}

void paintShortCell(QPainter& painter, const QRectF& cell)
{
    painter.fillRect(cell, kSweepShortColour);
    painter.fillRect(cell, QBrush(kShortMark, Qt::BDiagPattern));
}

QString bestText(double time)
{
    return QStringLiteral("Best ") + timeText(time);
}

// The best's time beside its mark, over the other marks.
void paintBestLabel(QPainter& painter, const QRectF& box, double time)
{
    painter.setFont(chartFont(painter.font(), true));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 235));
    painter.drawRect(box);
    painter.setPen(Qt::black);
    painter.drawText(box, Qt::AlignCenter, bestText(time));
}

// Beside the best's ring, inside the plot, where it hides the fewest combinations.
QRectF bestLabelBox(const SweepMapLayout& layout, const SweepMap& map, const QFont& base)
{
    if (!map.Best)
        return {};
    const QFontMetricsF m(chartFont(base, true));
    const QSizeF size(m.horizontalAdvance(bestText(*map.Best->Time)) + 8, m.height());
    const QPointF at = sweepMapPoint(layout, map, *map.Best);
    const QRectF& plot = layout.Plot.Pixels;
    const double gap = kBestRing + 3;
    const QPointF corners[] = {at + QPointF(gap, gap - 4), at + QPointF(gap, -gap + 4 - size.height()),
                               at + QPointF(-gap - size.width(), gap - 4),
                               at + QPointF(-gap - size.width(), -gap + 4 - size.height())};
    std::vector<QPointF> marks;
    if (map.Shape == SweepMapShape::Lines) {
        for (const SweepSeries& s : map.Series)
            for (const SweepPoint& p : s.Points)
                if (p.Time)
                    marks.push_back(sweepMapPoint(layout, map, p));
    } else {
        for (const SweepPoint& p : map.Cells)
            marks.push_back(sweepMapPoint(layout, map, p));
    }
    QRectF best;
    std::size_t fewest = std::numeric_limits<std::size_t>::max();
    for (const QPointF& corner : corners) {
        QRectF box(corner, size);
        const double right = std::max(plot.left() + 2, plot.right() - 2 - box.width());
        const double bottom = std::max(plot.top() + 2, plot.bottom() - 2 - box.height());
        box.moveLeft(std::clamp(box.left(), plot.left() + 2, right));
        box.moveTop(std::clamp(box.top(), plot.top() + 2, bottom));
        const QRectF room = box.adjusted(-kDot, -kDot, kDot, kDot);
        std::size_t hidden = 0;
        for (const QPointF& mark : marks)
            hidden += room.contains(mark) ? 1 : 0;
        if (hidden < fewest) {
            fewest = hidden;
            best = box;
        }
    }
    return best;
}

void paintMessage(QPainter& painter, const QRectF& plot, const QString& text)
{
    painter.setFont(chartFont(painter.font()));
    painter.setPen(kMessage);
    painter.drawText(plot.adjusted(20, 20, -20, -20), Qt::AlignCenter | Qt::TextWordWrap, text);
}

QString countsText(const SweepMap& map)
{
    QString tried = QString::number(map.Tried);
    if (map.Planned > 0)
        tried += QStringLiteral(" of ") + QString::number(map.Planned, 'f', 0);
    return QStringLiteral("Tried %1\nReached 15 ft: %2").arg(tried).arg(map.Reached);
}

bool anyShort(const SweepMap& map)
{
    return map.Reached < map.Tried;
}

double legendLine(const QFont& base)
{
    return QFontMetricsF(chartFont(base)).height() + 5;
}

double legendWidth(const SweepMap& map, const QFont& base)
{
    const QFontMetricsF m(chartFont(base));
    const QFontMetricsF bold(chartFont(base, true));
    double widest = std::max(bold.horizontalAdvance(map.SeriesHeading),
                             m.horizontalAdvance(QStringLiteral("short of 15 ft")) + 30);
    for (const QString& line : countsText(map).split(QLatin1Char('\n')))
        widest = std::max(widest, m.horizontalAdvance(line));
    if (map.Shape == SweepMapShape::Lines)
        for (const SweepSeries& s : map.Series)
            widest = std::max(widest, m.horizontalAdvance(s.Name) + 36);
    else
        widest = std::max(widest, bold.horizontalAdvance(QStringLiteral("Time to 15 ft (s)")));
    return std::min(widest + 6, kLegendMax);
}

// One row of the legend: a sample drawn by `sample` in the first 28 pixels, then the text.
template <typename Sample>
void legendRow(QPainter& painter, const QRectF& box, double y, const QString& text, Sample sample)
{
    painter.save();
    sample(QPointF(box.left() + 14, y));
    painter.restore();
    painter.setPen(Qt::black);
    const QRectF room(box.left() + 34, y - 10, box.width() - 34, 20);
    painter.drawText(room, Qt::AlignLeft | Qt::AlignVCenter,
                     painter.fontMetrics().elidedText(text, Qt::ElideRight, int(room.width())));
}

void paintLegend(QPainter& painter, const SweepMapLayout& layout, const SweepMap& map)
{
    painter.save();
    const QRectF& box = layout.Legend;
    const double line = legendLine(painter.font());
    double y = box.top() + line / 2;
    painter.setPen(Qt::black);
    painter.setFont(chartFont(painter.font(), true));
    const QString heading = map.Shape == SweepMapShape::Lines ? map.SeriesHeading : QStringLiteral("Time to 15 ft (s)");
    painter.drawText(QRectF(box.left(), y - line / 2, box.width(), line), Qt::AlignLeft | Qt::AlignVCenter, heading);
    painter.setFont(chartFont(painter.font()));
    y += line;
    // What follows the series or the colour bar: the marks and the counts.
    const int tail = 1 + (anyShort(map) ? 1 : 0) + 3;
    const double tailTop = box.bottom() - tail * line;
    if (map.Shape == SweepMapShape::Lines) {
        const std::size_t room = static_cast<std::size_t>(std::max(0.0, (tailTop - y) / line));
        const std::size_t shown = map.Series.size() <= room ? map.Series.size() : (room > 0 ? room - 1 : 0);
        for (std::size_t i = 0; i < shown; ++i, y += line)
            legendRow(painter, box, y, map.Series[i].Name, [&](QPointF at) {
                painter.setPen(seriesPen(i));
                painter.drawLine(at - QPointF(13, 0), at + QPointF(13, 0));
                painter.setBrush(sweepSeriesColour(i));
                painter.setPen(Qt::NoPen);
                painter.drawEllipse(at, kDot, kDot);
            });
        if (shown < map.Series.size()) {
            painter.setPen(Qt::black);
            painter.drawText(QRectF(box.left(), y - line / 2, box.width(), line), Qt::AlignLeft | Qt::AlignVCenter,
                             QStringLiteral("... and %1 more").arg(map.Series.size() - shown));
            y += line;
        }
    } else {
        // The colour bar, the shortest time at its foot.
        const double top = y - line / 2 + 4;
        const double bottom = std::max(top + 40, tailTop - line / 2);
        const QRectF bar(box.left() + 4, top, kColourBarWidth, bottom - top);
        const int bands = std::max(1, static_cast<int>(bar.height() / 2));
        for (int b = 0; b < bands; ++b) {
            const double t = layout.Time.From + (b + 0.5) / bands * (layout.Time.To - layout.Time.From);
            painter.fillRect(QRectF(bar.left(), bar.bottom() - (b + 1) * bar.height() / bands, bar.width(),
                                    bar.height() / bands + 0.5),
                             sweepTimeColour(t, layout.Time));
        }
        painter.setPen(QPen(kChartFrame, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(bar);
        const QFontMetricsF m(painter.font());
        painter.setPen(Qt::black);
        for (double t : layout.Time.ticks()) {
            const double span = layout.Time.To - layout.Time.From;
            const double ty = bar.bottom() - (t - layout.Time.From) / span * bar.height();
            painter.drawLine(QPointF(bar.right(), ty), QPointF(bar.right() + 4, ty));
            const QRectF label(bar.right() + 7, ty - m.height() / 2, box.width() - kColourBarWidth - 12, m.height());
            painter.drawText(label, Qt::AlignLeft | Qt::AlignVCenter, tickText(t));
        }
        y = bottom + line;
    }
    y = std::max(y, tailTop + line / 2);
    legendRow(painter, box, y, QStringLiteral("Best"), [&](QPointF at) { paintBestRing(painter, at); });
    y += line;
    if (anyShort(map)) {
        legendRow(painter, box, y, QStringLiteral("short of 15 ft"), [&](QPointF at) {
            if (map.Shape == SweepMapShape::Lines)
                paintShortMark(painter, at, kShortMark);
            else
                paintShortCell(painter, QRectF(at - QPointF(9, 7), QSizeF(18, 14)));
        });
        y += line;
    }
    painter.setPen(Qt::black);
    if (map.Tried > 0 || map.Planned > 0)
        painter.drawText(QRectF(box.left(), y, box.width(), 2 * line), Qt::AlignLeft | Qt::AlignTop, countsText(map));
    painter.restore();
}

QRectF markRoom(const PlotArea& plot)
{
    return plot.Pixels.adjusted(-kBestRing - 2, -kBestRing - 2, kBestRing + 2, kBestRing + 2);
}

void paintLines(QPainter& painter, const SweepMapLayout& layout, const SweepMap& map)
{
    painter.save();
    painter.setClipRect(markRoom(layout.Plot));
    for (std::size_t i = 0; i < map.Series.size(); ++i) {
        const std::vector<SweepPoint>& points = map.Series[i].Points;
        // A line through the consecutive points that reached 15 ft.
        QPolygonF line;
        auto flush = [&] {
            if (line.size() > 1) {
                painter.setPen(seriesPen(i));
                painter.drawPolyline(line);
            }
            line.clear();
        };
        for (const SweepPoint& p : points) {
            if (p.Time)
                line << sweepMapPoint(layout, map, p);
            else
                flush();
        }
        flush();
    }
    painter.restore();
}

// The dot of every combination that reached 15 ft, a cross at the top for the others;
// a sweep of thousands of combinations shows its lines only.
void paintDots(QPainter& painter, const SweepMapLayout& layout, const SweepMap& map)
{
    if (map.Tried > kMostDots)
        return;
    const PlotArea& plot = layout.Plot;
    const double shortY = plot.Pixels.top() + 7;
    painter.save();
    painter.setClipRect(markRoom(plot));
    for (std::size_t i = 0; i < map.Series.size(); ++i) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(sweepSeriesColour(i));
        for (const SweepPoint& p : map.Series[i].Points) {
            if (p.Time)
                painter.drawEllipse(sweepMapPoint(layout, map, p), kDot, kDot);
            else
                paintShortMark(painter, QPointF(plot.xOf(p.valueOf(map.X)), shortY), sweepSeriesColour(i));
            painter.setPen(Qt::NoPen);
        }
    }
    painter.restore();
}

void paintColours(QPainter& painter, const SweepMapLayout& layout, const SweepMap& map)
{
    painter.save();
    painter.setClipRect(layout.Plot.Pixels);
    painter.setRenderHint(QPainter::Antialiasing, false); // no seams between the cells
    for (const SweepPoint& p : map.Cells) {
        const QRectF cell = sweepMapCell(layout, map, p);
        if (p.Time)
            painter.fillRect(cell, sweepTimeColour(*p.Time, layout.Time));
        else
            paintShortCell(painter, cell);
    }
    // Each time written in its cell where the cell has room for it.
    painter.setFont(chartFont(painter.font()));
    const QFontMetricsF m(painter.font());
    const double room = m.horizontalAdvance(QStringLiteral("8.88")) + 8;
    for (const SweepPoint& p : map.Cells) {
        const QRectF cell = sweepMapCell(layout, map, p);
        const bool best = map.Best && map.Best->Trial == p.Trial; // its label tells it
        if (!p.Time || best || cell.width() < room || cell.height() < m.height() * 2.5)
            continue;
        painter.setPen(sweepTimeColour(*p.Time, layout.Time).lightness() < 140 ? Qt::white : Qt::black);
        painter.drawText(cell, Qt::AlignCenter, QString::number(*p.Time, 'f', 2));
    }
    painter.restore();
    // The frame again over the cells' edges.
    painter.setPen(QPen(kChartFrame, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(layout.Plot.Pixels);
}

} // namespace

double SweepPoint::valueOf(SweepParameter parameter) const
{
    switch (parameter) {
    case SweepParameter::Wheel: return Wheel;
    case SweepParameter::Length: return Length;
    case SweepParameter::Width: return Width;
    }
    return 0;
}

std::vector<double> SweepMap::times() const
{
    std::vector<double> out;
    auto add = [&out](const SweepPoint& p) {
        if (p.Time)
            out.push_back(*p.Time);
    };
    for (const SweepSeries& s : Series)
        for (const SweepPoint& p : s.Points)
            add(p);
    for (const SweepPoint& p : Cells)
        add(p);
    return out;
}

QString sweepParameterCaption(SweepParameter parameter)
{
    switch (parameter) {
    case SweepParameter::Wheel: return QStringLiteral("Drive wheel diameter (in)");
    case SweepParameter::Length: return QStringLiteral("Spring length (in)");
    case SweepParameter::Width: return QStringLiteral("Spring width (in)");
    }
    return {};
}

QColor sweepSeriesColour(std::size_t series)
{
    static const QColor palette[] = {{31, 119, 180}, {255, 127, 14}, {44, 160, 44},  {214, 39, 40},
                                     {148, 103, 189}, {140, 86, 75},  {227, 119, 194}, {127, 127, 127},
                                     {188, 189, 34},  {23, 190, 207}};
    return palette[series % std::size(palette)];
}

QColor sweepTimeColour(double time, const AxisRange& range)
{
    static const QColor stops[] = {{68, 1, 84}, {59, 82, 139}, {33, 145, 140}, {94, 201, 98}, {253, 231, 37}};
    constexpr int last = static_cast<int>(std::size(stops)) - 1;
    const double span = range.To - range.From;
    const double f = std::clamp(span > 0 ? (time - range.From) / span : 0.0, 0.0, 1.0) * last;
    const int i = std::min(static_cast<int>(f), last - 1);
    const double t = f - i;
    const QColor& a = stops[i];
    const QColor& b = stops[i + 1];
    return QColor(qRound(a.red() + (b.red() - a.red()) * t), qRound(a.green() + (b.green() - a.green()) * t),
                  qRound(a.blue() + (b.blue() - a.blue()) * t));
}

SweepPoint sweepPoint(const SweepTrial& trial, std::size_t index)
{
    SweepPoint p;
    p.Wheel = toDouble(trial.Combination.Wheel).value_or(0);
    p.Length = toDouble(trial.Combination.Length).value_or(0);
    p.Width = toDouble(trial.Combination.Width).value_or(0);
    p.Time = timeOf(trial.Time);
    p.Trial = index;
    return p;
}

SweepMap sweepMap(const std::vector<SweepTrial>& trials, const SweepPlan* plan)
{
    std::vector<SweepPoint> points;
    points.reserve(trials.size());
    for (std::size_t i = 0; i < trials.size(); ++i)
        points.push_back(sweepPoint(trials[i], i));
    return sweepMapOfPoints(std::move(points), plan);
}

SweepMap sweepMapOfPoints(std::vector<SweepPoint> points, const SweepPlan* plan)
{
    SweepMap map;
    for (const SweepPoint& p : points) {
        // The best as the sweep keeps it: the first of the shortest times.
        if (p.Time && (!map.Best || *p.Time < *map.Best->Time))
            map.Best = p;
        map.Reached += p.Time ? 1 : 0;
    }
    map.Tried = points.size();
    map.Planned = plan ? combinationCount(*plan) : 0;

    // Every value of each parameter, planned or run.
    std::vector<double> values[3];
    std::vector<SweepParameter> varying;
    for (int k = 0; k < 3; ++k) {
        std::vector<double> all = plan ? plannedValues(*plan, kOrder[k]) : std::vector<double>();
        for (const SweepPoint& p : points)
            all.push_back(p.valueOf(kOrder[k]));
        values[k] = distinct(std::move(all));
        if (values[k].size() > 1)
            varying.push_back(kOrder[k]);
    }
    auto valuesOf = [&values](SweepParameter parameter) {
        return values[parameter == SweepParameter::Wheel ? 0 : parameter == SweepParameter::Length ? 1 : 2];
    };

    if (varying.size() == 2) {
        map.Shape = SweepMapShape::Colours;
        map.X = varying[0];
        map.Y = varying[1];
        map.XValues = valuesOf(map.X);
        map.YValues = valuesOf(map.Y);
        map.Cells = std::move(points);
        return map;
    }
    map.Shape = SweepMapShape::Lines;
    map.X = varying.size() == 1 ? varying[0] : SweepParameter::Wheel;
    map.XValues = valuesOf(map.X);
    std::vector<SweepParameter> others;
    for (SweepParameter p : kOrder)
        if (p != map.X)
            others.push_back(p);
    map.SeriesHeading = shortName(others[0]) + QLatin1Char(' ') + kTimes + QLatin1Char(' ')
        + shortName(others[1]).toLower() + QStringLiteral(" (in)");
    // A series for each pair of the other two values, in the order first tried.
    const std::vector<double> first = valuesOf(others[0]);
    const std::vector<double> second = valuesOf(others[1]);
    std::unordered_map<std::size_t, std::size_t> seriesOf;
    for (const SweepPoint& p : points) {
        const std::size_t key =
            indexOf(first, p.valueOf(others[0])) * second.size() + indexOf(second, p.valueOf(others[1]));
        const auto [at, added] = seriesOf.try_emplace(key, map.Series.size());
        if (added)
            map.Series.push_back({valueText(p.valueOf(others[0])) + QLatin1Char(' ') + kTimes + QLatin1Char(' ')
                                      + valueText(p.valueOf(others[1])),
                                  {}});
        map.Series[at->second].Points.push_back(p);
    }
    for (SweepSeries& s : map.Series)
        std::stable_sort(s.Points.begin(), s.Points.end(), [&map](const SweepPoint& a, const SweepPoint& b) {
            return a.valueOf(map.X) < b.valueOf(map.X);
        });
    return map;
}

SweepMapLayout sweepMapLayout(const QSizeF& size, const SweepMap& map, const QFont& base)
{
    const double legend = legendWidth(map, base);
    const double left = plotLeftMargin(base);
    const double bottom = plotBottomMargin(base);
    const double width = std::max(size.width() - left - legend - 2 * kGap, 60.0);
    const double height = std::max(size.height() - bottom - kGap, 60.0);
    SweepMapLayout layout;
    layout.Legend = QRectF(left + width + kGap, kGap, legend, size.height() - 2 * kGap);
    const std::vector<double> times = map.times();
    // The colour scale spans the times themselves, for the most contrast.
    if (times.empty()) {
        layout.Time = roundedRange(0, 1, 5);
    } else {
        const auto [low, high] = std::minmax_element(times.begin(), times.end());
        const double pad = *high > *low ? 0 : 0.05;
        layout.Time = {*low - pad, *high + pad, roundedRange(*low - pad, *high + pad, 5).Step};
    }
    if (map.Shape == SweepMapShape::Colours) {
        layout.Plot = {QRectF(left, kGap, width, height), cellRange(map.XValues), cellRange(map.YValues)};
    } else {
        AxisRange x = valueRange(map.XValues);
        layout.Plot = {QRectF(left, kGap, width, height), x, timeRange(times, 6)};
    }
    layout.BestLabel = bestLabelBox(layout, map, base);
    return layout;
}

QPointF sweepMapPoint(const SweepMapLayout& layout, const SweepMap& map, const SweepPoint& point)
{
    if (map.Shape == SweepMapShape::Colours)
        return sweepMapCell(layout, map, point).center();
    return QPointF(layout.Plot.xOf(point.valueOf(map.X)), layout.Plot.yOf(point.Time.value_or(layout.Plot.Y.To)));
}

QRectF sweepMapCell(const SweepMapLayout& layout, const SweepMap& map, const SweepPoint& point)
{
    const auto [x0, x1] = cellEdges(map.XValues, point.valueOf(map.X));
    const auto [y0, y1] = cellEdges(map.YValues, point.valueOf(map.Y));
    const PlotArea& plot = layout.Plot;
    return QRectF(QPointF(plot.xOf(x0), plot.yOf(y1)), QPointF(plot.xOf(x1), plot.yOf(y0)));
}

QImage sweepMapPicture(const SweepMap& map, const QSize& size, qreal pixelRatio, const QFont& font)
{
    QImage picture(size * pixelRatio, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(pixelRatio);
    QPainter painter(&picture);
    painter.setFont(font);
    paintSweepMap(painter, size, map);
    return picture;
}

void paintSweepMap(QPainter& painter, const QSizeF& size, const SweepMap& map)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRectF(QPointF(0, 0), size), Qt::white);
    const SweepMapLayout layout = sweepMapLayout(size, map, painter.font());
    const bool colours = map.Shape == SweepMapShape::Colours;
    paintPlotFrame(painter, layout.Plot, sweepParameterCaption(map.X),
                   colours ? sweepParameterCaption(map.Y) : QStringLiteral("Time to 15 ft (s)"));
    if (colours)
        paintColours(painter, layout, map);
    else
        paintLines(painter, layout, map);
    if (!colours)
        paintDots(painter, layout, map);
    if (map.Best) {
        paintBestRing(painter, sweepMapPoint(layout, map, *map.Best));
        paintBestLabel(painter, layout.BestLabel, *map.Best->Time);
    }
    if (map.Tried == 0)
        paintMessage(painter, layout.Plot.Pixels,
                     QStringLiteral("Press GO: the time to 15 ft of every combination tried is charted here."));
    else if (!map.Best)
        paintMessage(painter, layout.Plot.Pixels, QStringLiteral("No combination has reached 15 ft yet."));
    paintLegend(painter, layout, map);
    painter.restore();
}

} // namespace brisko
