#pragma once
// The region builders behind buildCarGeometry, in the order it runs them: cases
// and chambers, axles, marks, layers (which need the cases and axles), wheels and
// tread, spring.
#include "geometry/CarGeometry.h"

namespace brisko::detail {

void buildPaper(CarGeometry& g);
void buildCasesAndChambers(CarGeometry& g, const ChamberGeometry& chamber);
void buildAxles(CarGeometry& g, const CarDesign& design);
void buildMarks(CarGeometry& g, const ChamberGeometry& chamber);
void composeLayers(CarGeometry& g, const CarDesign& design);
void buildWheelsAndTread(CarGeometry& g, const CarDesign& design);
void buildSpring(CarGeometry& g, const CarDesign& design, float springThickness);

} // namespace brisko::detail
