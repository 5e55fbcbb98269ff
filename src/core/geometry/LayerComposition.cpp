// The board layers: outer layers are the outline with the whole case; inner
// (cored) layers are the outline with the case less the chamber. The displayed
// layers have the axle holes cut out; the templates keep them. The overlap tests
// repeat the composition on the drawing-frame regions, which the window's size
// does not change.
#include "geometry/GeometryBuilders.h"
#include "geometry/RegionOps.h"
#include "geometry/Shapes.h"

namespace brisko::detail {

namespace {

// The rectangles of one band of a region: equal tops and bottoms, left to right.
struct Band {
    const QRect* begin;
    const QRect* end;
    const QRect* last;
    Band(const QRect* from, const QRect* last)
        : begin(from)
        , end(from)
        , last(last)
    {
        while (end != last && end->top() == begin->top())
            ++end;
    }
    bool valid() const { return begin != last; }
    Band next() const { return {end, last}; }
    int top() const { return begin->top(); }
    int bottom() const { return begin->bottom(); }
};

bool bandsMeet(const Band& a, const Band& b)
{
    const QRect* i = a.begin;
    const QRect* j = b.begin;
    while (i != a.end && j != b.end) {
        if (i->right() < j->left())
            ++i;
        else if (j->right() < i->left())
            ++j;
        else
            return true;
    }
    return false;
}

// Whether two regions share a pixel, walking both band lists once (QRegion's own
// test tries every pair of rectangles when the regions do not meet).
bool meets(const QRegion& a, const QRegion& b)
{
    if (a.isEmpty() || b.isEmpty() || !a.boundingRect().intersects(b.boundingRect()))
        return false;
    Band p(a.begin(), a.end());
    Band q(b.begin(), b.end());
    while (p.valid() && q.valid()) {
        if (p.bottom() < q.top()) {
            p = p.next();
        } else if (q.bottom() < p.top()) {
            q = q.next();
        } else {
            if (bandsMeet(p, q))
                return true;
            if (p.bottom() < q.bottom())
                p = p.next();
            else
                q = q.next();
        }
    }
    return false;
}

// Whether some pixel of `layer` lies outside `paper`. The paper is one rectangle, which
// holds a region exactly when it holds the region's bounds.
bool reachesBeyond(const QRegion& layer, const QRegion& paper)
{
    if (layer.isEmpty())
        return false;
    if (paper.rectCount() == 1)
        return !paper.boundingRect().contains(layer.boundingRect());
    return !subtractedRegion(layer, paper).isEmpty();
}

// The drawing-frame cases cut at the paper's bottom edge, as the view's are, and
// the chambers whole.
struct DrawingShapes {
    QRegion RearCase, FrontCase, RearChamber, FrontChamber;
};

DrawingShapes drawingShapesOf(const CarGeometry& g)
{
    const QRegion below(g.BelowPaperDrawing);
    DrawingShapes d;
    d.RearCase = subtractedRegion(g.rearCaseDrawing(), below);
    d.RearChamber = g.rearChamberDrawing();
    if (g.AllWheelDrive) {
        d.FrontCase = subtractedRegion(g.frontCaseDrawing(), below);
        d.FrontChamber = g.frontChamberDrawing();
    }
    return d;
}

void testOuterContacts(CarGeometry& g, const DrawingShapes& d)
{
    const bool awd = g.AllWheelDrive;
    const QRegion& bare = g.OuterOutlineRegion;
    g.Overlaps.OuterMeetsCase = meets(bare, d.RearCase);
    g.Overlaps.OuterMeetsFrontCase = awd && meets(bare, d.FrontCase);
    if (awd)
        return;
    // The layer (outline and case, less the drive axle's hole) meets the other axle
    // where the outline or the case meets what of the axle the hole leaves: the same
    // answer without composing the whole layer.
    const QRegion axle = subtractedRegion(g.OtherAxleRegion.Drawing, g.DriveAxleRegion.Drawing);
    g.Overlaps.OuterMeetsOtherAxle = meets(bare, axle) || meets(d.RearCase, axle);
}

void testInnerContacts(CarGeometry& g, const DrawingShapes& d)
{
    const bool awd = g.AllWheelDrive;
    const QRegion& bare = g.InnerOutlineRegion;
    g.Overlaps.InnerMeetsCase = meets(bare, d.RearCase);
    g.Overlaps.InnerMeetsFrontCase = awd && meets(bare, d.FrontCase);
    g.Overlaps.InnerMeetsOuter = meets(g.OuterOutlineRegion, bare);
    if (awd)
        return;
    // As for the outer layer, with the chamber cut out of the axle too.
    const QRegion axle =
        subtractedRegion(subtractedRegion(g.OtherAxleRegion.Drawing, d.RearChamber), g.DriveAxleRegion.Drawing);
    g.Overlaps.InnerMeetsOtherAxle = meets(bare, axle) || meets(d.RearCase, axle);
}

// The holes of the displayed layers: cut at once, they leave the pixels (and so the
// rectangles) that cutting one after the other leaves, with one pass over the layer.
QRegion axleHoles(const CarGeometry& g)
{
    if (g.AllWheelDrive)
        return g.DriveAxleRegion.View;
    return unitedRegion(g.DriveAxleRegion.View, g.OtherAxleRegion.View);
}

// The view's layers, composed whole (Whole) or only where they lie off the paper
// (OffPaper): every shape the composition adds is first cut to its part outside the
// paper, which is the same as cutting the finished layer, since joins and cuts keep
// to the pixels of their operands. Off the paper, most shapes have no part at all,
// and an outline whose points lie on the paper is not even converted.
class ViewComposition {
public:
    enum Extent { Whole, OffPaper };
    ViewComposition(const CarGeometry& g, Extent extent)
        : m_paper(g.PaperRegion)
        , m_offPaper(extent == OffPaper)
    {
    }
    QRegion outline(const QPolygon& points) const
    {
        if (m_offPaper && m_paper.boundingRect().contains(points.boundingRect()))
            return {};
        return added(polygonRegion(points));
    }
    QRegion added(const QRegion& shape) const
    {
        if (!m_offPaper)
            return shape;
        if (m_paper.boundingRect().contains(shape.boundingRect()))
            return {};
        return subtractedRegion(shape, m_paper);
    }
    bool whole() const { return !m_offPaper; }
    // Whether the layer has pixels off the paper: any, when composed off the paper.
    bool reachesBeyond(const QRegion& layer) const
    {
        return m_offPaper ? !layer.isEmpty() : detail::reachesBeyond(layer, m_paper);
    }

private:
    const QRegion& m_paper;
    bool m_offPaper;
};

// A refresh nobody draws composes the view's layers only off the paper, where the
// off-paper tests look, when the paper is one rectangle (as it always is).
ViewComposition::Extent viewExtent(const CarGeometry& g)
{
    return g.Shown == ShownRegions::Left && g.PaperRegion.rectCount() == 1 ? ViewComposition::OffPaper
                                                                             : ViewComposition::Whole;
}

void composeOuterLayer(CarGeometry& g, const BodyOutline& outer)
{
    const ViewLayout& v = g.Layout;
    const bool awd = g.AllWheelDrive;
    g.OuterOutlineRegion = polygonRegion(outlineIn(v.drawingFrame(), outer));
    const ViewComposition view(g, viewExtent(g));

    QRegion layer = unitedRegion(view.outline(outlineIn(v.viewFrame(), outer)), view.added(g.rearCaseView()));
    if (awd)
        uniteInto(layer, view.added(g.frontCaseView()));
    const QRegion holed = subtractedRegion(layer, axleHoles(g));
    g.Overlaps.OuterOffPaper = view.reachesBeyond(holed);
    if (view.whole()) {
        g.PartRegions[OuterLayerPart] = layer;
        g.OuterLayerView = holed;
    }

    g.OuterOutlinePicture = outlineIn(v.pictureFrame(), outer);
    if (g.Printer == PrinterFrame::Left)
        return;
    g.OuterLayerPrint = unitedRegion(polygonRegion(printerOutline(v.printerFrame(), outer)), g.RearCase.Printer.of(g.Shape));
    if (awd)
        uniteInto(g.OuterLayerPrint, g.FrontCase.Printer.of(g.Shape));
}

void composeInnerLayer(CarGeometry& g, const BodyOutline& inner)
{
    const ViewLayout& v = g.Layout;
    const bool awd = g.AllWheelDrive;
    const ChamberShape k = g.Shape;
    g.InnerOutlineRegion = polygonRegion(outlineIn(v.drawingFrame(), inner));
    const ViewComposition view(g, viewExtent(g));

    QRegion layer = subtractedRegion(
        unitedRegion(view.outline(outlineIn(v.viewFrame(), inner)), view.added(g.rearCaseView())), g.rearChamberView());
    if (awd)
        layer = subtractedRegion(unitedRegion(layer, view.added(g.frontCaseView())), g.frontChamberView());
    const QRegion holed = subtractedRegion(layer, axleHoles(g));
    g.Overlaps.InnerOffPaper = view.reachesBeyond(holed);
    if (view.whole()) {
        g.PartRegions[InnerLayersPart] = layer;
        g.InnerLayerView = holed;
    }

    g.InnerOutlinePicture = outlineIn(v.pictureFrame(), inner);
    if (g.Printer == PrinterFrame::Left)
        return;
    QRegion print = subtractedRegion(
        unitedRegion(polygonRegion(printerOutline(v.printerFrame(), inner)), g.RearCase.Printer.of(k)),
        g.RearChamber.Printer.of(k));
    if (awd)
        print = subtractedRegion(unitedRegion(print, g.FrontCase.Printer.of(k)), g.FrontChamber.Printer.of(k));
    g.InnerLayerPrint = print;
}

} // namespace

void composeLayers(CarGeometry& g, const CarDesign& design)
{
    const DrawingShapes shapes = drawingShapesOf(g);
    if (g.AllWheelDrive) {
        g.Overlaps.CasesOverlap = meets(shapes.RearCase, shapes.FrontCase);
        g.Overlaps.ChambersOverlap = meets(shapes.RearChamber, shapes.FrontChamber);
    }
    // Without an outer outline only the running gear exists.
    if (design.OuterOutline.count() < 2)
        return;
    g.RegionsValid = true;
    composeOuterLayer(g, design.OuterOutline);
    testOuterContacts(g, shapes);

    // Without an inner outline the inner layers follow the outer one.
    composeInnerLayer(g, design.InnerOutline.count() < 2 ? design.OuterOutline : design.InnerOutline);
    testInnerContacts(g, shapes);
}

} // namespace brisko::detail
