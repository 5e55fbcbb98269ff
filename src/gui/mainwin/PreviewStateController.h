#pragma once
// The Preview state: the cutting templates of the body, paged one layer at a time.
#include "mainwin/StateController.h"
#include "mainwin/StatePanels.h"

namespace brisko::gui {

class PreviewControls;
class PrototypeRefresh;
struct WindowContext;

class PreviewStateController : public StateController {
public:
    PreviewStateController(WindowContext& context, PrototypeRefresh& refresh, const PreviewPager& pager);

    QList<QWidget*> panels() const override { return {m_pager.panel}; }
    void enter() override;
    void leave() override;
    void drawSheet() override;

    PreviewControls& pages() { return *m_pages; }

private:
    WindowContext& m_context;
    PreviewPager m_pager;
    PreviewControls* m_pages;
};

} // namespace brisko::gui
