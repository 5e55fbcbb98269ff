#include "render/TextDrawing.h"

#include <QFont>
#include <QFontMetrics>

namespace brisko {

namespace {

QFont labelFont(const QPainter& painter, int pointSize)
{
    QFont font = painter.font();
    font.setPointSize(std::max(1, pointSize));
    return font;
}

} // namespace

QRect labelBox(const QPainter& painter, const QPoint& topLeft, const QString& text, int pointSize)
{
    const QFontMetrics metrics(labelFont(painter, pointSize), painter.device());
    return QRect(topLeft, QSize(metrics.horizontalAdvance(text), metrics.height()));
}

void drawLabel(QPainter& painter, const QPoint& topLeft, const QString& text, int pointSize, const QColor& colour)
{
    painter.save();
    painter.setPen(colour);
    painter.setFont(labelFont(painter, pointSize));
    painter.setBackgroundMode(Qt::TransparentMode);
    const QRect box(topLeft, QSize(1, 1));
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip | Qt::TextSingleLine, text);
    painter.restore();
}

} // namespace brisko
