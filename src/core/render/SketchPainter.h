#pragma once
// What the sketching and placing tools draw on the design view while they are on:
// the existing layers as a reference, the red pen's segments, the inverting lines
// of the rubber band and the axle guide (drawn twice, such a line is gone), and the
// line at the other axle's height.
#include "geometry/CarGeometry.h"

#include <QPainter>

namespace brisko {

inline const QColor kSketchMagenta(255, 0, 255);
inline const QColor kSketchPen(255, 0, 0);

// Drawing the outer outline: the inner layers silver and the outer layer magenta;
// drawing the inner outline: the outer layer white and the inner layers magenta.
void paintSketchReference(QPainter& painter, const CarGeometry& geometry, bool drawingOuter);

// A segment of the drawing in the red pen.
void paintSketchSegment(QPainter& painter, const QPoint& from, const QPoint& to);

// Each pixel becomes the complement of the exclusive-or of pen and screen colours.
void paintInvertingLine(QPainter& painter, const QPoint& from, const QPoint& to, const QColor& colour);

// The black line across the drawing area at the other axle's screen height.
void paintAxleHeightLine(QPainter& painter, const ViewLayout& layout, float heightInches, int width);
int axleHeightLineY(const ViewLayout& layout, float heightInches);

} // namespace brisko
