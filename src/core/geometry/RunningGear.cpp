// Axles, wheels, tread, the wound spring and the marks.
#include "model/DesignFigures.h"
#include "geometry/GeometryBuilders.h"
#include "geometry/RegionOps.h"
#include "geometry/Shapes.h"
#include "text/NumberText.h"

namespace brisko::detail {

namespace {

QRect squareAbout(const QPoint& centre, int half)
{
    return {centre.x() - half, centre.y() - half, 2 * half, 2 * half};
}

FramedRegion discAbout(const CarGeometry& g, const QPointF& centre, float radius)
{
    const ViewLayout& v = g.Layout;
    const QRegion printer =
        g.Printer == PrinterFrame::Built ? circleRegion(v.printerFrame(), centre, radius) : QRegion();
    const QRegion picture = g.Shown == ShownRegions::Built ? circleRegion(v.pictureFrame(), centre, radius) : QRegion();
    return {circleRegion(v.viewFrame(), centre, radius), printer, picture, circleRegion(v.drawingFrame(), centre, radius)};
}

void unite(FramedRegion& into, const FramedRegion& more)
{
    uniteInto(into.View, more.View);
    uniteInto(into.Printer, more.Printer);
    uniteInto(into.Picture, more.Picture);
    uniteInto(into.Drawing, more.Drawing);
}

} // namespace

void buildAxles(CarGeometry& g, const CarDesign& design)
{
    const ViewLayout& v = g.Layout;
    const float driveRadius = figure(design.DriveAxleDiameter) * 36.0f;
    g.DriveAxleRegion = discAbout(g, g.RearCentre, driveRadius);
    g.OtherAxleRegion = {};
    if (g.AllWheelDrive)
        unite(g.DriveAxleRegion, discAbout(g, g.FrontCentre, driveRadius));
    else
        g.OtherAxleRegion = discAbout(g, g.OtherCentre, figure(design.OtherAxleDiameter) * 36.0f);
    g.PartRegions[DriveAxlePart] = g.DriveAxleRegion.View;
    g.PartRegions[OtherAxlePart] = g.OtherAxleRegion.View;

    // From the pixel right of the drive axle's centre: an axle on the centre line
    // would leave the car without a wheelbase.
    const float R = withinSheetReach(static_cast<float>(g.RearCentre.x()));
    g.FrontAxleZone = QRegion(QRect(QPoint(nearest(R * v.ViewScale) + v.PaperLeft + 1, 0),
                                    QPoint(v.PaperLeft + v.PaperViewWidth, v.PaperViewHeight))
                                  .adjusted(0, 0, -1, -1));
}

void buildMarks(CarGeometry& g, const ChamberGeometry& chamber)
{
    const ViewLayout& v = g.Layout;
    const float chamberTop = g.Shape == ChamberShape::Octagonal ? 1.08f * chamber.ChamberRadius : chamber.ChamberRadius;
    QVector<QPointF> centres{g.RearCentre, g.RearCentre - QPointF(0, chamberTop + 18.0f), QPointF(15, 525)};
    if (g.AllWheelDrive)
        centres << g.FrontCentre << g.FrontCentre - QPointF(0, chamberTop + 18.0f);
    else
        centres << g.OtherCentre;

    const Frame view = v.viewFrame();
    const Frame printer = v.printerFrame();
    const int printerHalfX = nearest(2.0f * v.PrinterScaleX);
    const int printerHalfY = nearest(2.0f * v.PrinterScaleY);
    g.MarkView = {};
    g.MarkPrinter = {};
    for (const QPointF& c : centres) {
        if (g.Shown == ShownRegions::Built)
            g.MarkView += ellipseRegion(squareAbout(view.point(c), 2));
        if (g.Printer == PrinterFrame::Left)
            continue;
        const QPoint p = printer.point(c);
        g.MarkPrinter += ellipseRegion(
            QRect(p.x() - printerHalfX, p.y() - printerHalfY, 2 * printerHalfX, 2 * printerHalfY));
    }
}

namespace {

// The tread's tab: an ellipse on the tread circle's top, to the right of its
// centre for the rear wheel and to the left for the front one.
QRegion treadTab(const QRect& treadBox, float viewScale, bool toTheLeft)
{
    const int length = nearest(16.0f * viewScale);
    const int half = nearest(6.0f * viewScale);
    const int x = treadBox.left() + treadBox.width() / 2;
    const int left = toTheLeft ? x - length : x;
    return ellipseRegion(QRect(left, treadBox.top() - half, length, 2 * half));
}

} // namespace

void buildWheelsAndTread(CarGeometry& g, const CarDesign& design)
{
    const ViewLayout& v = g.Layout;
    const Frame view = v.viewFrame();
    const int driveHalf = nearest(withinSheetReach(figure(design.DriveWheelDiameter) * 72.0f) * v.ViewScale) / 2;

    QVector<QPointF> driveCentres{g.RearCentre};
    if (g.AllWheelDrive)
        driveCentres << g.FrontCentre;
    g.DriveWheelRegion = {};
    g.TreadRegion = {};
    QRegion treadPart;
    for (int i = 0; i < driveCentres.size(); ++i) {
        const QRect wheelBox = squareAbout(view.point(driveCentres[i]), driveHalf);
        const QRect treadBox = wheelBox.adjusted(-3, -3, 3, 3);
        const QRegion tab = treadTab(treadBox, v.ViewScale, i == 1);
        uniteInto(g.DriveWheelRegion, ellipseRegion(wheelBox));
        uniteInto(g.TreadRegion, unitedRegion(ellipseRegion(treadBox), tab));
        uniteInto(treadPart, unitedRegion(ellipseRegion(treadBox.adjusted(-2, -2, 2, 2)), tab));
    }
    g.PartRegions[DriveWheelsPart] = g.DriveWheelRegion;
    g.PartRegions[WheelTreadPart] = treadPart;

    g.OtherWheelRegion = {};
    if (!g.AllWheelDrive) {
        const int otherHalf = nearest(withinSheetReach(figure(design.OtherWheelDiameter) * 72.0f) * v.ViewScale) / 2;
        g.OtherWheelRegion = ellipseRegion(squareAbout(view.point(g.OtherCentre), otherHalf));
    }
    g.PartRegions[OtherWheelsPart] = g.OtherWheelRegion;
}

namespace {

QRegion springDiscs(const CarGeometry& g, const Frame& frame, float arborRadius, float buildUp)
{
    const int grow = nearest(withinSheetReach(buildUp) * (frame.ScaleX * frame.Factor) * 1.1f);
    QRegion discs = ellipseRegion(frame.circleBox(g.RearCentre, arborRadius).adjusted(-grow, -grow, grow, grow));
    if (g.AllWheelDrive)
        discs += ellipseRegion(frame.circleBox(g.FrontCentre, arborRadius).adjusted(-grow, -grow, grow, grow));
    return discs;
}

} // namespace

void buildSpring(CarGeometry& g, const CarDesign& design, float springThickness)
{
    const float arbor = figure(design.DriveAxleDiameter);
    const int wraps = springWraps(arbor, figure(design.SpringLength));
    // The wound strip in drawing pixels; it is drawn 10 % thicker.
    const float buildUp = static_cast<float>(wraps) * springThickness * 72.0f;
    const float arborRadius = arbor / 2.0f * 72.0f;
    g.SpringView = springDiscs(g, g.Layout.viewFrame(), arborRadius, buildUp);
    g.SpringPicture = springDiscs(g, g.Layout.pictureFrame(), arborRadius, buildUp);
    g.PartRegions[SpringPart] = g.SpringView;
}

} // namespace brisko::detail
