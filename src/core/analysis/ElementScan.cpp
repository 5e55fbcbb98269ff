#include "analysis/ElementScan.h"

#include "model/DesignFigures.h"
#include "geometry/ElementGridMask.h"
#include "text/NumberText.h"

#include <array>
#include <bit>
#include <cmath>

namespace brisko {

namespace {

constexpr int kRowTableSize = 1001;

struct BoardLayer {
    float area;      // of one element, square inches
    float thickness; // in
    float density;   // lbm per cubic inch
    int layers;
    // Mass of `count` layer elements, multiplied out from the count on.
    float massOf(int count) const { return static_cast<float>(count) * area * thickness * density; }
};

// Board mass and moments of the body, from the counts of layer elements.
struct BodyScan {
    float Mass = 0.0f;
    float MomentX = 0.0f;
    float MomentY = 0.0f;
};

// Element counts of a scan: layer counts per column and per row.
struct LayerCounts {
    std::vector<int> OuterColumns, InnerColumns;
    std::array<int, kRowTableSize> OuterRows{}, InnerRows{};
};

// Walks the element centres column by column, rows upward from the paper's bottom
// edge, and counts the layers at each centre that `tester` puts in the outer and
// the inner board.
// Columns run while the previous centre was left of 720 + h, rows while the previous
// centre was below h: ceil(720 / s) + 1 columns and ceil(540 / s) + 1 rows.
int gridColumns(int s)
{
    return (720 + s - 1) / s + 1;
}

int gridRows(int s)
{
    return (540 + s - 1) / s + 1;
}

template <typename Tester>
LayerCounts countLayers(int s, int fullLayers, int coredLayers, const Tester& tester, const ElementVisitor& visit)
{
    LayerCounts counts;
    const int h = s / 2;
    int x = h;
    for (int column = 0, more = 1; more; x += s, ++column) {
        int outerCount = 0;
        int innerCount = 0;
        int y = 540 + h;
        for (int r = 0, previousY = y; r == 0 || previousY > h; ++r, previousY = y, y -= s) {
            const QPoint p(x, y);
            if (tester.inOuter(p, column, r)) {
                outerCount += fullLayers;
                if (r < kRowTableSize)
                    counts.OuterRows[r] += fullLayers;
                if (visit)
                    visit(p, ElementLayer::Outer);
            }
            if (tester.inInner(p, column, r)) {
                innerCount += coredLayers;
                if (r < kRowTableSize)
                    counts.InnerRows[r] += coredLayers;
                if (visit)
                    visit(p, ElementLayer::Inner);
            }
        }
        counts.OuterColumns.push_back(outerCount);
        counts.InnerColumns.push_back(innerCount);
        more = x < 720 + h;
    }
    return counts;
}

// One lookup a test: every region's rectangles marked onto the element centres.
struct GridTester {
    enum : std::uint8_t { OuterOutline = 1, InnerOutline = 2, Case = 4, Chamber = 8 };

    GridTester(const CarGeometry& g, int s)
        : geometry(g)
        , mask(s, gridColumns(s), gridRows(s))
    {
        mask.mark(g.OuterOutlineRegion, OuterOutline);
        mask.mark(g.InnerOutlineRegion, InnerOutline);
        mask.mark(g.rearCaseDrawing(), Case);
        mask.mark(g.rearChamberDrawing(), Chamber);
        if (g.AllWheelDrive) {
            mask.mark(g.frontCaseDrawing(), Case);
            mask.mark(g.frontChamberDrawing(), Chamber);
        }
    }
    bool inCase(const QPoint& p, std::uint8_t cell) const
    {
        return (cell & Case) && !geometry.BelowPaperDrawing.contains(p);
    }
    bool inOuter(const QPoint& p, int column, int row) const
    {
        const std::uint8_t cell = mask.at(column, row);
        return (cell & OuterOutline) || inCase(p, cell);
    }
    bool inInner(const QPoint& p, int column, int row) const
    {
        const std::uint8_t cell = mask.at(column, row);
        return ((cell & InnerOutline) || inCase(p, cell)) && !(cell & Chamber);
    }
    const CarGeometry& geometry;
    ElementGridMask mask;
};

// Point-in-region tests on the separate regions, one by one, with the strip below
// the paper applied as a rectangle test.
struct RegionTester {
    explicit RegionTester(const CarGeometry& g)
        : geometry(g)
    {
    }
    bool inCase(const QPoint& p) const
    {
        const bool inCases = geometry.rearCaseDrawing().contains(p)
                             || (geometry.AllWheelDrive && geometry.frontCaseDrawing().contains(p));
        return inCases && !geometry.BelowPaperDrawing.contains(p);
    }
    bool inOuter(const QPoint& p, int, int) const { return geometry.OuterOutlineRegion.contains(p) || inCase(p); }
    bool inInner(const QPoint& p, int, int) const
    {
        const bool inChamber = geometry.rearChamberDrawing().contains(p)
                               || (geometry.AllWheelDrive && geometry.frontChamberDrawing().contains(p));
        return (geometry.InnerOutlineRegion.contains(p) || inCase(p)) && !inChamber;
    }
    const CarGeometry& geometry;
};

// Adds one at the first column of every run of set bits in a row and takes one
// off past its last column: summed from the left, `ends` then counts per column.
void addRuns(const std::uint64_t* bits, int words, std::vector<int>& ends)
{
    for (int w = 0; w < words; ++w) {
        const std::uint64_t b = bits[w];
        const std::uint64_t before = w > 0 ? bits[w - 1] >> 63 : 0;
        const std::uint64_t after = w + 1 < words ? bits[w + 1] << 63 : 0;
        for (std::uint64_t starts = b & ~((b << 1) | before); starts; starts &= starts - 1)
            ++ends[static_cast<size_t>(64 * w + std::countr_zero(starts))];
        for (std::uint64_t lasts = b & ~((b >> 1) | after); lasts; lasts &= lasts - 1)
            --ends[static_cast<size_t>(64 * w + std::countr_zero(lasts) + 1)];
    }
}

// The grid's scan without a visitor, row by row: each region is marked as rows of
// bits, a row's layers are a few word operations on them, and its counts are the
// bits set and the runs they make.
LayerCounts countLayersOnGrid(const CarGeometry& g, int s, int fullLayers, int coredLayers)
{
    const int columns = gridColumns(s);
    const int rows = gridRows(s);
    const int h = s / 2;
    ElementGridRows outerOutline(s, columns, rows), innerOutline(s, columns, rows);
    ElementGridRows cases(s, columns, rows), chambers(s, columns, rows);
    outerOutline.mark(g.OuterOutlineRegion);
    innerOutline.mark(g.InnerOutlineRegion);
    cases.mark(g.rearCaseDrawing());
    chambers.mark(g.rearChamberDrawing());
    if (g.AllWheelDrive) {
        cases.mark(g.frontCaseDrawing());
        chambers.mark(g.frontChamberDrawing());
    }
    const int words = cases.words();
    // The columns under the strip below the paper, whose centres on the strip's rows
    // lie in no case.
    const QRect& strip = g.BelowPaperDrawing;
    std::vector<std::uint64_t> stripColumns(static_cast<size_t>(words), 0);
    for (int column = 0; column < columns; ++column) {
        const int x = h + column * s;
        if (x >= strip.left() && x <= strip.right())
            stripColumns[static_cast<size_t>(column / 64)] |= std::uint64_t{1} << (column % 64);
    }
    std::vector<int> outerEnds(static_cast<size_t>(columns) + 1, 0), innerEnds(static_cast<size_t>(columns) + 1, 0);
    std::vector<std::uint64_t> outer(static_cast<size_t>(words)), inner(static_cast<size_t>(words));
    LayerCounts counts;
    for (int r = 0; r < rows; ++r) {
        const int y = 540 + h - r * s;
        const bool rowUnderStrip = y >= strip.top() && y <= strip.bottom();
        const std::uint64_t* o = outerOutline.row(r);
        const std::uint64_t* i = innerOutline.row(r);
        const std::uint64_t* c = cases.row(r);
        const std::uint64_t* k = chambers.row(r);
        int outerRow = 0;
        int innerRow = 0;
        for (int w = 0; w < words; ++w) {
            const std::uint64_t inCase = c[w] & ~(rowUnderStrip ? stripColumns[static_cast<size_t>(w)] : 0);
            outer[static_cast<size_t>(w)] = o[w] | inCase;
            inner[static_cast<size_t>(w)] = (i[w] | inCase) & ~k[w];
            outerRow += std::popcount(outer[static_cast<size_t>(w)]);
            innerRow += std::popcount(inner[static_cast<size_t>(w)]);
        }
        addRuns(outer.data(), words, outerEnds);
        addRuns(inner.data(), words, innerEnds);
        if (r < kRowTableSize) {
            counts.OuterRows[r] = outerRow * fullLayers;
            counts.InnerRows[r] = innerRow * coredLayers;
        }
    }
    counts.OuterColumns.resize(columns);
    counts.InnerColumns.resize(columns);
    int outerColumn = 0;
    int innerColumn = 0;
    for (int column = 0; column < columns; ++column) {
        outerColumn += outerEnds[static_cast<size_t>(column)];
        innerColumn += innerEnds[static_cast<size_t>(column)];
        counts.OuterColumns[column] = outerColumn * fullLayers;
        counts.InnerColumns[column] = innerColumn * coredLayers;
    }
    return counts;
}

LayerCounts scanLayers(const CarGeometry& g, int s, int fullLayers, int coredLayers, const ElementVisitor& visit)
{
    // A visitor sees the centres in the order of the walk, column by column.
    if (visit)
        return countLayers(s, fullLayers, coredLayers, GridTester(g, s), visit);
    return countLayersOnGrid(g, s, fullLayers, coredLayers);
}

ElementCounts toElementCounts(const LayerCounts& c)
{
    ElementCounts out;
    out.OuterColumns = c.OuterColumns;
    out.InnerColumns = c.InnerColumns;
    out.OuterRows.assign(c.OuterRows.begin(), c.OuterRows.end());
    out.InnerRows.assign(c.InnerRows.begin(), c.InnerRows.end());
    return out;
}

BodyScan scanBody(const CarGeometry& g, int s, const BoardLayer& outer, const BoardLayer& inner,
                  const ElementVisitor& visit)
{
    const LayerCounts counts = scanLayers(g, s, outer.layers, inner.layers, visit);
    BodyScan body;
    const int h = s / 2;
    for (size_t k = 0; k < counts.OuterColumns.size(); ++k) {
        const int x = h + static_cast<int>(k) * s;
        const float columnMass = outer.massOf(counts.OuterColumns[k]) + inner.massOf(counts.InnerColumns[k]);
        body.Mass += columnMass;
        body.MomentX += columnMass * (static_cast<float>(x) / 72.0f);
    }

    const float halfStep = static_cast<float>(s) / 72.0f / 2.0f;
    for (int r = std::min(nearest(540.0f / static_cast<float>(s)), kRowTableSize - 1); r >= 0; --r) {
        const float rowY = 7.5f - static_cast<float>(r * s) / 72.0f + halfStep;
        const float rowMass = outer.massOf(counts.OuterRows[r]) + inner.massOf(counts.InnerRows[r]);
        body.MomentY += rowMass * rowY;
    }
    return body;
}

} // namespace

ElementCounts countElements(const CarGeometry& geometry, int size, int fullLayers, int coredLayers,
                            PointTests tests, const ElementVisitor& visit)
{
    if (tests == PointTests::RegionByRegion)
        return toElementCounts(countLayers(size, fullLayers, coredLayers, RegionTester(geometry), visit));
    return toElementCounts(scanLayers(geometry, size, fullLayers, coredLayers, visit));
}

namespace {

// A pair of wheels, each a disc of board.
float wheelPairMass(float diameter, const BoardMaterial& board)
{
    const float radius = diameter / 2.0f;
    const float radiusSquared = radius * radius;
    return 2.0f * kPi * radiusSquared * figure(board.Thickness) * figure(board.Density);
}

float axleMass(float diameter, float length, const AxleMaterial& material)
{
    const float radius = diameter / 2.0f;
    const float radiusSquared = radius * radius;
    return kPi * radiusSquared * length * figure(material.Density);
}

// Mass and position (in) of what sits on one axle.
struct AxleLoad {
    float Wheels = 0.0f;
    float Axle = 0.0f;
    float Spring = 0.0f;
    float X = 0.0f;
    float Y = 0.0f;
    float mass() const { return Wheels + Axle + Spring; }
};

AxleLoad rearLoad(const CarDesign& d, const MaterialLibrary& m, const MassModel& model)
{
    AxleLoad rear;
    rear.Wheels = wheelPairMass(figure(d.DriveWheelDiameter), boardOf(d, m, DriveWheelSlot));
    rear.Axle = axleMass(figure(d.DriveAxleDiameter), figure(d.DriveAxleLength), axleOf(d, m, DriveAxleSlot));
    rear.Spring = model.SpringMass;
    rear.X = model.CaseOuterDia / 2.0f;
    rear.Y = 7.5f - model.DriveAxleHeight / 72.0f;
    return rear;
}

AxleLoad frontLoad(const CarDesign& d, const MaterialLibrary& m, const MassModel& model, const AxleLoad& rear)
{
    AxleLoad front;
    if (d.Drive == DriveType::AWD) {
        // A second spring and chamber: the front axle is a copy of the rear one.
        front = rear;
        front.X = 10.0f - model.CaseOuterDia / 2.0f;
        return front;
    }
    front.Wheels = wheelPairMass(figure(d.OtherWheelDiameter), boardOf(d, m, OtherWheelSlot));
    front.Axle = axleMass(figure(d.OtherAxleDiameter), figure(d.OtherAxleLength), axleOf(d, m, OtherAxleSlot));
    front.X = 10.0f - d.FrontAxle.XInches;
    front.Y = 7.5f - model.OtherAxleHeightInches;
    return front;
}

struct WeightSums {
    float Mass = 0.0f;
    float MomentX = 0.0f;
    float MomentY = 0.0f;
};

WeightSums addedWeights(const CarDesign& d)
{
    WeightSums sums;
    for (const AddedWeight& w : d.Weights) {
        sums.Mass += w.Mass;
        sums.MomentX += static_cast<float>(w.X) / 72.0f * w.Mass;
        sums.MomentY += static_cast<float>(w.Y) / 72.0f * w.Mass;
    }
    return sums;
}

BoardLayer boardLayer(const CarDesign& d, const MaterialLibrary& m, MaterialSlot slot, float area, int layers)
{
    const BoardMaterial& board = boardOf(d, m, slot);
    return {area, figure(board.Thickness), figure(board.Density), layers};
}

QString massText(float mass)
{
    return numberText(mass < 0.0001f ? 0.0f : mass);
}

} // namespace

float springMass(const CarDesign& design, const MaterialLibrary& materials)
{
    const SpringMaterial& spring = springOf(design, materials);
    return finiteOrZero(figure(spring.Density) * figure(design.SpringLength) * figure(spring.Thickness)
                        * figure(design.SpringWidth));
}

namespace {
bool elementSizeReadable(const CarDesign& design)
{
    const std::optional<double> size = toDouble(design.ElementStepSize);
    return size && *size >= 2.0;
}
} // namespace

void settleElementSize(CarDesign& design)
{
    if (!elementSizeReadable(design))
        design.ElementStepSize = QStringLiteral("9");
}

int elementSize(const CarDesign& design)
{
    if (!elementSizeReadable(design))
        return 9;
    const std::optional<double> size = toDouble(design.ElementStepSize);
    // The largest element the slider and the preferences give: larger ones would
    // leave the scan without elements, and the count of pixels must be an integer.
    constexpr double kLargestElement = 72.0;
    return static_cast<int>(std::min(*size, kLargestElement));
}

void runElementScan(const CarDesign& design, const MaterialLibrary& materials, const CarGeometry& geometry,
                    MassModel& model, const ElementVisitor& visit)
{
    model.SpringMass = springMass(design, materials);
    const int s = elementSize(design);
    const float area = static_cast<float>(s * s) / (72.0f * 72.0f);
    const BoardLayer outer = boardLayer(design, materials, OuterBodySlot, area, model.FullLayers);
    const BoardLayer inner = boardLayer(design, materials, InnerBodySlot, area, model.CoredLayers);
    const BodyScan body = scanBody(geometry, s, outer, inner, visit);

    const AxleLoad rear = rearLoad(design, materials, model);
    const AxleLoad front = frontLoad(design, materials, model, rear);
    const WeightSums weights = addedWeights(design);
    model.Wheelbase = front.X - rear.X;
    // Summed part by part: body, front wheels and axle, rear wheels and axle, the
    // springs, the weights.
    model.TotalMass =
        body.Mass + front.Wheels + front.Axle + rear.Wheels + rear.Axle + rear.Spring + front.Spring + weights.Mass;
    model.BoardMass = body.Mass + front.Wheels + rear.Wheels;
    model.AxleMass = front.Axle + rear.Axle;
    // A car that weighs nothing or less has no centre of mass: it shows as 0 (the
    // advisories say why).
    model.CentroidX = 0.0f;
    model.CentroidY = 0.0f;
    if (model.TotalMass > 0.0f) {
        model.CentroidX = finiteOrZero(
            (body.MomentX + front.X * front.mass() + rear.X * rear.mass() + weights.MomentX) / model.TotalMass);
        model.CentroidY = finiteOrZero(
            (body.MomentY + front.Y * front.mass() + rear.Y * rear.mass() + weights.MomentY) / model.TotalMass);
    }
    model.CentroidFromRear = model.CentroidX - rear.X;
    model.CentroidHeight = figure(design.DriveWheelDiameter) / 2.0f + rear.Y - model.CentroidY;
    for (float* f : {&model.Wheelbase, &model.TotalMass, &model.BoardMass, &model.AxleMass, &model.CentroidFromRear,
                     &model.CentroidHeight, &model.SpringMass})
        *f = finiteOrZero(*f);
}

bool runMassStep(const CarDesign& design, const MaterialLibrary& materials, const CarGeometry& geometry, MassModel& model,
                 int firstStepArgument, const ElementVisitor& visit)
{
    model.SpringMass = springMass(design, materials);
    if (!geometry.RegionsValid || firstStepArgument != 0)
        return false;
    runElementScan(design, materials, geometry, model, visit);
    return true;
}

QRect elementViewSquare(const ViewLayout& layout, const QPoint& centre, int size)
{
    const int h = size / 2;
    const Frame view = layout.viewFrame();
    const QPoint topLeft = view.point(static_cast<float>(centre.x() - h), static_cast<float>(centre.y() - h));
    const QPoint bottomRight =
        view.point(static_cast<float>(centre.x() + size - h + 1), static_cast<float>(centre.y() + size - h + 1));
    return {topLeft, bottomRight};
}

int elementSizeAtSliderPosition(int position)
{
    return nearest(72.0 / std::pow(2.0, position));
}

MassFieldTexts massFieldTexts(const MassModel& m)
{
    return {massText(m.SpringMass), massText(m.BoardMass), massText(m.AxleMass), numberText(m.TotalMass),
            numberText(m.CentroidX)};
}

} // namespace brisko
