#pragma once
// Pens of the design view: round ends and joins, like the lines of the sketch.
#include <QColor>
#include <QPen>

namespace brisko {

inline QPen viewPen(const QColor& colour, int width)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

} // namespace brisko
