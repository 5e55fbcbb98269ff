#pragma once
// The car on the design view and its cutting templates, painted from a region set
// that was built for the drawing with the fresh chamber figures.
#include "geometry/CarGeometry.h"
#include "render/WeightMarkers.h"

#include <QPainter>
#include <functional>

namespace brisko {

// The Set-state picture over the background, later parts painting over earlier
// ones: layers, wheels, spring with its strip, the drive arrow and caption, drive
// axle, tread, other axle, marks and the added weights; the weights' hit boxes,
// which the design keeps for the remove tool. `chamberRadius` is r in drawing
// pixels.
WeightBoxes paintSetPicture(QPainter& painter, const CarGeometry& geometry, const CarDesign& design,
                            const MaterialLibrary& materials, float chamberRadius);

// Drawn onto the template page after the drive axle hole: the page's labels.
using PageLabelPainter = std::function<void(QPainter&)>;

// A layer's template on a printer-frame painter: the board silver, nothing below
// the paper's bottom edge, the axle holes white with black rims and the marks.
void paintTemplatePicture(QPainter& painter, const CarGeometry& geometry, bool outerLayer,
                          const PageLabelPainter& pageLabels = {});

} // namespace brisko
