#pragma once
// The car on the design view and its cutting templates, painted from a region set
// that was built for the drawing with the fresh chamber figures.
#include "geometry/CarGeometry.h"

#include <QPainter>
#include <functional>

namespace brisko {

// The Set-state picture over the background, later parts painting over earlier
// ones: layers, wheels, spring with its strip, the drive arrow and caption, drive
// axle, tread, other axle, marks and the added weights, whose hit boxes are
// written back into the design. `chamberRadius` is r in drawing pixels.
void paintSetPicture(QPainter& painter, const CarGeometry& geometry, CarDesign& design,
                     const MaterialLibrary& materials, float chamberRadius);

// Drawn onto the template page after the drive axle hole: the page's labels.
using PageLabelPainter = std::function<void(QPainter&)>;

// A layer's template on a printer-frame painter: the board silver, nothing below
// the paper's bottom edge, the axle holes white with black rims and the marks.
void paintTemplatePicture(QPainter& painter, const CarGeometry& geometry, bool outerLayer,
                          const PageLabelPainter& pageLabels = {});

} // namespace brisko
