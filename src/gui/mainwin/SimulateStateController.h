#pragma once
// The Simulate (Dynamic) state: time, speed and distance, the run's player with
// its labels, and the force bars of each frame over the sheet.
#include "mainwin/StateController.h"
#include "mainwin/StatePanels.h"

namespace brisko {
struct DynamicResult;
}

namespace brisko::gui {

class DynamicControls;
class PrototypeRefresh;
struct WindowContext;

class SimulateStateController : public StateController {
public:
    SimulateStateController(WindowContext& context, PrototypeRefresh& refresh, const SimulateFiguresPanel& figures,
                            const RunControls& run);

    QList<QWidget*> panels() const override { return {m_figures.panel}; }
    void enter() override;
    void leave() override;

    const RunControls& run() const { return m_run; }
    const DynamicControls& controls() const { return *m_controls; }
    // The note under the distance when the run fell short of the projection.
    void showRevisedDistance(const DynamicResult& result);

private:
    WindowContext& m_context;
    SimulateFiguresPanel m_figures;
    RunControls m_run;
    DynamicControls* m_controls;
};

} // namespace brisko::gui
