#include "mainwin/OutlineDrawingTool.h"

#include "analysis/VirtualPrototype.h"
#include "render/SketchPainter.h"
#include "mainwin/DrawingArea.h"
#include "mainwin/DriveBox.h"
#include "mainwin/ToolPanel.h"
#include "mainwin/PerStateValues.h"
#include "session/Session.h"
#include "mainwin/WindowLock.h"

#include <QAbstractButton>
#include <QLabel>

namespace brisko::gui {

OutlineDrawingTool::OutlineDrawingTool(SheetToolContext& context, QAbstractButton* button, OutlineDrawing& drawing,
                                       SketchedOutline which)
    : SheetTool(context, button)
    , m_drawing(drawing)
    , m_which(which)
{
}

void OutlineDrawingTool::buttonClicked()
{
    context().session().markCurrentDesignChanged();
    if (isOn()) {
        end();
        context().refreshSet(); // the sheet shows the design as it stays
        return;
    }
    start();
}

void OutlineDrawingTool::start()
{
    Session& session = context().session();
    if (session.app().CurrentState != ProcessState::Set)
        context().switchToSet();
    m_drawing.begin(m_which);
    m_rubberShown = false;
    context().lock().lock(button());
    showDrawingControls(true);
    drawReference();
    context().setSheetCursor(Qt::PointingHandCursor);
    setButtonDown(true);
}

void OutlineDrawingTool::end()
{
    const bool wasOuter = m_which == SketchedOutline::Outer;
    // The hint row goes before the lock gives the part editor back: the two side by
    // side would widen the window past a small screen.
    showDrawingControls(false);
    context().lock().unlock();
    m_drawing.end();
    context().setSheetCursor(Qt::ArrowCursor);
    setButtonDown(false);
    if (wasOuter)
        context().tools().drawInner->setEnabled(true); // an outer outline exists now
}

void OutlineDrawingTool::cancel()
{
    if (!isOn())
        return;
    m_drawing.cancel();
    end();
    context().refreshSet();
}

void OutlineDrawingTool::sheetLaidOutAgain()
{
    drawReference();
    const ViewLayout& layout = context().prototype().layout();
    const QVector<QPoint>& points = m_drawing.sketch().drawingPoints();
    QPainter painter(&context().sheet().canvas());
    // The points in the order they were drawn: each stroke's start and end, and the
    // band from one stroke's end to the next one's start, are red edges on the sheet.
    for (int i = 0; i + 1 < points.size(); ++i)
        paintSketchSegment(painter, viewPointOf(layout, points[i]), viewPointOf(layout, points[i + 1]));
    painter.end();
    m_rubberShown = false;
    context().sheet().update();
}

void OutlineDrawingTool::showDrawingControls(bool visible)
{
    const DesignTools& tools = context().tools();
    // The tool bar has no room to spare: the drive box, locked while drawing, makes
    // way for Cancel, so that showing it never widens the window.
    if (visible)
        m_driveBoxWasVisible = tools.drive->isVisibleTo(tools.drive->window());
    tools.drive->setVisible(!visible && m_driveBoxWasVisible);
    tools.hint->setText(drawingHint());
    for (QWidget* widget : std::initializer_list<QWidget*>{tools.cancel, tools.hintRow, tools.hint})
        widget->setVisible(visible);
}

// The background, paper and grid without the car, and the layers in the
// reference colours of this drawing.
void OutlineDrawingTool::drawReference()
{
    context().drawBackground();
    context().perState().highlightedPart = -1; // its frame went with the picture
    QPainter painter(&context().sheet().canvas());
    paintSketchReference(painter, context().geometry(), m_which == SketchedOutline::Outer);
    painter.end();
    context().sheet().update();
}

bool OutlineDrawingTool::onPaper(const QPoint& at) const
{
    return context().geometry().PaperRegion.contains(at);
}

bool OutlineDrawingTool::press(const QPoint& at)
{
    if (!onPaper(at))
        return false; // beside the paper: an ordinary press of the design view
    if (m_rubberShown) {
        // The band to this corner stays on the sheet as an edge in the red pen.
        toggleRubberBand();
        QPainter painter(&context().sheet().canvas());
        paintSketchSegment(painter, m_drawing.sketch().strokeStart(), m_drawing.sketch().rubberEnd());
    }
    m_drawing.pressOnPaper(at);
    m_rubberShown = false;
    context().sheet().update();
    return true;
}

void OutlineDrawingTool::toggleRubberBand()
{
    const OutlineSketch& sketch = m_drawing.sketch();
    QPainter painter(&context().sheet().canvas());
    paintInvertingLine(painter, sketch.strokeStart(), sketch.rubberEnd(), kSketchPen);
}

void OutlineDrawingTool::move(const QPoint& at)
{
    const bool paper = onPaper(at);
    if (!m_drawing.sketch().penDown() || !paper) {
        context().setSheetCursor(paper ? Qt::PointingHandCursor : Qt::ForbiddenCursor);
        return;
    }
    if (m_rubberShown)
        toggleRubberBand(); // erases the old band
    m_drawing.moveRubberBand(at);
    toggleRubberBand();
    m_rubberShown = true;
    context().setSheetCursor(Qt::PointingHandCursor);
    context().sheet().update();
}

void OutlineDrawingTool::release(const QPoint& at)
{
    if (!onPaper(at) || !m_drawing.sketch().penDown())
        return;
    {
        QPainter painter(&context().sheet().canvas());
        paintSketchSegment(painter, m_drawing.sketch().strokeStart(), at);
    }
    m_rubberShown = false; // painted over by the segment: never erased again
    m_drawing.releaseOnPaper(at, context().prototype().layout());
    context().sheet().update();
}

void OutlineDrawingTool::doubleClick(const QPoint&)
{
    m_drawing.finish(context().prototype().layout());
    end();
    context().refreshSet();
}

} // namespace brisko::gui
