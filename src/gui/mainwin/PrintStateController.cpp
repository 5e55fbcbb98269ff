#include "mainwin/PrintStateController.h"

#include "analysis/ChamberSizing.h"
#include "mainwin/DrawingArea.h"
#include "mainwin/WindowContext.h"
#include "render/DesignViewPainter.h"
#include "session/Session.h"

#include <QPainter>

namespace brisko::gui {

PrintStateController::PrintStateController(WindowContext& context)
    : m_context(context)
{
}

void PrintStateController::drawSheet()
{
    const Session& session = m_context.session;
    const VirtualPrototype& prototype = session.prototype();
    ViewLayout onSheet = prototype.layout();
    onSheet.PrinterScaleX = onSheet.ViewScale;
    onSheet.PrinterScaleY = onSheet.ViewScale;
    const CarGeometry geometry =
        buildCarGeometry(session.design(), session.materials(), onSheet, chamberGeometryOf(prototype.mass()));
    QPainter painter(&m_context.sheet.canvas());
    painter.translate(onSheet.PaperLeft, 0);
    paintTemplatePicture(painter, geometry, false);
    painter.end();
    m_context.sheet.repaint();
}

} // namespace brisko::gui
