#pragma once
// A page of the template preview: the layer of that page filled light grey on the
// paper and the page number written on it. Pages 1 and the last show the outer
// layer, those between the cored inner layer.
#include "geometry/CarGeometry.h"

#include <QPainter>
#include <QString>

namespace brisko {

inline const QColor kPreviewLayerGrey(192, 192, 192);

// "1 of 6"; with no layers to show (no build results) a note saying so.
QString previewPageText(int page, int pageCount);
bool previewShowsOuterLayer(int page, int pageCount);

// Paints page `page` of `pageCount` over the background; with no pages only the
// note is written.
void paintPreviewPage(QPainter& painter, const CarGeometry& geometry, int page, int pageCount);

} // namespace brisko
