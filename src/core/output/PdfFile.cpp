#include "output/PdfFile.h"

#include "persist/WholeFile.h"

namespace brisko {

QString writePdfFile(const QString& path, const PdfFileSettings& settings,
                     const std::function<QString(QPdfWriter&)>& draw)
{
    WholeFileWriter file(path);
    if (!file.open())
        return file.failure();
    QString failure;
    {
        QPdfWriter pdf(file.device());
        pdf.setResolution(settings.DotsPerInch);
        pdf.setCreator(QStringLiteral("Brisko"));
        pdf.setTitle(settings.Title);
        const double m = settings.MarginInches;
        pdf.setPageLayout(QPageLayout(settings.Paper, settings.Orientation, QMarginsF(m, m, m, m), QPageLayout::Inch));
        failure = draw(pdf);
    }
    if (!failure.isEmpty()) {
        file.cancel();
        return failure;
    }
    if (!file.commit())
        return file.failure();
    return {};
}

} // namespace brisko
