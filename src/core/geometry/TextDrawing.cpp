#include "geometry/TextDrawing.h"

#include <QFont>

namespace brisko {

void drawLabel(QPainter& painter, const QPoint& topLeft, const QString& text, int pointSize, const QColor& colour)
{
    painter.save();
    painter.setPen(colour);
    QFont font = painter.font();
    font.setPointSize(std::max(1, pointSize));
    painter.setFont(font);
    painter.setBackgroundMode(Qt::TransparentMode);
    const QRect box(topLeft, QSize(1, 1));
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip | Qt::TextSingleLine, text);
    painter.restore();
}

} // namespace brisko
