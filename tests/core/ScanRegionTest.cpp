// The one-pass region builders hold exactly Qt's regions: the same pixels in the
// same bands, so every overlap test, scan and drawing reads the same figures.
#include "geometry/ScanRegion.h"
#include <gtest/gtest.h>

using namespace brisko;

TEST(ScanRegion, EllipsesOfEverySizeEqualQtsOwn)
{
    for (int w = 1; w <= 400; ++w)
        for (int h : {w, w + 1, w / 3 + 1, 2 * w})
            for (const QPoint& at : {QPoint(0, 0), QPoint(-17, 301), QPoint(613, -5)}) {
                const QRect box(at, QSize(w, h));
                ASSERT_EQ(scanEllipseRegion(box), QRegion(box, QRegion::Ellipse)) << w << "x" << h;
            }
    EXPECT_TRUE(scanEllipseRegion(QRect(5, 5, 0, 9)).isEmpty());
}

