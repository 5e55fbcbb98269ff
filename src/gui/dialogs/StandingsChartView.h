#pragma once
// The standings chart on the screen, beside the table: the chart it is given, painted
// by the standings chart's painter, as tall as its bars need (it scrolls when they
// are many); a click on a bar chooses that design.
#include "render/StandingsChart.h"

#include <QWidget>

namespace brisko::gui {

class StandingsChartView : public QWidget {
    Q_OBJECT
public:
    explicit StandingsChartView(QWidget* parent = nullptr);

    void setChart(StandingsChart chart);
    void setChosen(std::optional<int> position);
    const StandingsChart& chart() const { return m_chart; }
    StandingsChartLayout layout() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // The standings position of the bar clicked.
    void barChosen(int position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    StandingsChart m_chart;
};

} // namespace brisko::gui
