#include "mainwin/PreviewStateController.h"

#include "mainwin/WindowContext.h"
#include "output/PreviewControls.h"

#include <QWidget>

namespace brisko::gui {

PreviewStateController::PreviewStateController(WindowContext& context, PrototypeRefresh& refresh,
                                               const PreviewPager& pager)
    : m_context(context)
    , m_pager(pager)
    , m_pages(new PreviewControls(context, refresh, pager))
{
}

void PreviewStateController::enter()
{
    m_pager.panel->show();
}

void PreviewStateController::leave()
{
    m_pager.panel->hide();
}

void PreviewStateController::drawSheet()
{
    m_pages->drawPage(m_context.perState.previewTemplate);
}

} // namespace brisko::gui
