#include "render/DesignViewPainter.h"

#include "render/DriveDirection.h"
#include "render/LayerPainter.h"
#include "render/RegionPainting.h"
#include "render/ViewColours.h"
#include "render/WeightMarkers.h"

namespace brisko {

namespace {

void paintWheels(QPainter& painter, const CarGeometry& g)
{
    frameRegion(painter, g.DriveWheelRegion, QBrush(colours::kWhite), 3, 3);
    if (!g.AllWheelDrive)
        frameRegion(painter, g.OtherWheelRegion, QBrush(colours::kWhite), 2, 2);
}

void paintSpring(QPainter& painter, const CarGeometry& g)
{
    fillRegion(painter, g.SpringView, QBrush(colours::kSpringFill));
    frameRegion(painter, g.SpringView, QBrush(colours::kSpringRim), 2, 2);
}

void paintAxle(QPainter& painter, const QRegion& axle)
{
    fillRegion(painter, axle, QBrush(colours::kAxle));
    frameRegion(painter, axle, QBrush(colours::kGround), 2, 2);
}

void paintHole(QPainter& painter, const QRegion& hole)
{
    fillRegion(painter, hole, QBrush(colours::kWhite));
    frameRegion(painter, hole, QBrush(colours::kBlack), 2, 2);
}

} // namespace

WeightBoxes paintSetPicture(QPainter& painter, const CarGeometry& g, const CarDesign& design, const MaterialLibrary& materials,
                     float chamberRadius)
{
    paintInnerLayers(painter, g, colours::kInnerLayer);
    paintOuterLayer(painter, g, colours::kOuterLayer);
    paintWheels(painter, g);
    paintSpring(painter, g);
    paintSpringStrips(painter, g, design, materials, chamberRadius);
    paintDriveDirection(painter, g.Layout, design.Drive);
    paintAxle(painter, g.DriveAxleRegion.View);
    frameRegion(painter, g.TreadRegion, QBrush(colours::kTread), 3, 3);
    if (!g.AllWheelDrive)
        paintAxle(painter, g.OtherAxleRegion.View);
    frameRegion(painter, g.MarkView, QBrush(colours::kBlack), 1, 1);
    return paintWeights(painter, g.Layout, design);
}

void paintTemplatePicture(QPainter& painter, const CarGeometry& g, bool outerLayer, const PageLabelPainter& pageLabels)
{
    fillRegion(painter, outerLayer ? g.OuterLayerPrint : g.InnerLayerPrint, QBrush(colours::kSilver));
    fillRegion(painter, g.BelowPaperPrinter, QBrush(colours::kWhite));
    paintHole(painter, g.DriveAxleRegion.Printer);
    if (pageLabels)
        pageLabels(painter);
    if (!g.AllWheelDrive)
        paintHole(painter, g.OtherAxleRegion.Printer);
    frameRegion(painter, g.MarkPrinter, QBrush(colours::kBlack), 1, 1);
}

} // namespace brisko
