#include "analysis/ChamberSizing.h"
#include "analysis/MassModel.h"
#include "analysis/VirtualPrototype.h"
#include "geometry/CarGeometry.h"
#include "geometry/Shapes.h"
#include "model/Presets.h"

#include "text/NumberText.h"

#include <gtest/gtest.h>

using namespace brisko;

namespace {

struct Built {
    CarDesign design;
    MaterialLibrary materials;
    MassModel model;
    ViewLayout layout = layoutView(864, 648);
    CarGeometry g;

    Built() { loadPresetShape(design, 0); }
    void build()
    {
        sizeChamberAndLayers(design, materials, model);
        g = buildCarGeometry(design, materials, layout, chamberGeometryOf(model));
    }
};

} // namespace

TEST(ViewLayout, WideWindowLaysOutByHeightAndCentresThePaper)
{
    const ViewLayout v = layoutView(1200, 648);
    EXPECT_FLOAT_EQ(v.ViewScale, 1.0f);
    EXPECT_EQ(v.PaperViewHeight, 540);
    EXPECT_EQ(v.PaperViewWidth, 720);
    EXPECT_EQ(v.PaperLeft, 240);
    EXPECT_EQ(v.PictureShiftX, 13); // nearest(32 * 0.4)
    EXPECT_EQ(v.PictureShiftY, 3);

    const ViewLayout w = layoutView(432, 400, 0.4f, 600, 300);
    EXPECT_FLOAT_EQ(w.ViewScale, 0.5f);
    EXPECT_EQ(w.PaperViewWidth, 360);
    EXPECT_EQ(w.PaperViewHeight, 270);
    EXPECT_EQ(w.PaperLeft, 36);
    EXPECT_FLOAT_EQ(w.PrinterScaleX, 600.0f / 72.0f);
    EXPECT_EQ(w.printerFrame().point(72, 72), QPoint(600, 300));
    EXPECT_EQ(w.viewFrame().point(100, 100), QPoint(86, 50));
}

// The 3D picture scales a drawing point to the view first and then by the picture
// size: nearest(x * ViewScale * PictureSize), which rounds differently from one
// combined factor for some window sizes.
TEST(ViewLayout, PictureFrameScalesToTheViewFirst)
{
    int compared = 0;
    for (int width = 700; width <= 1400; width += 37) {
        for (const float size : {0.4f, 0.3f, 0.7f}) {
            const ViewLayout v = layoutView(width, 2000, size);
            const Frame picture = v.pictureFrame();
            for (int x = 0; x <= 1000; x += 7) {
                const float fx = static_cast<float>(x);
                const QPoint expected(nearest(fx * v.ViewScale * size), nearest(fx * v.ViewScale * size));
                ASSERT_EQ(picture.point(fx, fx), expected) << width << " " << size << " " << x;
                ++compared;
            }
        }
    }
    EXPECT_GT(compared, 0);
}

TEST(Shapes, OctagonVerticesStandOnAxesAndDiagonalsTopFirst)
{
    const QPolygon o = octagonVertices(100.4f, 40.0f, 50.0f);
    ASSERT_EQ(o.size(), 8);
    EXPECT_EQ(o[0], QPoint(100, 446));
    EXPECT_EQ(o[1], QPoint(138, 462));
    EXPECT_EQ(o[2], QPoint(154, 500));
    EXPECT_EQ(o[4], QPoint(100, 554));
    EXPECT_EQ(o[6], QPoint(46, 500)); // from the unrounded centre: 100.4 - 54
    EXPECT_TRUE(polygonRegion(QPolygon({QPoint(0, 0), QPoint(5, 5)})).isEmpty());
}

TEST(CarGeometry, RearCaseTouchesTheLeftEdgeAndIsCutBelowThePaperOnlyInTheView)
{
    Built b;
    b.build();
    const float R = b.model.CaseOuterDia * 36.0f;
    EXPECT_FLOAT_EQ(static_cast<float>(b.g.RearCentre.x()), R);
    const QRect drawing = b.g.rearCaseDrawing().boundingRect();
    EXPECT_LE(drawing.left(), 1);
    EXPECT_GT(drawing.bottom(), 540); // the default wheel is below the case
    EXPECT_LE(b.g.rearCaseView().boundingRect().bottom(), 539);
    EXPECT_LE(b.g.RearCase.Printer.of(ChamberShape::Circular).boundingRect().bottom(), 539);
    EXPECT_TRUE(b.g.RegionsValid);
    EXPECT_TRUE(b.g.Overlaps.OuterMeetsCase);
    EXPECT_FALSE(b.g.Overlaps.OuterOffPaper);
}

TEST(CarGeometry, InnerLayersAreCoredAndTheAxleHolesAreOnlyInTheView)
{
    Built b;
    b.build();
    const QPoint axle = b.layout.viewFrame().point(b.g.RearCentre);
    EXPECT_FALSE(b.g.InnerLayerView.contains(axle));
    EXPECT_FALSE(b.g.OuterLayerView.contains(axle));
    EXPECT_TRUE(b.g.PartRegions[OuterLayerPart].contains(axle));
    EXPECT_TRUE(b.g.OuterLayerPrint.contains(b.layout.printerFrame().point(b.g.RearCentre)));
    EXPECT_FALSE(b.g.InnerLayerPrint.contains(b.layout.printerFrame().point(b.g.RearCentre)));
    // The chamber wall: a point between the chamber and the case is inner board.
    const QPointF wall = b.g.RearCentre - QPointF(0, b.model.CaseInnerDia * 36.0f + 18.0f);
    EXPECT_TRUE(b.g.InnerLayerView.contains(b.layout.viewFrame().point(wall)));
    EXPECT_EQ(b.g.partAt(axle), DriveAxlePart);
}

TEST(CarGeometry, MissingInnerOutlineFollowsTheOuterAndTheRefreshKeepsTheCopy)
{
    Built b;
    b.design.clearInnerOutline();
    b.build();
    EXPECT_TRUE(b.design.InnerOutline.isEmpty()) << "building the regions leaves the design alone";
    EXPECT_EQ(b.g.InnerOutlineRegion, b.g.OuterOutlineRegion);

    VirtualPrototype vp(b.design, b.materials);
    vp.refresh(ProcessState::Set);
    EXPECT_EQ(b.design.InnerOutline, b.design.OuterOutline);
}

TEST(CarGeometry, WithoutOuterOutlineOnlyTheRunningGearIsBuilt)
{
    Built b;
    b.design.clearOuterOutline();
    b.design.clearInnerOutline();
    b.build();
    EXPECT_FALSE(b.g.RegionsValid);
    EXPECT_TRUE(b.g.OuterLayerView.isEmpty());
    EXPECT_TRUE(b.g.InnerLayerView.isEmpty());
    EXPECT_FALSE(b.g.DriveWheelRegion.isEmpty());
    EXPECT_FALSE(b.g.SpringView.isEmpty());
    EXPECT_FALSE(b.g.rearCaseView().isEmpty());
}

TEST(CarGeometry, AllWheelDriveHasNoOtherWheelAndMirrorsTheDriveAtTheFront)
{
    Built b;
    b.design.setDrive(DriveType::AWD);
    b.build();
    EXPECT_TRUE(b.g.PartRegions[OtherWheelsPart].isEmpty());
    EXPECT_TRUE(b.g.PartRegions[OtherAxlePart].isEmpty());
    EXPECT_FALSE(b.g.Overlaps.OuterMeetsOtherAxle);
    const QPoint front = b.layout.viewFrame().point(b.g.FrontCentre);
    EXPECT_TRUE(b.g.DriveWheelRegion.contains(front));
    EXPECT_FALSE(b.g.InnerLayerView.contains(front));
    EXPECT_FALSE(b.g.Overlaps.CasesOverlap);
    EXPECT_GE(b.g.frontCaseDrawing().boundingRect().right(), 718);
}

TEST(CarGeometry, OctagonalChamberReplacesBothShapes)
{
    Built b;
    b.build();
    const float r = b.model.CaseInnerDia * 36.0f;
    const QPointF c = b.g.RearCentre;
    // On the diagonal just beyond the circle the octagon still holds the chamber.
    const QPointF diagonal = c + QPointF(r * 0.74f, r * 0.74f);
    EXPECT_FALSE(b.g.rearChamberDrawing().contains(diagonal.toPoint()));
    b.design.Chamber = ChamberShape::Octagonal;
    b.build();
    EXPECT_TRUE(b.g.rearChamberDrawing().contains(diagonal.toPoint()));
}

TEST(CarGeometry, SketchLeavingThePaperIsOffPaper)
{
    Built b;
    b.design.OuterOutline.setPoints({QPoint(0, 540), QPoint(300, 100), QPoint(800, 540)});
    b.build();
    EXPECT_TRUE(b.g.Overlaps.OuterOffPaper);
}

TEST(CarGeometry, SpringWrapsCountUntilTheStripIsUsed)
{
    EXPECT_EQ(springWraps(0.5f, 0.0f), 0);
    EXPECT_EQ(springWraps(0.5f, 1.0f), 1);
    // 2 pi (2/72 + 0.25) = 1.745; 2 pi (4/72 + 0.25) = 1.920
    EXPECT_EQ(springWraps(0.5f, 3.6f), 2);
    EXPECT_EQ(springWraps(0.5f, 3.7f), 3);
}
