#include "output/PaperPrototypeFiles.h"

#include "output/PdfFile.h"

namespace brisko {

namespace {
constexpr int kPdfDotsPerInch = 600;
} // namespace

QString writePaperPrototypePdf(const PaperPrototype& prototype, PrintChoice choice, const QString& path,
                               const QPageSize& paper)
{
    const PdfFileSettings settings{paper, QPageLayout::Landscape, kPdfMarginInches, kPdfDotsPerInch,
                                   prototype.DesignName};
    return writePdfFile(path, settings, [&](QPdfWriter& pdf) {
        PaperPrototypePrinter printer;
        return printer.print(choice, prototype, pdf, [](const PrintRecord&) { return true; });
    });
}

} // namespace brisko
