#pragma once
// The sweep map on the screen: the trials of the running or the last sweep, taken
// from the sweep's own list as it grows, painted by the sweep map's painter. While a
// sweep runs the map is repainted a few times a second, not after every combination.
#include "render/SweepMap.h"

#include <QWidget>
#include <optional>
#include <vector>

class QTimer;

namespace brisko::gui {

class SweepMapView : public QWidget {
    Q_OBJECT
public:
    explicit SweepMapView(QWidget* parent = nullptr);

    // A new sweep of that plan: the map empties and takes the plan's axes.
    void startSweep(const SweepPlan& plan);
    // The sweep's trials so far: those not yet shown are added.
    void follow(const std::vector<SweepTrial>& trials);
    // The sweep is over: the map is shown whole at once.
    void endSweep();

    const std::vector<SweepTrial>& trials() const { return m_trials; }
    // The map as it is painted.
    const SweepMap& map() const;
    SweepMapLayout layout() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<SweepTrial> m_trials;
    std::optional<SweepPlan> m_plan;
    mutable std::optional<SweepMap> m_map; // built again after a change, when asked for
    QTimer* m_repaint = nullptr;
};

} // namespace brisko::gui
