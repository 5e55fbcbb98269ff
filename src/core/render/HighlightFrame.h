#pragma once
// The hover highlight: a red band 2 pixels wide inside a part's outline, combined
// with the picture by exclusive or, so that painting it a second time erases it.
#include <QPainter>
#include <QRegion>

namespace brisko {

// Toggles the highlight of a part region; the painter must allow raster
// operations (a painter on a QImage does).
void toggleHighlight(QPainter& painter, const QRegion& partRegion);

} // namespace brisko
