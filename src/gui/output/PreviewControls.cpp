#include "output/PreviewControls.h"
#include "session/ActionCodes.h"

#include "mainwin/DrawingArea.h"
#include "mainwin/PrototypeRefresh.h"
#include "session/Session.h"
#include "render/PreviewPage.h"

#include <QAbstractButton>
#include <QLabel>

namespace brisko::gui {

PreviewControls::PreviewControls(WindowContext& context, PrototypeRefresh& refresh, const PreviewPager& pager)
    : QObject(&context.frame)
    , m_context(context)
    , m_refresh(refresh)
    , m_pager(pager)
{
    setObjectName(QStringLiteral("PreviewControls"));
    connect(m_pager.next, &QAbstractButton::clicked, this, &PreviewControls::StepPVBtnClick);
    connect(m_pager.first, &QAbstractButton::clicked, this, &PreviewControls::RewindPvBtnClick);
}

void PreviewControls::startAtFirstPage()
{
    m_context.perState.previewTemplate = 1;
    m_pager.next->setEnabled(true);
    m_pager.first->setEnabled(false);
}

int PreviewControls::pageCount() const
{
    const MassModel& mass = m_refresh.prototype().mass();
    return std::max(0, mass.CoredLayers + mass.FullLayers);
}

void PreviewControls::drawPage(int page)
{
    m_refresh.drawBackground(ProcessState::Preview);
    const int count = pageCount();
    m_pager.page->setText(previewPageText(page, count));
    {
        QPainter painter(&m_context.sheet.canvas());
        paintPreviewPage(painter, m_refresh.prototype().geometry(), page, count);
    }
    m_context.sheet.repaint();
    if (count == 0)
        m_pager.next->setEnabled(false); // nothing to page through
}

void PreviewControls::StepPVBtnClick()
{
    if (m_context.session.app().CurrentState != ProcessState::Preview)
        return;
    m_pager.first->setEnabled(true);
    if (!logPreview("NextPreview"))
        return;
    int& page = m_context.perState.previewTemplate;
    const int count = pageCount();
    if (page < count)
        drawPage(++page);
    if (page == count)
        m_pager.next->setEnabled(false);
}

void PreviewControls::RewindPvBtnClick()
{
    if (m_context.session.app().CurrentState != ProcessState::Preview)
        return;
    m_context.perState.previewTemplate = 1;
    m_pager.next->setEnabled(true);
    m_pager.first->setEnabled(false);
    if (!logPreview("RewindPreview"))
        return;
    drawPage(1);
}

bool PreviewControls::logPreview(const char* value)
{
    return m_context.session.logAction(actions::PreviewState, QString::fromLatin1(value));
}

} // namespace brisko::gui
