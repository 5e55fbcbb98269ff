#include "output/PreviewControls.h"
#include "session/ActionCodes.h"

#include "mainwin/DrawingArea.h"
#include "mainwin/PrototypeRefresh.h"
#include "mainwin/TRPWin.h"
#include "render/PreviewPage.h"

#include <QAbstractButton>
#include <QLabel>

namespace brisko::gui {

PreviewControls::PreviewControls(TRPWin& window, PrototypeRefresh& refresh)
    : QObject(&window)
    , m_window(window)
    , m_refresh(refresh)
{
    setObjectName(QStringLiteral("PreviewControls"));
    if (auto* next = m_window.findChild<QAbstractButton*>(QStringLiteral("StepPVBtn")))
        connect(next, &QAbstractButton::clicked, this, &PreviewControls::StepPVBtnClick);
    if (auto* first = m_window.findChild<QAbstractButton*>(QStringLiteral("RewindPvBtn")))
        connect(first, &QAbstractButton::clicked, this, &PreviewControls::RewindPvBtnClick);
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
    if (auto* label = m_window.findChild<QLabel*>(QStringLiteral("PreviewLabel")))
        label->setText(previewPageText(page, count));
    {
        QPainter painter(&m_window.image()->canvas());
        paintPreviewPage(painter, m_refresh.prototype().geometry(), page, count);
    }
    m_window.image()->repaint();
    if (count == 0)
        enable("StepPVBtn", false); // nothing to page through
}

void PreviewControls::StepPVBtnClick()
{
    if (m_window.session().app().CurrentState != ProcessState::Preview)
        return;
    enable("RewindPvBtn", true);
    if (!logPreview("NextPreview"))
        return;
    int& page = m_window.perState().previewTemplate;
    const int count = pageCount();
    if (page < count)
        drawPage(++page);
    if (page == count)
        enable("StepPVBtn", false);
}

void PreviewControls::RewindPvBtnClick()
{
    if (m_window.session().app().CurrentState != ProcessState::Preview)
        return;
    m_window.perState().previewTemplate = 1;
    enable("StepPVBtn", true);
    enable("RewindPvBtn", false);
    if (!logPreview("RewindPreview"))
        return;
    drawPage(1);
}

bool PreviewControls::logPreview(const char* value)
{
    return m_window.session().logAction(actions::PreviewState, QString::fromLatin1(value));
}

void PreviewControls::enable(const char* name, bool enabled)
{
    if (auto* widget = m_window.findChild<QWidget*>(QString::fromLatin1(name)))
        widget->setEnabled(enabled);
}

} // namespace brisko::gui
