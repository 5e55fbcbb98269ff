#include "output/TiledTemplatePages.h"

#include "render/TextDrawing.h"

#include <QPainter>

namespace brisko {

namespace {

constexpr int kCaptionSize = 9;
constexpr float kCaptionGap = 3.0f;  // drawing pixels below the tile
constexpr float kCaptionLine = 12.0f; // drawing pixels from one caption line to the next
constexpr float kMarkArm = 14.4f;       // drawing pixels: 0.2 in each way from the centre
constexpr float kMarkRadius = 7.2f;     // 0.1 in
constexpr float kMarkLineWidth = 0.72f; // 0.01 in

void paintMark(QPainter& painter, const QPoint& centre, const Frame& printer)
{
    const double armX = kMarkArm * printer.ScaleX;
    const double armY = kMarkArm * printer.ScaleY;
    const QPointF c(centre);
    painter.drawLine(c - QPointF(armX, 0), c + QPointF(armX, 0));
    painter.drawLine(c - QPointF(0, armY), c + QPointF(0, armY));
    painter.drawEllipse(c, kMarkRadius * printer.ScaleX, kMarkRadius * printer.ScaleY);
}

void paintMarks(QPainter& painter, const QVector<QPoint>& marks, const Frame& printer)
{
    painter.save();
    painter.setPen(QPen(Qt::black, qMax(1.0, double(kMarkLineWidth * printer.ScaleX))));
    painter.setBrush(Qt::NoBrush);
    for (const QPoint& mark : marks)
        paintMark(painter, mark, printer);
    painter.restore();
}

// The tile's window of the template, moved to the page's printable corner and cut
// at the window's edges, with the marks of its seams.
void paintTile(QPainter& painter, const TemplateSheet& sheet, const TemplateTiling& tiling, const QRect& window,
               const Frame& printer)
{
    painter.save();
    painter.setClipRect(QRect(tiling.Printable.topLeft(), window.size()));
    painter.translate(tiling.shiftOf(window));
    sheet.Paint(painter);
    paintMarks(painter, alignmentMarks(tiling), printer);
    painter.restore();
}

void paintCaption(QPainter& painter, const TemplateSheet& sheet, const TemplateTiling& tiling, int tile,
                  const Frame& printer)
{
    const QRect& window = tiling.Windows[tile];
    const QPoint at = tiling.Printable.topLeft() + QPoint(0, window.height() + qRound(kCaptionGap * printer.ScaleY));
    drawLabel(painter, at, tileCaption(sheet.Name, tiling, tile), kCaptionSize);
    drawLabel(painter, at + QPoint(0, qRound(kCaptionLine * printer.ScaleY)), kTileAssembly, kCaptionSize);
}

} // namespace

TemplateTiling tilingOf(const TemplateSheet& sheet, const PageStream& pages)
{
    return tileTemplate(sheet.Extent, pages.printableArea(QPageLayout::Landscape), pages.printerFrame());
}

QString tileCaption(const QString& templateName, const TemplateTiling& tiling, int tile)
{
    return QStringLiteral("%1, tile %2 of %3 (row %4 of %5, column %6 of %7)")
        .arg(templateName)
        .arg(tile + 1)
        .arg(tiling.Windows.size())
        .arg(tile / tiling.Columns + 1)
        .arg(tiling.Rows)
        .arg(tile % tiling.Columns + 1)
        .arg(tiling.Columns);
}

bool printTemplateSheet(PageStream& pages, const TemplateSheet& sheet)
{
    const TemplateTiling tiling = tilingOf(sheet, pages);
    const Frame printer = pages.printerFrame();
    for (int tile = 0; tile < tiling.Windows.size(); ++tile) {
        QPainter* painter = pages.nextPage(QPageLayout::Landscape);
        if (!painter)
            return false;
        const QRect& window = tiling.Windows[tile];
        if (!tiling.tiled() && tiling.shiftOf(window).isNull()) {
            sheet.Paint(*painter); // the page as it always was
            continue;
        }
        paintTile(*painter, sheet, tiling, window, printer);
        if (tiling.tiled())
            paintCaption(*painter, sheet, tiling, tile, printer);
    }
    return true;
}

} // namespace brisko
