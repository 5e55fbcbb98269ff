#pragma once
// What a print choice will take before it is printed: its pages on the paper, and
// the templates that are printed in tiles because they do not fit the printable
// area.
#include "output/PaperPrototypePrinting.h"

namespace brisko {

struct TiledPart {
    QString Part; // "outer layer", "drive wheel 1"
    int Tiles = 0;
};

struct PrintPlan {
    int Pages = 0;
    QVector<TiledPart> Tiled; // each part once, in printing order
};

// The pages the choice prints with the printer frame and landscape printable area
// of the paper, counted as the printing counts them.
PrintPlan printPlanOf(PrintChoice choice, const PaperPrototype& prototype, const Frame& printer,
                      const QRect& landscapeArea);

// The plan for the user: "This choice prints 9 pages." and, when parts are tiled,
// which and in how many tiles.
QString printPlanText(const PrintPlan& plan);

} // namespace brisko
