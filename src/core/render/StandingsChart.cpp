#include "render/StandingsChart.h"

#include <QFontMetricsF>
#include <algorithm>

namespace brisko {

namespace {

constexpr double kGap = 12;
constexpr double kMaxPitch = 34;
constexpr double kBarShare = 0.68;
const QColor kMessage(90, 90, 90);

double fontPixels(double pitch)
{
    return std::clamp(pitch * 0.72, 9.0, double(kChartFontPixels));
}

double nameWidth(const StandingsChart& chart, const QFont& font, double limit)
{
    const QFontMetricsF m(font);
    double widest = 0;
    for (const StandingBar& bar : chart.Bars)
        widest = std::max(widest, m.horizontalAdvance(standingBarLabel(bar)));
    return std::min(widest + 8, limit);
}

double noteHeight(const StandingsChart& chart, const QFont& base)
{
    return standingsChartNote(chart).isEmpty() ? 0 : QFontMetricsF(chartFont(base)).height() + 4;
}

// The time's tick labels are written above the bars too, for a chart that scrolls.
double topMargin(const QFont& base)
{
    return kGap + QFontMetricsF(chartFont(base)).height() + 2;
}

void paintTopTicks(QPainter& painter, const PlotArea& plot)
{
    painter.save();
    painter.setFont(chartFont(painter.font()));
    painter.setPen(Qt::black);
    const QFontMetricsF m(painter.font());
    for (double t : plot.X.ticks()) {
        const QString text = tickText(t);
        const double w = m.horizontalAdvance(text);
        painter.drawText(QRectF(plot.xOf(t) - w / 2 - 2, plot.Pixels.top() - m.height() - 2, w + 4, m.height()),
                         Qt::AlignCenter, text);
    }
    painter.restore();
}

QString plural(int count, const char* one, const char* many)
{
    return QString::number(count) + QLatin1Char(' ') + QString::fromLatin1(count == 1 ? one : many);
}

} // namespace

QColor standingBarColour(int place)
{
    switch (place) {
    case 1: return QColor(218, 165, 32);
    case 2: return QColor(168, 168, 176);
    case 3: return QColor(196, 120, 58);
    default: return kStandingBarColour;
    }
}

QString standingBarLabel(const StandingBar& bar)
{
    return QString::number(bar.Place) + QStringLiteral(". ") + bar.Name;
}

QString standingsChartNote(const StandingsChart& chart)
{
    QStringList parts;
    if (chart.Short > 0)
        parts << plural(chart.Short, "design short of 15 ft", "designs short of 15 ft");
    if (chart.Refused > 0)
        parts << plural(chart.Refused, "refused file", "refused files");
    if (parts.isEmpty())
        return {};
    const bool one = chart.Short + chart.Refused == 1;
    return parts.join(QStringLiteral(" and "))
        + (one ? QStringLiteral(" is not charted.") : QStringLiteral(" are not charted."));
}

StandingsChartLayout standingsChartLayout(const QSizeF& size, const StandingsChart& chart, const QFont& base)
{
    const std::size_t bars = chart.Bars.size();
    const double bottom = plotBottomMargin(base) + noteHeight(chart, base);
    const double top = topMargin(base);
    const double available = std::max(size.height() - top - bottom, 40.0);
    StandingsChartLayout layout;
    layout.Pitch = bars > 0 ? std::min(available / double(bars), kMaxPitch) : available;
    const QFont font = chartFont(base, false, int(fontPixels(layout.Pitch)));
    layout.NameWidth = nameWidth(chart, font, size.width() * 0.45);
    const double valueRoom = QFontMetricsF(font).horizontalAdvance(QStringLiteral("88.88")) + 8;
    const double left = std::max(layout.NameWidth + 6, 24.0);
    const double width = std::max(size.width() - left - valueRoom, 60.0);
    const double height = bars > 0 ? layout.Pitch * double(bars) : available;
    double longest = chart.AxisTime;
    for (const StandingBar& bar : chart.Bars)
        longest = std::max(longest, bar.Time);
    const AxisRange time = roundedRange(0, longest > 0 ? longest : 5, 6);
    layout.Plot = {QRectF(left, top, width, height), time, AxisRange{0, std::max(1.0, double(bars)), 0}};
    return layout;
}

double standingsChartHeight(const StandingsChart& chart, const QFont& base)
{
    const double bars = double(std::max<std::size_t>(chart.Bars.size(), 4));
    return topMargin(base) + bars * kStandingBarMinPitch + plotBottomMargin(base) + noteHeight(chart, base) + 2;
}

QRectF standingBarRect(const StandingsChartLayout& layout, const StandingsChart& chart, std::size_t index)
{
    const PlotArea& plot = layout.Plot;
    const double thickness = layout.Pitch * kBarShare;
    const double centre = plot.Pixels.top() + (double(index) + 0.5) * layout.Pitch;
    return QRectF(QPointF(plot.xOf(0), centre - thickness / 2),
                  QPointF(plot.xOf(chart.Bars[index].Time), centre + thickness / 2));
}

std::optional<std::size_t> standingBarAt(const StandingsChartLayout& layout, const StandingsChart& chart,
                                         const QPointF& at)
{
    const QRectF& plot = layout.Plot.Pixels;
    if (chart.Bars.empty() || at.y() < plot.top() || at.y() >= plot.bottom() || at.x() > plot.right()
        || layout.Pitch <= 0)
        return std::nullopt;
    const auto index = static_cast<std::size_t>((at.y() - plot.top()) / layout.Pitch);
    if (index >= chart.Bars.size())
        return std::nullopt;
    return index;
}

void paintStandingsChart(QPainter& painter, const QSizeF& size, const StandingsChart& chart)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRectF(QPointF(0, 0), size), Qt::white);
    const StandingsChartLayout layout = standingsChartLayout(size, chart, painter.font());
    const PlotArea& plot = layout.Plot;
    paintPlotFrame(painter, plot, QStringLiteral("Time to 15 ft (s)"), QString());
    paintTopTicks(painter, plot);
    const int pixels = int(fontPixels(layout.Pitch));
    const QFont plain = chartFont(painter.font(), false, pixels);
    const QFont bold = chartFont(painter.font(), true, pixels);
    for (std::size_t i = 0; i < chart.Bars.size(); ++i) {
        const StandingBar& bar = chart.Bars[i];
        const QRectF box = standingBarRect(layout, chart, i);
        const bool chosen = chart.Chosen && *chart.Chosen == bar.Position;
        const QColor colour = standingBarColour(bar.Place);
        painter.setPen(QPen(colour.darker(140), 1));
        painter.setBrush(colour);
        painter.drawRect(box);
        if (chosen) {
            painter.setPen(QPen(Qt::black, 2.5));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(box.adjusted(-1.5, -1.5, 1.5, 1.5));
        }
        const QRectF slot(0, box.center().y() - layout.Pitch / 2, layout.NameWidth, layout.Pitch);
        painter.setFont(chosen ? bold : plain);
        painter.setPen(Qt::black);
        painter.drawText(slot, Qt::AlignRight | Qt::AlignVCenter,
                         painter.fontMetrics().elidedText(standingBarLabel(bar), Qt::ElideRight,
                                                          int(layout.NameWidth - 6)));
        painter.drawText(QRectF(box.right() + 4, slot.top(), size.width() - box.right() - 4, slot.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, bar.TimeText);
    }
    painter.setFont(chartFont(painter.font()));
    const QFontMetricsF m(painter.font());
    if (chart.Bars.empty()) {
        painter.setPen(kMessage);
        const bool none = chart.Short == 0 && chart.Refused == 0;
        painter.drawText(plot.Pixels.adjusted(10, 10, -10, -10), Qt::AlignCenter | Qt::TextWordWrap,
                         none ? QStringLiteral("The time to 15 ft of each design is charted here as it is ranked.")
                              : QStringLiteral("No design has reached 15 ft."));
    }
    const QString note = standingsChartNote(chart);
    if (!note.isEmpty()) {
        painter.setPen(kMessage);
        const double top = plot.Pixels.bottom() + plotBottomMargin(painter.font());
        painter.drawText(QRectF(0, top, size.width(), m.height() + 4), Qt::AlignLeft | Qt::AlignVCenter,
                         m.elidedText(note, Qt::ElideRight, size.width()));
    }
    painter.restore();
}

} // namespace brisko
