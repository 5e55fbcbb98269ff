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

QString layerTitle(const PaperPrototype& p, LayerKind layer, int pageCounter)
{
    const QString kind = layer == LayerKind::Outer ? QStringLiteral(": Outer Layer ") : QStringLiteral(": Inner Layer ");
    return p.DesignName + kind + counterText(pageCounter);
}

QRect paperInPrinter(const Frame& printer)
{
    return QRect(printer.point(0, 0), printer.point(720, 540)).adjusted(0, 0, -1, -1);
}

// The two wheels of one kind with their sizes in inches.
struct WheelKind {
    QString Name;
    float Wheel = 0;
    float Axle = 0;
};

QVector<WheelKind> wheelKinds(const CarDesign& design)
{
    const float driveWheel = figure(design.DriveWheelDiameter);
    const float driveAxle = figure(design.DriveAxleDiameter);
    if (design.Drive == DriveType::AWD)
        return {{QStringLiteral("drive wheel"), driveWheel, driveAxle}, {QStringLiteral("drive wheel"), driveWheel, driveAxle}};
    return {{QStringLiteral("drive wheel"), driveWheel, driveAxle},
            {QStringLiteral("other wheel"), figure(design.OtherWheelDiameter), figure(design.OtherAxleDiameter)}};
}

// "drive wheels" on a page of two, "drive wheel 1" and "drive wheel 2" on pages of one.
QString wheelPagePart(const QString& kind, int page, int pages)
{
    return pages == 1 ? kind + QLatin1Char('s') : kind + QLatin1Char(' ') + QString::number(page + 1);
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
        label(onPage, printer, kTitleY, layerTitle(p, layer, pageCounter));
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

QRect layerTemplateExtent(const CarGeometry& g, LayerKind layer)
{
    const Frame printer = g.Layout.printerFrame();
    const QRect paper = paperInPrinter(printer);
    QRegion painted = layer == LayerKind::Outer ? g.OuterLayerPrint : g.InnerLayerPrint;
    painted += g.DriveAxleRegion.Printer;
    painted += g.MarkPrinter;
    if (!g.AllWheelDrive)
        painted += g.OtherAxleRegion.Printer;
    QRect above = painted.boundingRect();
    above.setBottom(qMin(above.bottom(), paper.bottom()));
    return above.isValid() ? paper.united(above) : paper;
}

TemplateSheet layerSheet(const PaperPrototype& p, const CarGeometry& g, LayerKind layer, int pageCounter)
{
    const QString part = layer == LayerKind::Outer ? QStringLiteral("outer layer") : QStringLiteral("inner layer");
    return {layerTitle(p, layer, pageCounter), part, layerTemplateExtent(g, layer),
            [&p, &g, layer, pageCounter](QPainter& painter) { paintLayerTemplate(painter, p, g, layer, pageCounter); }};
}

QVector<WheelPage> wheelPages(const PaperPrototype& p)
{
    QVector<WheelPage> pages;
    for (const WheelKind& kind : wheelKinds(p.Design))
        pages += wheelPagesOf(kind.Wheel, kind.Axle);
    return pages;
}

QRect wheelPageExtent(const WheelPage& page, const Frame& printer)
{
    QRect extent = paperInPrinter(printer);
    for (const WheelDisc& wheel : page)
        extent |= QRect(printer.point(wheel.Box.topLeft()), printer.point(wheel.Box.bottomRight())).adjusted(0, 0, 1, 1);
    return extent;
}

QVector<TemplateSheet> wheelSheets(const PaperPrototype& p, int pageCounter, const Frame& printer)
{
    QVector<TemplateSheet> sheets;
    for (const WheelKind& kind : wheelKinds(p.Design)) {
        const QVector<WheelPage> pages = wheelPagesOf(kind.Wheel, kind.Axle);
        for (int i = 0; i < pages.size(); ++i) {
            const WheelPage page = pages[i];
            const QString part = wheelPagePart(kind.Name, i, static_cast<int>(pages.size()));
            const auto paint = [&p, page, pageCounter, printer](QPainter& painter) {
                paintWheelPage(painter, p, page, pageCounter, printer);
            };
            sheets << TemplateSheet{p.DesignName + QStringLiteral(": Wheels (") + part + QLatin1Char(')'), part,
                                    wheelPageExtent(page, printer), paint};
        }
    }
    return sheets;
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
