#include "mainwin/FrontAxleTool.h"

#include "analysis/VirtualPrototype.h"
#include "render/SketchPainter.h"
#include "mainwin/DrawingArea.h"
#include "session/PartPlacement.h"
#include "session/Session.h"

namespace brisko::gui {

FrontAxleTool::FrontAxleTool(SheetToolContext& context, QAbstractButton* button)
    : PlacingTool(context, button,
                  QStringLiteral("Click along the red line where the other axle goes.  Press Esc to give up."))
{
}

void FrontAxleTool::buttonClicked()
{
    Session& session = context().session();
    if (session.design().Drive == DriveType::AWD) {
        setButtonDown(false);
        session.prompter().message(QStringLiteral("Please try again."), kNoOtherAxleInAwd);
        return;
    }
    begin(Qt::ArrowCursor);
    m_guideX = 0;
    drawHeightLine();
}

void FrontAxleTool::drawHeightLine()
{
    DrawingArea& sheet = context().sheet();
    QPainter painter(&sheet.canvas());
    paintAxleHeightLine(painter, context().prototype().layout(), context().prototype().mass().OtherAxleHeightInches,
                        sheet.width());
    painter.end();
    sheet.update();
}

void FrontAxleTool::toggleGuide(int x)
{
    DrawingArea& sheet = context().sheet();
    QPainter painter(&sheet.canvas());
    paintInvertingLine(painter, QPoint(x, 0), QPoint(x, sheet.height()), kSketchPen);
}

void FrontAxleTool::move(const QPoint& at)
{
    if (!context().geometry().FrontAxleZone.contains(at)) {
        context().setSheetCursor(Qt::ForbiddenCursor);
        return;
    }
    context().setSheetCursor(Qt::SizeHorCursor);
    if (m_guideX != 0)
        toggleGuide(m_guideX); // erases the old guide
    toggleGuide(at.x());
    m_guideX = at.x();
    context().sheet().update();
}

bool FrontAxleTool::press(const QPoint& at)
{
    clearMode();
    const bool placed = placeOtherAxle(context().session(), context().geometry(), at);
    end();
    if (placed)
        context().refreshSet();
    return true;
}

} // namespace brisko::gui
