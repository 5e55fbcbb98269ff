#include "dialogs/StandingsChartView.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace brisko::gui {

namespace {
constexpr int kLeastWidth = 300;
}

StandingsChartView::StandingsChartView(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("CSChartView"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::MinimumExpanding);
}

void StandingsChartView::setChart(StandingsChart chart)
{
    chart.Chosen = m_chart.Chosen;
    const bool taller = chart.Bars.size() != m_chart.Bars.size();
    m_chart = std::move(chart);
    if (taller)
        updateGeometry();
    update();
}

void StandingsChartView::setChosen(std::optional<int> position)
{
    if (m_chart.Chosen == position)
        return;
    m_chart.Chosen = position;
    update();
}

StandingsChartLayout StandingsChartView::layout() const
{
    return standingsChartLayout(size(), m_chart, font());
}

QSize StandingsChartView::sizeHint() const
{
    return minimumSizeHint();
}

QSize StandingsChartView::minimumSizeHint() const
{
    return QSize(kLeastWidth, static_cast<int>(std::ceil(standingsChartHeight(m_chart, font()))));
}

void StandingsChartView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintStandingsChart(painter, size(), m_chart);
}

void StandingsChartView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (const auto index = standingBarAt(layout(), m_chart, event->position()))
        emit barChosen(m_chart.Bars[*index].Position);
}

} // namespace brisko::gui
