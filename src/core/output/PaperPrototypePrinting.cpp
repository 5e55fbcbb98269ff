#include "output/PaperPrototypePrinting.h"

#include "output/DesignReport.h"

#include <QPagedPaintDevice>

namespace brisko {

namespace {

constexpr double kFitTolerance = 0.005; // inches

bool needsPortrait(PrintChoice choice)
{
    return choice == PrintChoice::Report || choice == PrintChoice::EntireSet;
}

QRectF printableInches(const QPagedPaintDevice& device, QPageLayout::Orientation orientation)
{
    QPageLayout layout = device.pageLayout();
    layout.setOrientation(orientation);
    return layout.paintRect(QPageLayout::Inch);
}

bool fits(const QRectF& area, double width, double height)
{
    return area.width() + kFitTolerance >= width && area.height() + kFitTolerance >= height;
}

QString inches(double value)
{
    return QString::number(value, 'f', 2);
}

} // namespace

QString paperTooSmallMessage(const QPagedPaintDevice& device, PrintChoice choice)
{
    const QRectF portrait = printableInches(device, QPageLayout::Portrait);
    if (!needsPortrait(choice) || fits(portrait, kSheetHeightInches, kSheetWidthInches))
        return {};
    return QStringLiteral("The design report is printed at full size and needs a printable area of 7.5 x 10 inches, "
                          "but the printable area of this paper is only %1 x %2 inches. Nothing was printed: "
                          "choose larger paper (Letter or A4 fit) or narrower margins.")
        .arg(inches(portrait.width()), inches(portrait.height()));
}

// What one print operation works with: its pages, the templates' regions in the
// stream's printer frame, and where the records go.
struct PaperPrototypePrinter::Run {
    const PaperPrototype& Prototype;
    PageStream& Pages;
    const PrintRecordSink& Sent;
    CarGeometry Geometry;
};

QString PaperPrototypePrinter::print(PrintChoice choice, const PaperPrototype& p, QPagedPaintDevice& device,
                                     const PrintRecordSink& sent)
{
    if (QString refusal = paperTooSmallMessage(device, choice); !refusal.isEmpty())
        return refusal;
    PagedDeviceStream pages(device);
    const bool printed = print(choice, p, pages, sent);
    if (!pages.finish() || !printed)
        return QStringLiteral("The printer stopped before every page was printed.");
    return {};
}

bool PaperPrototypePrinter::print(PrintChoice choice, const PaperPrototype& p, PageStream& pages,
                                  const PrintRecordSink& sent)
{
    Run run{p, pages, sent, templateGeometry(p, pages.printerFrame())};
    switch (choice) {
    case PrintChoice::Report: return printReport(run);
    case PrintChoice::OneInner: m_pageCounter = 0; return printLayer(run, LayerKind::Inner);
    case PrintChoice::OneOuter: m_pageCounter = 0; return printLayer(run, LayerKind::Outer);
    case PrintChoice::Wheels: return printWheels(run);
    case PrintChoice::EntireSet: return printEntireSet(run);
    }
    return false;
}

bool PaperPrototypePrinter::printReport(Run& run)
{
    QPainter* painter = run.Pages.nextPage(QPageLayout::Portrait);
    if (!painter)
        return false;
    paintDesignReport(*painter, run.Prototype.Report, run.Pages.printerFrame());
    return run.Sent({QStringLiteral("S"), QStringLiteral("PrintSummary")});
}

bool PaperPrototypePrinter::printLayer(Run& run, LayerKind layer)
{
    if (!printTemplateSheet(run.Pages, layerSheet(run.Prototype, run.Geometry, layer, m_pageCounter)))
        return false;
    return layer == LayerKind::Outer ? run.Sent({QStringLiteral("O"), QStringLiteral("PrintOneOuter")})
                                     : run.Sent({QStringLiteral("I"), QStringLiteral("PrintOneInner")});
}

bool PaperPrototypePrinter::printWheels(Run& run)
{
    for (const TemplateSheet& sheet : wheelSheets(run.Prototype, m_pageCounter, run.Pages.printerFrame()))
        if (!printTemplateSheet(run.Pages, sheet))
            return false;
    return run.Sent({QStringLiteral("W"), QStringLiteral("PrintWheels")});
}

// The report, then the stack of layers from one side to the other (n outer, c
// cored, n outer, numbered from 1), then the wheels.
bool PaperPrototypePrinter::printEntireSet(Run& run)
{
    m_pageCounter = 0;
    if (!printReport(run))
        return false;
    const auto layers = [&](LayerKind layer, int count) {
        for (int i = 0; i < count; ++i) {
            ++m_pageCounter;
            if (!printLayer(run, layer))
                return false;
        }
        return true;
    };
    const int n = run.Prototype.NonCoredLayers / 2;
    return layers(LayerKind::Outer, n) && layers(LayerKind::Inner, run.Prototype.CoredLayers) &&
           layers(LayerKind::Outer, n) && printWheels(run);
}

} // namespace brisko
