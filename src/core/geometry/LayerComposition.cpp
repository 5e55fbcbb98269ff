// The board layers: outer layers are the outline with the whole case; inner
// (cored) layers are the outline with the case less the chamber. The displayed
// layers have the axle holes cut out; the templates keep them.
#include "geometry/GeometryBuilders.h"
#include "geometry/Shapes.h"

namespace brisko::detail {

namespace {

bool meets(const QRegion& a, const QRegion& b)
{
    return a.intersects(b);
}

void composeOuterLayer(CarGeometry& g, const BodyOutline& outer)
{
    const ViewLayout& v = g.Layout;
    const bool awd = g.AllWheelDrive;
    g.OuterOutlineRegion = polygonRegion(outlineIn(v.drawingFrame(), outer));
    const QRegion bare = polygonRegion(outlineIn(v.viewFrame(), outer));
    g.Overlaps.OuterMeetsCase = meets(bare, g.rearCaseView());
    g.Overlaps.OuterMeetsFrontCase = awd && meets(bare, g.frontCaseView());

    QRegion layer = bare + g.rearCaseView();
    if (awd)
        layer += g.frontCaseView();
    g.PartRegions[OuterLayerPart] = layer;
    layer -= g.DriveAxleRegion.View;
    if (!awd) {
        g.Overlaps.OuterMeetsOtherAxle = meets(layer, g.OtherAxleRegion.View);
        layer -= g.OtherAxleRegion.View;
    }
    g.OuterLayerView = layer;

    g.OuterLayerPrint = polygonRegion(printerOutline(v.printerFrame(), outer)) + g.RearCase.Printer.of(g.Shape);
    if (awd)
        g.OuterLayerPrint += g.FrontCase.Printer.of(g.Shape);
    g.OuterOutlinePicture = outlineIn(v.pictureFrame(), outer);
}

void composeInnerLayer(CarGeometry& g, const BodyOutline& inner, const QRegion& bareOuterView)
{
    const ViewLayout& v = g.Layout;
    const bool awd = g.AllWheelDrive;
    const ChamberShape k = g.Shape;
    g.InnerOutlineRegion = polygonRegion(outlineIn(v.drawingFrame(), inner));
    const QRegion bare = polygonRegion(outlineIn(v.viewFrame(), inner));
    g.Overlaps.InnerMeetsCase = meets(bare, g.rearCaseView());
    g.Overlaps.InnerMeetsFrontCase = awd && meets(bare, g.frontCaseView());
    g.Overlaps.InnerMeetsOuter = meets(bareOuterView, bare);

    QRegion layer = (bare + g.rearCaseView()) - g.rearChamberView();
    if (awd)
        layer = (layer + g.frontCaseView()) - g.frontChamberView();
    g.PartRegions[InnerLayersPart] = layer;
    layer -= g.DriveAxleRegion.View;
    if (!awd) {
        g.Overlaps.InnerMeetsOtherAxle = meets(layer, g.OtherAxleRegion.View);
        layer -= g.OtherAxleRegion.View;
    }
    g.InnerLayerView = layer;

    QRegion print = (polygonRegion(printerOutline(v.printerFrame(), inner)) + g.RearCase.Printer.of(k))
                    - g.RearChamber.Printer.of(k);
    if (awd)
        print = (print + g.FrontCase.Printer.of(k)) - g.FrontChamber.Printer.of(k);
    g.InnerLayerPrint = print;
    g.InnerOutlinePicture = outlineIn(v.pictureFrame(), inner);
}

} // namespace

void composeLayers(CarGeometry& g, CarDesign& design)
{
    if (g.AllWheelDrive) {
        g.Overlaps.CasesOverlap = meets(g.rearCaseView(), g.frontCaseView());
        g.Overlaps.ChambersOverlap = meets(g.rearChamberView(), g.frontChamberView());
    }
    // Without an outer outline only the running gear exists.
    if (design.OuterOutline.count() < 2)
        return;
    g.RegionsValid = true;
    composeOuterLayer(g, design.OuterOutline);

    // A missing inner outline follows the outer one from now on.
    if (design.InnerOutline.count() < 2)
        design.InnerOutline = design.OuterOutline;
    composeInnerLayer(g, design.InnerOutline, polygonRegion(outlineIn(g.Layout.viewFrame(), design.OuterOutline)));

    g.Overlaps.InnerOffPaper = !(g.InnerLayerView - g.PaperRegion).isEmpty();
    g.Overlaps.OuterOffPaper = !(g.OuterLayerView - g.PaperRegion).isEmpty();
}

} // namespace brisko::detail
