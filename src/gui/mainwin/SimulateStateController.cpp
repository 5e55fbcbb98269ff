#include "mainwin/SimulateStateController.h"

#include "analysis/Dynamics.h"
#include "mainwin/DrawingArea.h"
#include "mainwin/DynamicControls.h"
#include "mainwin/ForceDisplay.h"
#include "mainwin/WindowContext.h"

#include <QLabel>

namespace brisko::gui {

SimulateStateController::SimulateStateController(WindowContext& context, PrototypeRefresh& refresh,
                                                 const SimulateFiguresPanel& figures, const RunControls& run)
    : m_context(context)
    , m_figures(figures)
    , m_run(run)
    , m_controls(new DynamicControls(context, refresh, run))
{
}

void SimulateStateController::enter()
{
    m_figures.panel->show();
    m_run.panel->show();
    zeroForceShapes(&m_context.sheet);
    showForceShapes(&m_context.sheet, true);
}

void SimulateStateController::leave()
{
    m_figures.panel->hide();
    m_run.panel->hide();
    m_run.note->hide();
    hideForceDisplay(&m_context.sheet);
}

void SimulateStateController::showRevisedDistance(const DynamicResult& result)
{
    m_figures.revised->setText(result.RevisedVisible ? result.RevisedLabel : QString());
    m_figures.revised->setVisible(result.RevisedVisible);
}

} // namespace brisko::gui
