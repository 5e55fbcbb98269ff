#include "render/SketchPainter.h"

#include "render/LayerPainter.h"
#include "render/ViewColours.h"
#include "text/NumberText.h"

namespace brisko {

void paintSketchReference(QPainter& painter, const CarGeometry& geometry, bool drawingOuter)
{
    if (drawingOuter) {
        paintInnerLayers(painter, geometry, colours::kSilver);
        paintOuterLayer(painter, geometry, kSketchMagenta);
    } else {
        paintOuterLayer(painter, geometry, colours::kWhite);
        paintInnerLayers(painter, geometry, kSketchMagenta);
    }
}

void paintSketchSegment(QPainter& painter, const QPoint& from, const QPoint& to)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(kSketchPen, 1));
    painter.drawLine(from, to);
    painter.restore();
}

void paintInvertingLine(QPainter& painter, const QPoint& from, const QPoint& to, const QColor& colour)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
    painter.setPen(QPen(colour, 1));
    painter.drawLine(from, to);
    painter.restore();
}

int axleHeightLineY(const ViewLayout& layout, float heightInches)
{
    return layout.PaperViewHeight - nearest(heightInches * 72.0f * layout.ViewScale);
}

void paintAxleHeightLine(QPainter& painter, const ViewLayout& layout, float heightInches, int width)
{
    const int y = axleHeightLineY(layout, heightInches);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(colours::kBlack, 1));
    painter.drawLine(QPoint(0, y), QPoint(width, y));
    painter.restore();
}

} // namespace brisko
