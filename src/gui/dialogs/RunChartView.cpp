#include "dialogs/RunChartView.h"

#include "render/RunChart.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace brisko::gui {

RunChartView::RunChartView(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("RunChartView"));
    setMouseTracking(true);
    setMinimumSize(560, 380);
}

void RunChartView::setRuns(std::vector<ChartRun> runs)
{
    m_runs = std::move(runs);
    update();
}

QPoint RunChartView::pointOf(double time, double feet) const
{
    const RunChartLayout layout = runChartLayout(size(), m_runs, font());
    return QPoint(static_cast<int>(std::lround(layout.Distance.xOf(time))),
                  static_cast<int>(std::lround(layout.Distance.yOf(feet))));
}

void RunChartView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintRunChart(painter, size(), m_runs, m_hover);
}

void RunChartView::mouseMoveEvent(QMouseEvent* event)
{
    const RunChartLayout layout = runChartLayout(size(), m_runs, font());
    const QPointF at = event->position();
    const bool inside = (layout.Distance.Pixels.contains(at) || layout.Speed.Pixels.contains(at));
    std::optional<double> hover;
    if (inside)
        hover = std::round(layout.Distance.valueAtX(at.x()) * 100.0) / 100.0; // a step of the run
    if (hover != m_hover) {
        m_hover = hover;
        update();
    }
}

void RunChartView::leaveEvent(QEvent*)
{
    m_hover.reset();
    update();
}

} // namespace brisko::gui
