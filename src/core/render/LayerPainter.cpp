#include "render/LayerPainter.h"

#include "render/RegionPainting.h"

namespace brisko {

namespace {

// The frame, then a hatch of the same colour over the whole layer: the picture
// below shows between the hatch lines.
void paintHatchedLayer(QPainter& painter, const QRegion& layer, const QColor& colour, int frameWidth,
                       Qt::BrushStyle hatch)
{
    frameRegion(painter, layer, QBrush(colour), frameWidth, frameWidth);
    fillRegion(painter, layer, QBrush(colour, hatch));
}

} // namespace

void paintInnerLayers(QPainter& painter, const CarGeometry& geometry, const QColor& colour)
{
    if (!geometry.RegionsValid || geometry.InnerLayerView.isEmpty())
        return;
    paintHatchedLayer(painter, geometry.InnerLayerView, colour, 3, Qt::FDiagPattern);
}

void paintOuterLayer(QPainter& painter, const CarGeometry& geometry, const QColor& colour)
{
    if (!geometry.RegionsValid || geometry.OuterLayerView.isEmpty())
        return;
    paintHatchedLayer(painter, geometry.OuterLayerView, colour, 2, Qt::BDiagPattern);
}

} // namespace brisko
