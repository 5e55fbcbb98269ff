#include "session/OutlineDrawing.h"

#include "session/Session.h"
#include "session/SessionEditor.h"

namespace brisko {

namespace {

constexpr int kOuterCode = 9;
constexpr int kInnerCode = 10;
constexpr int kCancelCode = 60;

int codeOf(SketchedOutline which)
{
    return which == SketchedOutline::Outer ? kOuterCode : kInnerCode;
}

} // namespace

OutlineDrawing::OutlineDrawing(Session& session)
    : m_session(session)
{
}

void OutlineDrawing::begin(SketchedOutline which)
{
    end();
    m_which = which;
    working(which).start();
    m_on = true;
}

void OutlineDrawing::pressOnPaper(const QPoint& viewPoint)
{
    if (isOn())
        working(m_which).press(viewPoint);
}

void OutlineDrawing::moveRubberBand(const QPoint& viewPoint)
{
    if (isOn())
        working(m_which).setRubberEnd(viewPoint);
}

bool OutlineDrawing::releaseOnPaper(const QPoint& viewPoint, const ViewLayout& layout)
{
    if (!isOn() || !working(m_which).penDown())
        return false;
    const bool added = working(m_which).release(viewPoint, layout);
    const QString name = m_which == SketchedOutline::Outer ? QStringLiteral("SetOuterShapePoint")
                                                           : QStringLiteral("SetInnerShapePoint");
    m_session.logAction(0, codeOf(m_which), QString::number(viewPoint.x()), QString::number(viewPoint.y()), {}, {},
                        name);
    return added;
}

bool OutlineDrawing::finish(const ViewLayout& layout)
{
    if (!isOn())
        return false;
    const SketchedOutline which = m_which;
    end();
    const OutlineSketch& sketch = working(which);
    if (!sketch.canReplaceOutline())
        return false;
    const EditStep step(m_session,
                        which == SketchedOutline::Outer ? QStringLiteral("Draw outline") : QStringLiteral("Draw inner outline"));
    CarDesign& design = SessionEditor::design(m_session);
    sketch.replaceOutline(which == SketchedOutline::Outer ? design.OuterOutline : design.InnerOutline, layout);
    m_session.logAction(1, codeOf(which), {}, {}, {}, {},
                        which == SketchedOutline::Outer ? QStringLiteral("DoneOuterShape")
                                                        : QStringLiteral("DoneInnerShape"));
    return true;
}

void OutlineDrawing::cancel()
{
    m_session.logAction(1, kCancelCode, {}, {}, {}, {}, QStringLiteral("CancelDraw"));
    m_outer.clear();
    m_inner.clear();
    end();
}

void OutlineDrawing::end()
{
    m_on = false;
}

} // namespace brisko
