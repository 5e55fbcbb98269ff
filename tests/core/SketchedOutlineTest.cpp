// Outlines as the mouse draws them: both frames of every point, and outlines or
// weights that leave the car without area or mass still give finite figures.
#include "analysis/VirtualPrototype.h"
#include "geometry/OutlineSketch.h"
#include "geometry/Shapes.h"
#include "model/Presets.h"
#include "text/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace brisko;

namespace {

ViewLayout printerLayout()
{
    ViewLayout layout = layoutView(1000, 700, 0.4f, 600, 600);
    layout.PaperLeft = 10;
    layout.ViewScale = 1.5f;
    return layout;
}

struct Car {
    CarDesign design;
    MaterialLibrary materials;
    VirtualPrototype vp{design, materials};
    Car() { loadPresetShape(design, 0); }

    void drawOuter(const QVector<QPoint>& drawingPoints)
    {
        design.OuterOutline.setPoints(drawingPoints);
        design.InnerOutline.setPoints(drawingPoints);
    }
};

void expectFinite(const QString& text, const char* what)
{
    const QString lower = text.toLower();
    EXPECT_FALSE(lower.contains("nan") || lower.contains("inf")) << what << ": " << text.toStdString();
}

void expectFiguresFinite(const VirtualPrototype& vp)
{
    const MassModel& m = vp.mass();
    for (float f : {m.TotalMass, m.BoardMass, m.CentroidX, m.CentroidY, m.CentroidHeight})
        EXPECT_TRUE(std::isfinite(f));
    const StaticResult& s = vp.statics();
    for (float f : {s.NormalLeftRest, s.NormalRightRest, s.NormalLeftWound, s.NormalRightWound, s.TractionLeft,
                    s.TractionRight, s.BarScale})
        EXPECT_TRUE(std::isfinite(f));
    expectFinite(vp.spring().projectedDistanceText(), "projected distance");
    expectFinite(vp.dynamic().TimeTo15, "time to 15 ft");
    expectFinite(vp.dynamic().TopSpeed, "top speed");
    expectFinite(vp.dynamic().PoweredDistance, "distance");
}

} // namespace

TEST(OutlineSketch, EachClickIsKeptInTheDrawingAndThePrinterFrame)
{
    const ViewLayout layout = printerLayout();
    OutlineSketch sketch;
    sketch.start();
    const QPoint view(101, 50); // drawing (60.667, 33.333)
    sketch.press(view);
    ASSERT_TRUE(sketch.release(view, layout));
    EXPECT_EQ(sketch.drawingPoints(), QVector<QPoint>({QPoint(61, 33), QPoint(61, 33)}));
    // From the unrounded position: 60.667 x 8.333 = 505.6, 33.333 x 8.333 = 277.8.
    EXPECT_EQ(sketch.printerPoints().first(), QPoint(506, 278));
    EXPECT_EQ(drawingPointOf(layout, view), QPoint(61, 33));
}

TEST(OutlineSketch, ACommittedOutlinePrintsFromItsPrinterCopy)
{
    Car car;
    const ViewLayout layout = printerLayout();
    OutlineSketch sketch;
    sketch.start();
    for (const QPoint& p : {QPoint(101, 50), QPoint(500, 60), QPoint(400, 500)}) {
        sketch.press(p);
        sketch.release(p, layout);
    }
    ASSERT_TRUE(sketch.canReplaceOutline());
    sketch.replaceOutline(car.design.OuterOutline, layout);
    car.vp.setLayout(layout);
    car.vp.rebuildGeometry();
    const CarGeometry& g = car.vp.geometry();
    const QRegion rearCase = g.RearCase.Printer.of(g.Shape);
    const QRegion fromCopy = polygonRegion(QPolygon(sketch.printerPoints())) + rearCase;
    const QRegion converted = polygonRegion(outlineIn(layout.printerFrame(), car.design.OuterOutline)) + rearCase;
    ASSERT_NE(fromCopy, converted) << "the two differ by their rounding";
    EXPECT_EQ(g.OuterLayerPrint, fromCopy);
}

TEST(SketchedCar, AnOutlineOnOneLineGivesFiniteFigures)
{
    Car car;
    car.drawOuter({{100, 300}, {100, 300}, {300, 300}, {300, 300}, {500, 300}, {500, 300}});
    car.vp.refresh(ProcessState::Dynamic, kNoFrame);
    EXPECT_EQ(car.design.OuterOutline.count(), 6) << "kept as drawn";
    EXPECT_GT(car.vp.mass().TotalMass, 0.0f);
    expectFiguresFinite(car.vp);
}

TEST(SketchedCar, ThreeClicksOnOneSpotGiveFiniteFigures)
{
    Car car;
    car.drawOuter(QVector<QPoint>(6, QPoint(360, 270)));
    car.vp.refresh(ProcessState::Dynamic, kNoFrame);
    expectFiguresFinite(car.vp);
}

TEST(SketchedCar, WeightsThatTakeAllTheMassAwayGiveFiniteFigures)
{
    Car car;
    for (int slot = 0; slot < 8; ++slot)
        car.design.Weights[slot] = AddedWeight{300 + slot, 300, -1.0f};
    car.vp.refresh(ProcessState::Dynamic, kNoFrame);
    expectFiguresFinite(car.vp);
}
