#pragma once
// What the element scan leaves on the design view in the Prop and Dynamic states:
// the grid of counted elements and the mark of the centre of mass.
#include "analysis/ElementScan.h"
#include "analysis/MassModel.h"
#include "geometry/ViewLayout.h"

#include <QPainter>

namespace brisko {

inline const QColor kOuterElementColour(255, 255, 255);
inline const QColor kInnerElementColour(128, 128, 128);
inline const QColor kCentroidColour(0, 128, 0);

// The top and right edges of one counted element's view square, 1 pixel wide:
// white for an outer-layer element, grey for an inner-layer one.
void paintElementEdges(QPainter& painter, const QRect& viewSquare, ElementLayer layer);

// The view-frame centre of the mass model's centre of mass.
QPoint centroidViewPoint(const ViewLayout& layout, const MassModel& model);

// A circle of radius nearest(15 x ViewScale) about the centre of mass, outlined
// green and filled white, its upper-left and lower-right quarters green.
void paintCentroidMark(QPainter& painter, const ViewLayout& layout, const MassModel& model);

} // namespace brisko
