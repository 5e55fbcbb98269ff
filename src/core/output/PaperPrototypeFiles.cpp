#include "output/PaperPrototypeFiles.h"

#include <QDir>
#include <QPdfWriter>
#include <QSaveFile>

namespace brisko {

namespace {
constexpr int kPdfDotsPerInch = 600;
} // namespace

QString writePaperPrototypePdf(const PaperPrototype& prototype, PrintChoice choice, const QString& path,
                               const QPageSize& paper)
{
    // Written aside and put in place at the end: a refused or failed print leaves
    // any earlier file as it was.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
    QString refusal;
    {
        QPdfWriter pdf(&file);
        pdf.setResolution(kPdfDotsPerInch);
        pdf.setCreator(QStringLiteral("Brisko"));
        pdf.setTitle(prototype.DesignName);
        const QMarginsF margins(kPdfMarginInches, kPdfMarginInches, kPdfMarginInches, kPdfMarginInches);
        pdf.setPageLayout(QPageLayout(paper, QPageLayout::Landscape, margins, QPageLayout::Inch));
        PaperPrototypePrinter printer;
        refusal = printer.print(choice, prototype, pdf, [](const PrintRecord&) { return true; });
    }
    if (!refusal.isEmpty()) {
        file.cancelWriting();
        return refusal;
    }
    if (!file.commit())
        return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
    return {};
}

} // namespace brisko
