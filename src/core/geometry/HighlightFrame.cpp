#include "geometry/HighlightFrame.h"

#include "geometry/RegionPainting.h"
#include "geometry/ViewColours.h"

namespace brisko {

void toggleHighlight(QPainter& painter, const QRegion& partRegion)
{
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    frameRegion(painter, partRegion, QBrush(colours::kRed), 2, 2);
    painter.restore();
}

} // namespace brisko
