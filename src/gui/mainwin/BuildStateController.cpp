#include "mainwin/BuildStateController.h"

#include "mainwin/WindowContext.h"
#include "output/BuildView.h"
#include "render/SlabSweep.h"
#include "session/Session.h"

#include <QWidget>

namespace brisko::gui {

BuildStateController::BuildStateController(WindowContext& context, PrototypeRefresh& refresh, QWidget* figuresPanel,
                                           const Play3DControls& play, const DesignTools& tools,
                                           std::function<void(bool)> lockWindow)
    : m_context(context)
    , m_figuresPanel(figuresPanel)
    , m_play(play)
    , m_view(new BuildView(context, refresh, play, tools, figuresPanel, std::move(lockWindow)))
{
}

// The figures show once the car is built.
void BuildStateController::enter()
{
    m_play.panel->show();
}

void BuildStateController::leave()
{
    if (m_view->isDrawing()) {
        WindowContext& context = m_context;
        m_view->abandon([&context] { context.refresh(context.session.app().CurrentState); });
    }
    m_figuresPanel->hide();
    m_play.panel->hide();
}

void BuildStateController::drawSheet()
{
    m_view->drawSlabs(0, kAllSlabs);
}

} // namespace brisko::gui
