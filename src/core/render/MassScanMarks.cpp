#include "render/MassScanMarks.h"

#include "text/NumberText.h"

namespace brisko {

void paintElementEdges(QPainter& painter, const QRect& viewSquare, ElementLayer layer)
{
    painter.save();
    painter.setPen(QPen(layer == ElementLayer::Outer ? kOuterElementColour : kInnerElementColour, 1));
    painter.drawLine(viewSquare.topLeft(), viewSquare.topRight());
    painter.drawLine(viewSquare.topRight(), viewSquare.bottomRight());
    painter.restore();
}

QPoint centroidViewPoint(const ViewLayout& layout, const MassModel& model)
{
    return layout.viewFrame().point(model.CentroidX * 72.0f, model.CentroidY * 72.0f);
}

void paintCentroidMark(QPainter& painter, const ViewLayout& layout, const MassModel& model)
{
    const int radius = nearest(15.0f * layout.ViewScale);
    const QPoint centre = centroidViewPoint(layout, model);
    const QRect box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    painter.save();
    painter.setPen(QPen(kCentroidColour, 1));
    painter.setBrush(Qt::white);
    painter.drawEllipse(box);
    painter.setBrush(kCentroidColour);
    constexpr int kQuarter = 90 * 16; // Qt angles in sixteenths of a degree
    painter.drawPie(box, kQuarter, kQuarter);      // upper left
    painter.drawPie(box, 3 * kQuarter, kQuarter);  // lower right
    painter.restore();
}

} // namespace brisko
