#include "render/PreviewPage.h"

#include "render/RegionPainting.h"
#include "render/TextDrawing.h"
#include "text/NumberText.h"

namespace brisko {

namespace {
constexpr int kPageTextSize = 18;
}

QString previewPageText(int page, int pageCount)
{
    if (pageCount <= 0)
        return QStringLiteral("No templates yet: build the car first");
    return QString::number(page) + QStringLiteral(" of ") + QString::number(pageCount);
}

bool previewShowsOuterLayer(int page, int pageCount)
{
    return page <= 1 || page >= pageCount;
}

void paintPreviewPage(QPainter& painter, const CarGeometry& geometry, int page, int pageCount)
{
    if (pageCount > 0) {
        const QRegion& layer =
            previewShowsOuterLayer(page, pageCount) ? geometry.OuterLayerView : geometry.InnerLayerView;
        fillRegion(painter, layer, kPreviewLayerGrey);
    }
    const ViewLayout& v = geometry.Layout;
    const QPoint at(nearest(288.0f * v.ViewScale) + v.PaperLeft, nearest(72.0f * v.ViewScale));
    drawLabel(painter, at, previewPageText(page, pageCount), kPageTextSize);
}

} // namespace brisko
