#include "mainwin/AddWeightTool.h"

#include "analysis/VirtualPrototype.h"
#include "dialogs/THHWin.h"
#include "geometry/OutlineSketch.h"
#include "session/PartPlacement.h"
#include "session/Session.h"

namespace brisko::gui {

AddWeightTool::AddWeightTool(SheetToolContext& context, QAbstractButton* button, THHWin& dialog)
    : PlacingTool(context, button,
                  QStringLiteral("Click on the paper where the weight goes.  Press Esc to give up."))
    , m_dialog(dialog)
{
    m_dialog.setOkHandler([this](const QString& text) { return storeWeight(text); });
    QObject::connect(&m_dialog, &QDialog::rejected, &m_dialog, [this] { dialogRejected(); });
}

void AddWeightTool::buttonClicked()
{
    begin(Qt::PointingHandCursor);
}

bool AddWeightTool::press(const QPoint& at)
{
    clearMode();
    if (!context().geometry().PaperRegion.contains(at)) {
        end();
        return true;
    }
    m_pending = drawingPointOf(context().prototype().layout(), at);
    context().session().logAction(1, 22, QString::number(m_pending.x()), QString::number(m_pending.y()),
                                  m_dialog.massText(), {}, QStringLiteral("SetAddedWt"));
    m_asking = true;
    m_dialog.open();
    return true;
}

bool AddWeightTool::storeWeight(const QString& massText)
{
    Session& session = context().session();
    switch (addWeight(session, m_pending, massText)) {
    case AddWeightOutcome::Refused:
        session.prompter().message(QStringLiteral("Please try again."), kAddedWeightRefused);
        return false;
    case AddWeightOutcome::Full: session.prompter().beep(); return false;
    case AddWeightOutcome::Stored: break;
    }
    m_asking = false;
    end();
    context().refreshSet();
    return true;
}

void AddWeightTool::dialogRejected()
{
    if (!m_asking)
        return;
    m_asking = false;
    end();
}

} // namespace brisko::gui
