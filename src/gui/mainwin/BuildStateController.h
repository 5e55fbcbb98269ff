#pragma once
// The Build state: the layer and chamber figures, and the 3D build view with its
// player. Leaving the state ends a drawing under way.
#include "mainwin/StateController.h"
#include "mainwin/StatePanels.h"

#include <functional>

namespace brisko::gui {

class BuildView;
class PrototypeRefresh;
struct DesignTools;
struct WindowContext;

class BuildStateController : public StateController {
public:
    BuildStateController(WindowContext& context, PrototypeRefresh& refresh, QWidget* figuresPanel,
                         const Play3DControls& play, const DesignTools& tools, std::function<void(bool)> lockWindow);

    QList<QWidget*> panels() const override { return {m_figuresPanel}; }
    void enter() override;
    void leave() override;
    void drawSheet() override;

    BuildView& view() { return *m_view; }
    const BuildView& view() const { return *m_view; }

private:
    WindowContext& m_context;
    QWidget* m_figuresPanel;
    Play3DControls m_play;
    BuildView* m_view;
};

} // namespace brisko::gui
