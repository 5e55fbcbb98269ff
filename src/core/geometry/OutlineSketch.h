#pragma once
// The working outline of a drawing in progress: point pairs in the drawing frame
// and in the printer frame, the stroke start and the end of the rubber band. A
// press on the paper starts a stroke; its release adds the pair stroke start,
// release point, so a plain click adds its point twice. At most 256 points.
#include "geometry/ViewLayout.h"
#include "model/CarDesign.h"

#include <QPoint>
#include <QVector>

namespace brisko {

class OutlineSketch {
public:
    // Empty, with the pen up.
    void start();
    void clear() { start(); }

    // View-frame points: a press on the paper puts the pen down there.
    void press(const QPoint& viewPoint);
    bool penDown() const { return m_penDown; }
    QPoint strokeStart() const { return m_strokeStart; }
    QPoint rubberEnd() const { return m_rubberEnd; }
    void setRubberEnd(const QPoint& viewPoint) { m_rubberEnd = viewPoint; }

    // A release on the paper with the pen down appends the pair; false when the pen
    // is up or the outline is full.
    bool release(const QPoint& viewPoint, const ViewLayout& layout);

    int count() const { return static_cast<int>(m_drawing.size()); }
    const QVector<QPoint>& drawingPoints() const { return m_drawing; }
    const QVector<QPoint>& printerPoints() const { return m_printer; }
    // Three clicks or more make an outline; fewer are dropped.
    bool canReplaceOutline() const { return count() > 4; }
    // The outline takes the working points in every frame.
    void replaceOutline(BodyOutline& outline, const ViewLayout& layout) const;

private:
    QVector<QPoint> m_drawing;
    QVector<QPoint> m_printer;
    bool m_penDown = false;
    QPoint m_strokeStart;
    QPoint m_rubberEnd;
};

// A view point in drawing pixels: (nearest((x - PaperLeft) / ViewScale), nearest(y / ViewScale)).
QPoint drawingPointOf(const ViewLayout& layout, const QPoint& viewPoint);
// A drawing point in the view as it is laid out now.
QPoint viewPointOf(const ViewLayout& layout, const QPoint& drawingPoint);

} // namespace brisko
