#pragma once
// Labels on the design view: text with its top-left corner at a point, on a
// transparent background, black unless told.
#include <QColor>
#include <QPainter>
#include <QString>

namespace brisko {

// The box the label's text covers when drawn at `topLeft` with that painter's font.
QRect labelBox(const QPainter& painter, const QPoint& topLeft, const QString& text, int pointSize);

void drawLabel(QPainter& painter, const QPoint& topLeft, const QString& text, int pointSize,
               const QColor& colour = Qt::black);

} // namespace brisko
