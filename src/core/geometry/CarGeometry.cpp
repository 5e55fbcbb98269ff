#include "geometry/CarGeometry.h"

#include "model/DesignFigures.h"
#include "geometry/GeometryBuilders.h"
#include "geometry/RegionOps.h"
#include "geometry/Shapes.h"
#include "text/NumberText.h"

namespace brisko {

int CarGeometry::partAt(const QPoint& viewPoint) const
{
    for (int i = PartCount - 1; i >= 0; --i)
        if (PartRegions[i].contains(viewPoint))
            return i;
    return -1;
}

int springWraps(float arbor, float length)
{
    // Each wrap lies two drawing pixels further out than the one before.
    constexpr int kMostWraps = 100000;
    int wraps = 0;
    while (length > 0.0f && wraps < kMostWraps) {
        ++wraps;
        length -= 2.0f * kPi * (2.0f * static_cast<float>(wraps) / 72.0f + arbor / 2.0f);
    }
    return wraps;
}

namespace detail {

void buildPaper(CarGeometry& g)
{
    const ViewLayout& v = g.Layout;
    const Frame view = v.unshiftedViewFrame();
    const Frame printer = v.printerFrame();
    g.BelowPaperView = QRegion(QRect(view.point(0, 540), view.point(1000, 768)).adjusted(0, 0, -1, -1));
    if (g.Printer == PrinterFrame::Built)
        g.BelowPaperPrinter = QRegion(QRect(printer.point(0, 540), printer.point(1000, 768)).adjusted(0, 0, -1, -1));
    const Frame picture = v.pictureFrame();
    const QPoint pictureTop = picture.point(0, 540);
    g.BelowPaperPicture = QRegion(QRect(pictureTop, QPoint(picture.point(720, 0).x(), 768)).adjusted(0, 0, -1, -1));
    g.PaperRegion = polygonRegion(QPolygon({QPoint(0, 0), QPoint(v.PaperViewWidth, 0),
                                            QPoint(v.PaperViewWidth, v.PaperViewHeight),
                                            QPoint(0, v.PaperViewHeight)}))
                        .translated(v.PaperLeft, 0);
}

namespace {

// One chamber or case shape about an axle in every frame; `cutBelowPaper` cuts the
// view and printer members at the paper's bottom edge.
FramedShapePair shapePairAbout(const CarGeometry& g, const QPointF& centre, float height, float rho,
                               bool cutBelowPaper)
{
    const ViewLayout& v = g.Layout;
    // Only the member of the chosen chamber shape is ever read: the other stays empty.
    const auto pair = [&](const Frame& frame) {
        ShapePair p;
        if (g.Shape == ChamberShape::Octagonal)
            p.Octagon = octagonRegion(frame, static_cast<float>(centre.x()), height, rho);
        else
            p.Circle = circleRegion(frame, centre, rho);
        return p;
    };
    const auto cut = [&](ShapePair p, const QRegion& strip) {
        if (cutBelowPaper) {
            subtractFrom(p.Octagon, strip);
            subtractFrom(p.Circle, strip);
        }
        return p;
    };
    FramedShapePair s;
    s.Drawing = pair(v.drawingFrame());
    s.View = cut(pair(v.unshiftedViewFrame()), g.BelowPaperView);
    // Shifted through a memo, so that the joins of the layers meet the same data again.
    s.View.Octagon = translatedRegion(s.View.Octagon, v.PaperLeft, 0);
    s.View.Circle = translatedRegion(s.View.Circle, v.PaperLeft, 0);
    if (g.Printer == PrinterFrame::Built)
        s.Printer = cut(pair(v.printerFrame()), g.BelowPaperPrinter);
    if (g.Shown == ShownRegions::Built)
        s.Picture = pair(v.pictureFrame());
    return s;
}

} // namespace

void buildCasesAndChambers(CarGeometry& g, const ChamberGeometry& c)
{
    const float h = c.DriveAxleHeight;
    g.RearCase = shapePairAbout(g, g.RearCentre, h, c.CaseRadius, true);
    g.RearChamber = shapePairAbout(g, g.RearCentre, h, c.ChamberRadius, false);
    if (!g.AllWheelDrive) // the front pair exists only with a second spring
        return;
    g.FrontCase = shapePairAbout(g, g.FrontCentre, h, c.CaseRadius, true);
    g.FrontChamber = shapePairAbout(g, g.FrontCentre, h, c.ChamberRadius, false);
}

} // namespace detail

CarGeometry buildCarGeometry(const CarDesign& design, const MaterialLibrary& materials, const ViewLayout& layout,
                             const ChamberGeometry& chamber, PrinterFrame printer, ShownRegions shown)
{
    CarGeometry g;
    g.Layout = layout;
    g.Printer = printer;
    g.Shown = shown;
    g.Shape = design.Chamber;
    g.AllWheelDrive = design.Drive == DriveType::AWD;
    // Centres within reach of the paper, whatever the figures are.
    const float R = withinSheetReach(chamber.CaseRadius);
    const float y = withinSheetReach(540.0f - chamber.DriveAxleHeight);
    g.RearCentre = QPointF(R, y);
    g.FrontCentre = QPointF(720.0f - R, y);
    g.OtherCentre = QPointF(withinSheetReach(720.0f - design.FrontAxle.XUnits),
                            withinSheetReach(540.0f - design.FrontAxle.YUnits));

    detail::buildPaper(g);
    detail::buildCasesAndChambers(g, chamber);
    detail::buildAxles(g, design);
    detail::buildMarks(g, chamber);
    detail::composeLayers(g, design);
    if (shown == ShownRegions::Built) {
        detail::buildWheelsAndTread(g, design);
        detail::buildSpring(g, design, figure(springOf(design, materials).Thickness));
    }
    return g;
}

} // namespace brisko
