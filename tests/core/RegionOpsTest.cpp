// The band-wise union and difference give QRegion's own rectangles, so every layer composed
// with it draws, scans and touches exactly as before, and so does cutting a layer's
// holes at once.
#include "geometry/RegionOps.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace brisko;

namespace {

// A region as the layers make them: rectangles and ellipses joined by QRegion, some
// overlapping, some touching, some apart.
QRegion randomRegion(QRandomGenerator& random, int parts, int reach)
{
    QRegion r;
    for (int i = 0; i < parts; ++i) {
        const QRect box(random.bounded(-20, reach), random.bounded(-20, reach), random.bounded(1, reach / 2),
                        random.bounded(1, reach / 2));
        if (random.bounded(2))
            r += QRegion(box, QRegion::Ellipse);
        else
            r = r + box;
    }
    return r;
}

} // namespace

TEST(BandedJoins, GiveQtsRectanglesForRandomRegions)
{
    QRandomGenerator random(20261209);
    for (int trial = 0; trial < 3000; ++trial) {
        const int reach = trial % 3 == 0 ? 40 : 300;
        const QRegion a = randomRegion(random, random.bounded(1, 8), reach);
        const QRegion b = trial % 10 == 0 ? a : randomRegion(random, random.bounded(1, 8), reach);
        ASSERT_TRUE(isBanded(a));
        ASSERT_EQ(bandedDifference(a, b), a - b) << "trial " << trial;
        ASSERT_EQ(bandedDifference(b, a), b - a) << "trial " << trial;
        // Two holes cut at once leave what cutting one after the other leaves.
        const QRegion c = randomRegion(random, 2, reach);
        ASSERT_EQ(bandedDifference(a, b + c), (a - b) - c) << "trial " << trial;
        ASSERT_EQ(bandedUnion(a, b), a + b) << "trial " << trial;
        ASSERT_EQ(bandedUnion(b, c), b + c) << "trial " << trial;
    }
    EXPECT_TRUE(bandedDifference(QRegion(), QRegion(0, 0, 5, 5)).isEmpty());
    EXPECT_EQ(bandedDifference(QRegion(0, 0, 5, 5), QRegion()), QRegion(0, 0, 5, 5));
}

// Rectangles out of Qt's band order (two rows on one scanline, touching
// rectangles in a band) are left to QRegion, whatever it makes of them.
TEST(BandedJoins, LeaveRegionsOutOfBandOrderToQt)
{
    const QRect twoRows[] = {QRect(0, 0, 10, 1), QRect(2, 0, 3, 1), QRect(0, 1, 10, 4)};
    QRegion odd;
    odd.setRects(twoRows, 3);
    const QRect touching[] = {QRect(0, 0, 5, 3), QRect(5, 0, 5, 3)};
    QRegion joined;
    joined.setRects(touching, 2);
    EXPECT_FALSE(isBanded(odd));
    EXPECT_FALSE(isBanded(joined));
    const QRegion cut(QRect(3, 1, 4, 1));
    EXPECT_EQ(bandedDifference(odd, cut), odd - cut);
    EXPECT_EQ(bandedDifference(joined, cut), joined - cut);
    EXPECT_EQ(bandedUnion(odd, cut), odd + cut);
    EXPECT_EQ(bandedUnion(cut, joined), cut + joined);
}
