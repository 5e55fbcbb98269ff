#pragma once
// A cutting template printed at full size on as many landscape pages as it takes:
// one page as always when it fits the printable area, otherwise its tiles, each
// with the alignment marks of its seams and a caption naming the template and the
// tile.
#include "output/PageStream.h"
#include "output/TemplateTiling.h"

#include <QString>
#include <functional>

namespace brisko {

// One template: its name for the captions, the part it holds ("outer layer",
// "drive wheels"), everything it paints (printer pixels of the page as it always
// was) and the painting itself.
struct TemplateSheet {
    QString Name;
    QString Part;
    QRect Extent;
    std::function<void(QPainter&)> Paint;
};

// The tiling of the sheet on a landscape page of the stream.
TemplateTiling tilingOf(const TemplateSheet& sheet, const PageStream& pages);

// The first line of a tile's caption: "Racer: Outer Layer 2, tile 3 of 4 (row 2 of
// 2, column 1 of 2)"; the second tells how the tiles go together.
QString tileCaption(const QString& templateName, const TemplateTiling& tiling, int tile);
inline const QString kTileAssembly = QStringLiteral(
    "The tiles overlap by 0.5 in: lay each over its neighbour with the crosses on one another, then tape them.");

// Prints the sheet's pages; false when the stream refused a page.
bool printTemplateSheet(PageStream& pages, const TemplateSheet& sheet);

} // namespace brisko
