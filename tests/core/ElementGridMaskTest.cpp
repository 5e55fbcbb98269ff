#include "geometry/ElementGridMask.h"

#include <gtest/gtest.h>

using namespace brisko;

// The mask must answer exactly as QRegion::contains at every centre, also where a
// rectangle's edge falls on a centre, one pixel beside it, or off the grid.
TEST(ElementGridMask, AgreesWithPointTestsAtEdgesAndBeyondTheGrid)
{
    for (int s : {2, 3, 9, 72}) {
        const int columns = (720 + s - 1) / s + 1;
        const int rows = (540 + s - 1) / s + 1;
        const int h = s / 2;
        QRegion region;
        region += QRect(QPoint(h, 540 + h - s), QPoint(h + 2 * s, 540 + h)); // edges on centres
        region += QRect(QPoint(h + 3 * s + 1, 100), QPoint(h + 5 * s - 1, 200)); // edges beside centres
        region += QRect(QPoint(-50, -40), QPoint(5, 8));                         // reaching off the grid
        region += QRect(QPoint(700, 500), QPoint(1100, 900));
        region += QRegion(QRect(300, 250, 120, 90), QRegion::Ellipse);
        ElementGridMask mask(s, columns, rows);
        mask.mark(region, 4);
        int inside = 0;
        for (int r = 0; r < rows; ++r)
            for (int k = 0; k < columns; ++k) {
                const QPoint p = mask.centre(k, r);
                ASSERT_EQ(mask.at(k, r) == 4, region.contains(p)) << "s " << s << " at " << p.x() << "," << p.y();
                inside += region.contains(p);
            }
        EXPECT_GT(inside, 0) << s;
    }
}
