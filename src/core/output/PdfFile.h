#pragma once
// A PDF file of pages drawn on a PDF writer: written aside and put in place at the
// end, so a refused or failed drawing leaves any earlier file as it was.
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QString>
#include <functional>

namespace brisko {

struct PdfFileSettings {
    QPageSize Paper;
    QPageLayout::Orientation Orientation = QPageLayout::Portrait;
    double MarginInches = 0.0;
    int DotsPerInch = 300;
    QString Title;
};

// Draws the pages with `draw`, which returns why it failed or an empty text; the
// failure (the file's own named with its path), empty when the file was written.
QString writePdfFile(const QString& path, const PdfFileSettings& settings,
                     const std::function<QString(QPdfWriter&)>& draw);

} // namespace brisko
