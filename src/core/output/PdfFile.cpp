#include "output/PdfFile.h"

#include <QDir>
#include <QSaveFile>

namespace brisko {

namespace {

QString fileFailure(const QString& path, const QSaveFile& file)
{
    return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
}

} // namespace

QString writePdfFile(const QString& path, const PdfFileSettings& settings,
                     const std::function<QString(QPdfWriter&)>& draw)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fileFailure(path, file);
    QString failure;
    {
        QPdfWriter pdf(&file);
        pdf.setResolution(settings.DotsPerInch);
        pdf.setCreator(QStringLiteral("Brisko"));
        pdf.setTitle(settings.Title);
        const double m = settings.MarginInches;
        pdf.setPageLayout(QPageLayout(settings.Paper, settings.Orientation, QMarginsF(m, m, m, m), QPageLayout::Inch));
        failure = draw(pdf);
    }
    if (!failure.isEmpty()) {
        file.cancelWriting();
        return failure;
    }
    if (!file.commit())
        return fileFailure(path, file);
    return {};
}

} // namespace brisko
