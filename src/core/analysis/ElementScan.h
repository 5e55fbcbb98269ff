#pragma once
// The finite-element mass model: the body scanned element by element on a square
// grid for the board volume, then wheels, axles, springs and added weights, the
// total mass and the centre of mass.
#include "analysis/MassModel.h"
#include "geometry/CarGeometry.h"
#include "model/CarDesign.h"
#include "model/MaterialLibrary.h"

#include <QString>
#include <functional>
#include <vector>

namespace brisko {

enum class ElementLayer { Outer, Inner };

// Called for each counted element with its centre in drawing pixels, so that the
// Prop state can draw the grid.
using ElementVisitor = std::function<void(const QPoint& centre, ElementLayer layer)>;

// Layer counts of an element scan, per column (left to right) and per row (upward
// from the paper's bottom edge).
struct ElementCounts {
    std::vector<int> OuterColumns, InnerColumns;
    std::vector<int> OuterRows, InnerRows;
    bool operator==(const ElementCounts&) const = default;
};

// How the element centres are tested: against a mask of the element grid with every
// region's rectangles marked on it (the scan the program uses), or region by region
// with point-in-region tests.
enum class PointTests { Masks, RegionByRegion };

ElementCounts countElements(const CarGeometry& geometry, int size, int fullLayers, int coredLayers,
                            PointTests tests = PointTests::Masks, const ElementVisitor& visit = {});

// Mass of one spring.
float springMass(const CarDesign& design, const MaterialLibrary& materials);

// The element size in drawing pixels; a preference below 2 (or unreadable) counts
// as 9.
int elementSize(const CarDesign& design);
// Replaces a preference below 2 (or unreadable) by "9" in the design, as the mass
// step of a refresh does before its scan.
void settleElementSize(CarDesign& design);

// Runs the scan and fills the mass fields of `model` (SpringMass included). The
// chamber fields of `model` must come from this refresh's sizing.
void runElementScan(const CarDesign& design, const MaterialLibrary& materials, const CarGeometry& geometry,
                    MassModel& model, const ElementVisitor& visit = {});

// The mass step of a refresh: the spring mass always; the scan only while the
// layers exist and the first-step argument is 0, otherwise the previous masses and
// centre of mass stay. Returns whether the scan ran.
bool runMassStep(const CarDesign& design, const MaterialLibrary& materials, const CarGeometry& geometry, MassModel& model,
                 int firstStepArgument, const ElementVisitor& visit = {});

// The element's square in the view, from (P - s div 2) to (P + s - s div 2 + 1) in
// drawing pixels; the grid draws its top and right edges.
QRect elementViewSquare(const ViewLayout& layout, const QPoint& centre, int size);

// The element-size slider: position p (0..5) means nearest(72 / 2^p) pixels.
int elementSizeAtSliderPosition(int position);

// The texts of the mass fields; masses below 0.0001 lbm read "0".
struct MassFieldTexts {
    QString SpringMass, BoardMass, AxleMass, TotalMass, CentroidX;
};
MassFieldTexts massFieldTexts(const MassModel& model);

} // namespace brisko
