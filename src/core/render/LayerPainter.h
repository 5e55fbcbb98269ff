#pragma once
// The body layers of the design view: the cored inner layers framed 3 by 3 and
// hatched falling from upper left to lower right, the outer layer framed 2 by 2
// and hatched rising from lower left to upper right, so that the hatches cross
// where both cover the board. The colour is the caller's: the layer colours in the
// finished picture, others while an outline is being redrawn.
#include "geometry/CarGeometry.h"

#include <QColor>
#include <QPainter>

namespace brisko {

void paintInnerLayers(QPainter& painter, const CarGeometry& geometry, const QColor& colour);
void paintOuterLayer(QPainter& painter, const CarGeometry& geometry, const QColor& colour);

} // namespace brisko
