#pragma once
// How a cutting template goes onto pages at full size: whole on one page when it
// fits the printable area, otherwise in tiles that overlap so that, laid with their
// alignment marks on one another and taped, they give the whole template. All
// rectangles are in printer pixels; the template's own coordinates are those of
// its page when it fits.
#include "geometry/ViewLayout.h"

#include <QRect>
#include <QVector>

namespace brisko {

inline constexpr double kTileOverlapInches = 0.5;
// The band at the foot of a tile's page that holds its caption, outside the tile.
inline constexpr double kTileCaptionInches = 0.4;

struct TemplateTiling {
    QRect Extent;             // everything the template paints
    QRect Printable;          // the page's printable area
    QVector<QRect> Windows;   // the parts of the template on each page, row by row
    int Columns = 1;
    int Rows = 1;

    bool tiled() const { return Windows.size() > 1; }
    // Where the template's origin goes on the page of `window`.
    QPoint shiftOf(const QRect& window) const { return Printable.topLeft() - window.topLeft(); }
};

// One page when the extent fits the printable area as it stands (the page as it
// always was) or once moved to the area's corner; otherwise as few tiles as the
// area holds, all of one size but the last of a row or column, overlapping by
// kTileOverlapInches and leaving the caption band free.
TemplateTiling tileTemplate(const QRect& extent, const QRect& printable, const Frame& printer);

// The centres of the alignment marks in the template's coordinates: in the middle
// of every overlap, two along each tile's edge, so that every mark shows on both
// tiles of its seam.
QVector<QPoint> alignmentMarks(const TemplateTiling& tiling);

} // namespace brisko
