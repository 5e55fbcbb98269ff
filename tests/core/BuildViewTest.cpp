// The 3D build view painted into images: the slabs of the car in their order,
// swept through their depth, in the colours of the build view; and the pages of
// the template preview.
#include "GuiApp.h"

#include "analysis/VirtualPrototype.h"
#include "render/RegionPainting.h"
#include "model/Presets.h"
#include "render/BuildPace.h"
#include "render/PreviewPage.h"
#include "render/SlabSweep.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <cmath>

using namespace brisko;

namespace {

constexpr int kAreaWidth = 1280;
const QColor kSheet(0, 170, 255);

struct BuiltCar {
    CarDesign design;
    MaterialLibrary materials;
    VirtualPrototype vp{design, materials};
    BuildScene scene;
    QVector<QPoint> ends;

    explicit BuiltCar(DriveType drive = DriveType::RWD, float pictureSize = 0.4f)
    {
        test::ensureGuiApp();
        loadPresetShape(design, 0);
        design.setDrive(drive);
        vp.setLayout(layoutView(kAreaWidth, 700, pictureSize));
        vp.sizeChamber();
        vp.rebuildGeometryForDrawing();
        scene = buildSceneOf(vp.geometry(), design, materials, vp.mass().CoredLayers, kAreaWidth);
        ends = slabEnds(scene);
    }

    QImage draw(int first, int last) const
    {
        QImage image(kAreaWidth, 700, QImage::Format_RGB32);
        image.fill(kSheet);
        QPainter painter(&image);
        drawSlabs(painter, scene, first, last);
        return image;
    }

    // Where a drawing-frame point is once slab `slab` has been swept.
    QPoint at(const QPointF& p, int slab) const
    {
        return vp.geometry().Layout.pictureFrame().point(p) + QPoint(scene.Offset, 0) + ends.at(slab - 1);
    }
    int cored() const { return vp.mass().CoredLayers; }
};

// A pixel on the rim of `region` moved by `by` that none of `away` covers.
QPoint rimPixel(const QRegion& region, const QPoint& by, const QVector<QRect>& away = {})
{
    for (const QRect& rect : frameBand(region, 1, 1))
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QPoint p = QPoint(x, rect.top()) + by;
            if (std::none_of(away.begin(), away.end(), [&](const QRect& r) { return r.contains(p); }))
                return p;
        }
    ADD_FAILURE() << "no free rim pixel";
    return {};
}

// The leftmost point of the first wheel's ring once slab `slab` has been swept.
QPoint wheelRingLeft(const BuiltCar& car, int slab)
{
    const QRect box = car.scene.Wheels.first();
    return QPoint(box.left(), box.center().y()) + car.ends.at(slab - 1);
}

} // namespace

TEST(BuildSlabs, FourCoredLayersStackElevenSlabsInTheirOrder)
{
    const BuiltCar car;
    ASSERT_EQ(car.cored(), 4);
    ASSERT_EQ(car.scene.slabCount(), 11);
    EXPECT_EQ(slabCountText(11), "11 layers");
    EXPECT_EQ(slabProgressText(5, 11), "5 of 11");
    const QVector<SlabKind> expected = {SlabKind::FarWheels,  SlabKind::Axles,      SlabKind::OuterLayer,
                                        SlabKind::InnerLayer, SlabKind::InnerLayer, SlabKind::InnerLayer,
                                        SlabKind::InnerLayer, SlabKind::OuterLayer, SlabKind::Axles,
                                        SlabKind::NearWheels, SlabKind::Axles};
    for (int k = 0; k < 11; ++k)
        EXPECT_EQ(car.scene.Slabs[k].Kind, expected[k]) << "slab " << k + 1;
}

// Each slab sweeps one pixel at a time along the longer axis; the fractions of the
// shorter one add up over the whole stack instead of being lost slab by slab.
TEST(BuildSlabs, TheSweepCarriesFractionsOfAPixelFromSlabToSlab)
{
    const BuiltCar car;
    float depthY = 0.0f;
    int stepsX = 0, wholePixelsY = 0;
    for (const Slab& slab : car.scene.Slabs) {
        ASSERT_GE(slab.Dx, slab.Dy);
        depthY += slab.Dy;
        stepsX += static_cast<int>(std::ceil(slab.Dx - 1e-4f));
        wholePixelsY += static_cast<int>(std::floor(slab.Dy));
    }
    EXPECT_EQ(car.ends.last().x(), -stepsX);
    EXPECT_EQ(car.ends.last().y(), static_cast<int>(std::floor(depthY + 1e-3f)));
    EXPECT_GT(car.ends.last().y(), wholePixelsY); // what slab-by-slab rounding would give
}

TEST(BuildSlabs, TheWholeCarShowsFoamEdgesAxlesAndTheirRimsWhereTheyEnd)
{
    const BuiltCar car;
    const QImage image = car.draw(0, kAllSlabs);
    const int m = car.scene.slabCount();
    EXPECT_EQ(image.pixelColor(car.at(car.vp.geometry().RearCentre, m)), buildcolours::kAxleFill);
    EXPECT_EQ(image.pixelColor(rimPixel(car.scene.Axles, car.ends.last())), buildcolours::kAxleEdge);
    // The second outer layer's edge, where the near wheels and axles do not reach.
    QVector<QRect> later;
    for (int k = car.cored() + 5; k <= m; ++k) {
        later << car.scene.Axles.boundingRect().translated(car.ends[k - 1]);
        for (const QRect& wheel : car.scene.Wheels)
            later << wheel.adjusted(-3, -3, 3, 3).translated(car.ends[k - 1]);
    }
    const QPoint edge = rimPixel(car.scene.OuterLayer, car.ends[car.cored() + 3], later);
    EXPECT_EQ(image.pixelColor(edge), buildcolours::kFoamEdge);
    EXPECT_EQ(image.pixelColor(wheelRingLeft(car, car.cored() + 6)), buildcolours::kWheelOutline);
}

TEST(BuildSlabs, ACoredLayerShowsTheSpringOverTheAxleWithItsRim)
{
    const BuiltCar car;
    const QImage image = car.draw(0, 4); // up to the first cored layer
    EXPECT_EQ(image.pixelColor(car.at(car.vp.geometry().RearCentre, 4)), buildcolours::kSpringFill);
    EXPECT_EQ(image.pixelColor(rimPixel(car.scene.Spring, car.ends[3])), buildcolours::kSpringEdge);
}

// Stepping: the slabs before the first one asked for are swept but not painted,
// so that the new slab lands where it belongs on the picture already shown.
TEST(BuildSlabs, AStepPaintsOnlyItsSlabInItsPlace)
{
    const BuiltCar car;
    QImage stepped = car.draw(0, 2);
    {
        QPainter painter(&stepped);
        drawSlabs(painter, car.scene, 3, 3);
    }
    EXPECT_EQ(stepped, car.draw(0, 3));
    const QImage alone = car.draw(3, 3);
    EXPECT_EQ(alone.pixelColor(rimPixel(car.scene.OuterLayer, car.ends[2])), buildcolours::kFoamEdge);
    int wheelPixels = 0;
    for (int y = 0; y < alone.height(); ++y)
        for (int x = 0; x < alone.width(); ++x)
            wheelPixels += alone.pixelColor(x, y) == buildcolours::kWheelOutline ? 1 : 0;
    EXPECT_EQ(wheelPixels, 0); // the far wheels of slab 1 are not painted
}

TEST(BuildSlabs, AllWheelDriveHasTwoDriveAxlesAndNoSeparateOtherAxle)
{
    const BuiltCar car(DriveType::AWD);
    const QImage image = car.draw(0, kAllSlabs);
    const int m = car.scene.slabCount();
    const CarGeometry& g = car.vp.geometry();
    EXPECT_EQ(image.pixelColor(car.at(g.RearCentre, m)), buildcolours::kAxleFill);
    EXPECT_EQ(image.pixelColor(car.at(g.FrontCentre, m)), buildcolours::kAxleFill);
    EXPECT_NE(image.pixelColor(car.at(g.OtherCentre, m)), buildcolours::kAxleFill);
    EXPECT_EQ(car.scene.Wheels.size(), 2); // rear and front drive wheels
}

// Positions a drawing of slabs `first` to `last` paints, counted from the sweep itself.
int paintedPositions(const BuildScene& scene, int first, int last)
{
    QImage image(kAreaWidth, 700, QImage::Format_RGB32);
    QPainter painter(&image);
    SlabSweep sweep(scene, first, last);
    int positions = 0;
    while (!sweep.done())
        positions += sweep.step(painter).isEmpty() ? 0 : 1;
    return positions;
}

// The build is paced by the clock: the whole car takes between 1.5 and 3 s at the
// starting picture size, on any machine and in any window, and longer at a larger
// picture; its last position is due at that time and a single slab takes its share.
TEST(BuildPace, TheWholeCarTakesItsTimeAndASmallerPictureLess)
{
    int previous = 0;
    for (int size = 0; size < kPictureSizePositions; ++size) {
        SCOPED_TRACE(size);
        const BuiltCar car(DriveType::RWD, pictureSizeAt(size));
        const int whole = wholeBuildMilliseconds(pictureSizeAt(size));
        const BuildPace pace(car.scene, whole);
        const int positions = paintedPositions(car.scene, 0, kAllSlabs);
        EXPECT_NEAR(pace.dueAfter(positions - 1), whole, 1e-6);
        if (size == 0) {
            EXPECT_GE(pace.dueAfter(positions - 1), 1500.0);
            EXPECT_LE(pace.dueAfter(positions - 1), 3000.0);
        }
        EXPECT_GT(whole, previous);
        previous = whole;
        const int third = paintedPositions(car.scene, 3, 3);
        EXPECT_NEAR(pace.dueAfter(third - 1), whole * double(third) / positions, 1e-6);
    }
    EXPECT_EQ(wholeBuildMilliseconds(pictureSizeAt(2), 0), 0); // unpaced, as the window's tests draw
}

TEST(PreviewPages, FirstAndLastPagesShowTheOuterLayerThoseBetweenTheCoredOne)
{
    const BuiltCar car;
    const CarGeometry& g = car.vp.geometry();
    EXPECT_EQ(previewPageText(1, 6), "1 of 6");
    const float halfChamber = car.vp.mass().chamberRadiusUnits() / 2.0f;
    const QPoint chamber = g.Layout.viewFrame().point(g.RearCentre - QPointF(0, halfChamber));
    for (int page = 1; page <= 6; ++page) {
        QImage image(kAreaWidth, 700, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        paintPreviewPage(painter, g, page, 6);
        painter.end();
        const bool outer = page == 1 || page == 6;
        EXPECT_EQ(image.pixelColor(chamber) == kPreviewLayerGrey, outer) << "page " << page;
    }
}

TEST(PreviewPages, WithNoBuildResultsOnlyANoteIsWritten)
{
    const BuiltCar car;
    QImage image(kAreaWidth, 700, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintPreviewPage(painter, car.vp.geometry(), 1, 0);
    painter.end();
    EXPECT_EQ(previewPageText(1, 0), "No templates yet: build the car first");
    const CarGeometry& g = car.vp.geometry();
    const QPointF onCaseRing = g.RearCentre - QPointF(0, car.vp.mass().chamberRadiusUnits() + 18.0f);
    EXPECT_EQ(image.pixelColor(g.Layout.viewFrame().point(onCaseRing)), QColor(Qt::white));
    bool text = false;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            text |= image.pixelColor(x, y) == Qt::black;
    EXPECT_TRUE(text);
}
