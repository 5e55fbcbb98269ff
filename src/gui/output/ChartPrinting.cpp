#include "output/ChartPrinting.h"

#include "session/Session.h"

#include <QPainter>
#include <QPrinter>

namespace brisko::gui {

namespace {
constexpr double kChartPixelsPerInch = 96;
}

bool printChart(Session& session, const QString& what, const ChartPaint& paint)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setPageMargins(QMarginsF(0.5, 0.5, 0.5, 0.5), QPageLayout::Inch);
    if (!session.prompter().choosePrinter(&printer))
        return false;
    QPainter painter;
    if (!painter.begin(&printer)) {
        session.prompter().message(QStringLiteral("Please try again."),
                                   QStringLiteral("The chart could not be printed: the printer refused the page."));
        return false;
    }
    const double scale = printer.resolution() / kChartPixelsPerInch;
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    painter.scale(scale, scale);
    paint(painter, QSizeF(page.width() / scale, page.height() / scale));
    painter.end();
    return session.logAction(actions::PrintChart, what);
}

} // namespace brisko::gui
