#pragma once
// Printing a chart: the print dialog through the prompter, then the chart's own
// painter on the printer's page (vectors on paper and in PDF files), landscape, in
// the chart's pixels scaled to the page. Logged when printed.
#include <QSizeF>
#include <functional>

class QPainter;

namespace brisko {
class Session;
}

namespace brisko::gui {

using ChartPaint = std::function<void(QPainter& painter, const QSizeF& size)>;

// `what` is logged as value 1 ("Run", "Race", "Sweep", "Standings"). False when
// cancelled or refused (the refusal is told in a message box).
bool printChart(Session& session, const QString& what, const ChartPaint& paint);

} // namespace brisko::gui
