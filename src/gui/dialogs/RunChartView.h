#pragma once
// The run chart on the screen: the runs it is given, painted by the chart painter,
// and the values at the time under the pointer.
#include "analysis/RunSamples.h"

#include <QWidget>
#include <optional>
#include <vector>

namespace brisko::gui {

class RunChartView : public QWidget {
    Q_OBJECT
public:
    explicit RunChartView(QWidget* parent = nullptr);

    void setRuns(std::vector<ChartRun> runs);
    const std::vector<ChartRun>& runs() const { return m_runs; }
    // The time under the pointer, none while it is outside the plots.
    std::optional<double> hoverTime() const { return m_hover; }
    // The pixel of the distance plot at `time` and `feet`, for pointing at a value.
    QPoint pointOf(double time, double feet) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    std::vector<ChartRun> m_runs;
    std::optional<double> m_hover;
};

} // namespace brisko::gui
