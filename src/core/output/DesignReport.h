#pragma once
// The one-page design report: its lines, where each one goes on the page, and the
// painting of them on any painter whose device gives the printer scale.
#include "geometry/ViewLayout.h"
#include "output/DesignReportTexts.h"

#include <QPainter>
#include <QVector>

namespace brisko {

enum class ReportColumn { Left, Right, RightIndented };

struct ReportLine {
    int Y;         // 1/600 inch from the top of the printable page
    ReportColumn Column;
    int PointSize; // 16 title, 14 section, 9 body
    QString Text;
};

// Every line of the report in drawing order.
QVector<ReportLine> designReportLines(const DesignReportTexts& texts);

// Where a line's text has its top-left corner, in printer pixels.
QPoint reportLinePosition(const ReportLine& line, const Frame& printer);

// Paints the report's lines in black on a clear background.
void paintDesignReport(QPainter& painter, const DesignReportTexts& texts, const Frame& printer);

} // namespace brisko
