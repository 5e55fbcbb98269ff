#include "geometry/OutlineSketch.h"

#include "text/NumberText.h"

namespace brisko {

namespace {

QPointF unroundedDrawingPoint(const ViewLayout& layout, const QPoint& viewPoint)
{
    const float x = static_cast<float>(viewPoint.x() - layout.PaperLeft) / layout.ViewScale;
    const float y = static_cast<float>(viewPoint.y()) / layout.ViewScale;
    return {x, y};
}

QPoint printerPointOf(const ViewLayout& layout, const QPoint& viewPoint)
{
    const QPointF d = unroundedDrawingPoint(layout, viewPoint);
    return {nearest(static_cast<float>(d.x()) * layout.PrinterScaleX),
            nearest(static_cast<float>(d.y()) * layout.PrinterScaleY)};
}

} // namespace

QPoint drawingPointOf(const ViewLayout& layout, const QPoint& viewPoint)
{
    const QPointF d = unroundedDrawingPoint(layout, viewPoint);
    return {nearest(static_cast<float>(d.x())), nearest(static_cast<float>(d.y()))};
}

QPoint viewPointOf(const ViewLayout& layout, const QPoint& drawingPoint)
{
    return {nearest(static_cast<float>(drawingPoint.x() * layout.ViewScale + layout.PaperLeft)),
            nearest(static_cast<float>(drawingPoint.y() * layout.ViewScale))};
}

void OutlineSketch::start()
{
    m_drawing.clear();
    m_printer.clear();
    m_penDown = false;
    m_strokeStart = m_rubberEnd = QPoint();
}

void OutlineSketch::press(const QPoint& viewPoint)
{
    m_penDown = true;
    m_strokeStart = m_rubberEnd = viewPoint;
}

bool OutlineSketch::release(const QPoint& viewPoint, const ViewLayout& layout)
{
    if (!m_penDown || count() >= kMaxOutlinePoints)
        return false;
    for (const QPoint& p : {m_strokeStart, viewPoint}) {
        m_drawing.append(drawingPointOf(layout, p));
        m_printer.append(printerPointOf(layout, p));
    }
    return true;
}

void OutlineSketch::replaceOutline(BodyOutline& outline, const ViewLayout& layout) const
{
    outline.clear();
    outline.setPoints(m_drawing, m_printer, QPointF(layout.PrinterScaleX, layout.PrinterScaleY));
}

} // namespace brisko
