#include "render/HighlightFrame.h"

#include "render/RegionPainting.h"
#include "render/ViewColours.h"

namespace brisko {

void toggleHighlight(QPainter& painter, const QRegion& partRegion)
{
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    frameRegion(painter, partRegion, QBrush(colours::kRed), 2, 2);
    painter.restore();
}

} // namespace brisko
