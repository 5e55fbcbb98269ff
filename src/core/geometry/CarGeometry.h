#pragma once
// Every part of the car as a plane region of the side view, in the drawing, view,
// printer and picture frames, with the layer composition and the overlap results
// that the build advisories read. A region set is rebuilt from scratch from the
// design, the layout and the chamber figures; it is never edited.
#include "geometry/ViewLayout.h"
#include "model/CarDesign.h"
#include "model/MaterialLibrary.h"

#include <QPolygon>
#include <QRegion>
#include <array>

namespace brisko {

// The octagonal and the circular member of a chamber or case shape.
struct ShapePair {
    QRegion Octagon;
    QRegion Circle;
    const QRegion& of(ChamberShape shape) const { return shape == ChamberShape::Octagonal ? Octagon : Circle; }
};

// A chamber or case shape in each frame. The view and printer cases are cut at the
// paper's bottom edge; the drawing and picture ones are whole.
struct FramedShapePair {
    ShapePair Drawing, View, Printer, Picture;
};

struct FramedRegion {
    QRegion View, Printer, Picture, Drawing;
};

// Each true when the tested intersection or difference is not empty. The contact
// tests are made on drawing-frame regions, so that whether two parts touch never
// depends on the window's size; the off-paper tests are made in the view.
struct OverlapResults {
    bool CasesOverlap = false;        // computed only in AWD
    bool ChambersOverlap = false;
    bool OuterMeetsCase = false;
    bool OuterMeetsFrontCase = false;
    bool OuterMeetsOtherAxle = false; // computed only when not AWD
    bool InnerMeetsCase = false;
    bool InnerMeetsFrontCase = false;
    bool InnerMeetsOuter = false;
    bool InnerMeetsOtherAxle = false; // computed only when not AWD
    bool InnerOffPaper = false;
    bool OuterOffPaper = false;
};

// Positions in the part list; PartRegions follows it.
enum PartIndex {
    InnerLayersPart = 0,
    OuterLayerPart,
    WheelTreadPart,
    DriveWheelsPart,
    OtherWheelsPart,
    SpringPart,
    DriveAxlePart,
    OtherAxlePart,
    PartCount
};

// What the regions are built from besides the design: the chamber radius r and the
// case radius R in drawing pixels, and the drive axle's height above the paper's
// bottom edge in drawing pixels.
struct ChamberGeometry {
    float ChamberRadius = 0.0f;
    float CaseRadius = 36.0f;
    float DriveAxleHeight = 0.0f;
};

// Whether the regions of the printer frame (the templates') are built: a refresh
// leaves them out, the paper prototype and the template pictures build them.
enum class PrinterFrame { Built, Left };
// Whether the regions only a picture of the design shows are built: the picture
// frame's, the wheels, the tread, the spring and the marks on the sheet. A refresh
// nobody draws (the command-line tools, the sweeps, the class standings) leaves
// them out; no figure reads them.
enum class ShownRegions { Built, Left };

struct CarGeometry {
    ViewLayout Layout;
    PrinterFrame Printer = PrinterFrame::Built; // Left: every printer-frame region is empty
    ShownRegions Shown = ShownRegions::Built;   // Left: every region only pictures show is empty
    ChamberShape Shape = ChamberShape::Circular;
    bool AllWheelDrive = false;

    // Axle centres in the drawing frame: the rear (drive) axle, the front drive axle
    // of AWD, and the other axle otherwise.
    QPointF RearCentre, FrontCentre, OtherCentre;

    FramedShapePair RearCase, RearChamber, FrontCase, FrontChamber;

    QRect BelowPaperDrawing{0, 540, 1000, 228}; // the strip below the paper
    QRegion BelowPaperView, BelowPaperPrinter, BelowPaperPicture;
    QRegion PaperRegion; // view

    QRegion OuterOutlineRegion, InnerOutlineRegion; // drawing frame
    QPolygon OuterOutlinePicture, InnerOutlinePicture;
    QRegion OuterLayerView, InnerLayerView;
    QRegion OuterLayerPrint, InnerLayerPrint;

    QRegion DriveWheelRegion, OtherWheelRegion, TreadRegion; // view
    FramedRegion DriveAxleRegion, OtherAxleRegion;
    QRegion SpringView, SpringPicture;
    QRegion MarkView, MarkPrinter;
    QRegion FrontAxleZone; // view: where the other axle may be placed

    std::array<QRegion, PartCount> PartRegions; // view
    OverlapResults Overlaps;
    bool RegionsValid = false; // layers composed from an outer outline of 2 points or more

    const QRegion& rearCaseDrawing() const { return RearCase.Drawing.of(Shape); }
    const QRegion& frontCaseDrawing() const { return FrontCase.Drawing.of(Shape); }
    const QRegion& rearChamberDrawing() const { return RearChamber.Drawing.of(Shape); }
    const QRegion& frontChamberDrawing() const { return FrontChamber.Drawing.of(Shape); }
    const QRegion& rearCaseView() const { return RearCase.View.of(Shape); }
    const QRegion& frontCaseView() const { return FrontCase.View.of(Shape); }
    const QRegion& rearChamberView() const { return RearChamber.View.of(Shape); }
    const QRegion& frontChamberView() const { return FrontChamber.View.of(Shape); }

    // The top part of PartRegions at a view point, -1 over none.
    int partAt(const QPoint& viewPoint) const;
};

// Builds every region. A design without an inner outline (fewer than 2 points)
// takes a copy of the outer one, as long as the outer outline has 2 points or more.
CarGeometry buildCarGeometry(const CarDesign& design, const MaterialLibrary& materials, const ViewLayout& layout,
                             const ChamberGeometry& chamber, PrinterFrame printer = PrinterFrame::Built,
                             ShownRegions shown = ShownRegions::Built);

// Number of wraps of a spring of `length` wound on an arbor of diameter `arbor`.
int springWraps(float arbor, float length);

} // namespace brisko
