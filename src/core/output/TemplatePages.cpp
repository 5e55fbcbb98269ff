#include "output/TemplatePages.h"

#include "model/DesignFigures.h"
#include "render/DesignViewPainter.h"
#include "render/TextDrawing.h"
#include "render/ViewColours.h"
#include "text/NumberText.h"

namespace brisko {

namespace {

constexpr int kLabelSize = 18;
constexpr int kNoteSize = 12;
constexpr float kLabelX = 72.0f;
constexpr float kTitleY = 36.0f;
constexpr float kMaterialY = 432.0f;
constexpr float kOtherWheelsY = 504.0f;
constexpr float kSideBySideFrom = 3.75f; // inches
constexpr float kOnePageUpTo = 5.0f;

QString boardCaption(const BoardMaterial& board)
{
    return board.Name + QStringLiteral(" (") + board.Thickness + QStringLiteral(" in)");
}

void label(QPainter& painter, const Frame& printer, float y, const QString& text)
{
    drawLabel(painter, printer.point(kLabelX, y), text, kLabelSize);
}

// The note goes on the page whose counter is half the layers of the stack: the
// middle layer, which is left loose so that the spring can be reached.
void paintSpringAccessNote(QPainter& painter, const PaperPrototype& p, const Frame& printer, int pageCounter,
                           float noteX)
{
    if (pageCounter != p.Mass.TotalLayers / 2)
        return;
    drawLabel(painter, printer.point(noteX, 540.0f - p.Mass.DriveAxleHeight), kSpringAccessNote, kNoteSize);
}

QString counterText(int pageCounter)
{
    return pageCounter != 0 ? QString::number(pageCounter) : QStringLiteral("template");
}

} // namespace

void paintLayerTemplate(QPainter& painter, const PaperPrototype& p, const CarGeometry& g, LayerKind layer,
                        int pageCounter)
{
    const bool outer = layer == LayerKind::Outer;
    const Frame printer = g.Layout.printerFrame();
    const BoardMaterial& board = boardOf(p.Design, p.Materials, outer ? OuterBodySlot : InnerBodySlot);
    painter.save();
    painter.setBrush(Qt::NoBrush);
    paintTemplatePicture(painter, g, outer, [&](QPainter& onPage) {
        const QString kind = outer ? QStringLiteral(": Outer Layer ") : QStringLiteral(": Inner Layer ");
        label(onPage, printer, kTitleY, p.DesignName + kind + counterText(pageCounter));
        label(onPage, printer, kMaterialY, boardCaption(board));
        paintSpringAccessNote(onPage, p, printer, pageCounter, p.Mass.caseRadiusUnits());
    });
    painter.restore();
}

QVector<WheelPage> wheelPagesOf(float D, float d)
{
    const float size = D * 72.0f;
    const WheelDisc first{QRectF(0, 0, size, size), d};
    if (D < kSideBySideFrom)
        return {{first, {QRectF(0, size, size, size), d}}};
    if (D <= kOnePageUpTo)
        return {{first, {QRectF(size, 0, size, size), d}}};
    return {{first}, {first}};
}

QVector<WheelPage> wheelPages(const PaperPrototype& p)
{
    const CarDesign& design = p.Design;
    const float driveWheel = figure(design.DriveWheelDiameter);
    const float driveAxle = figure(design.DriveAxleDiameter);
    const bool awd = design.Drive == DriveType::AWD;
    QVector<WheelPage> pages = wheelPagesOf(driveWheel, driveAxle);
    pages += awd ? wheelPagesOf(driveWheel, driveAxle)
                 : wheelPagesOf(figure(design.OtherWheelDiameter), figure(design.OtherAxleDiameter));
    return pages;
}

void paintWheelPage(QPainter& painter, const PaperPrototype& p, const WheelPage& page, int pageCounter,
                    const Frame& printer)
{
    painter.save();
    painter.setPen(QPen(colours::kBlack, 1));
    for (const WheelDisc& wheel : page) {
        const QRectF box(QPointF(printer.point(wheel.Box.topLeft())), QPointF(printer.point(wheel.Box.bottomRight())));
        painter.setBrush(colours::kSilver);
        painter.drawEllipse(box);
        const float hole = wheel.AxleDiameter * 36.0f;
        const QPointF centre = wheel.Box.center();
        const QRectF holeBox(QPointF(printer.point(centre - QPointF(hole, hole))),
                             QPointF(printer.point(centre + QPointF(hole, hole))));
        painter.setBrush(colours::kWhite);
        painter.drawEllipse(holeBox);
    }
    painter.setBrush(Qt::NoBrush);
    label(painter, printer, kTitleY, p.DesignName + QStringLiteral(": Wheels "));
    label(painter, printer, kMaterialY,
          QStringLiteral("Drive wheels: ") + boardCaption(boardOf(p.Design, p.Materials, DriveWheelSlot)));
    label(painter, printer, kOtherWheelsY,
          QStringLiteral("Other wheels: ") + boardCaption(boardOf(p.Design, p.Materials, OtherWheelSlot)));
    paintSpringAccessNote(painter, p, printer, pageCounter, 2.0f * p.Mass.caseRadiusUnits());
    painter.restore();
}

} // namespace brisko
