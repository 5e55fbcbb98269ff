// The one-pass region builders hold exactly Qt's regions: the same pixels in the
// same bands, so every overlap test, scan and drawing reads the same figures.
#include "geometry/ScanRegion.h"
#include <QRandomGenerator>
#include <QtMath>
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


namespace {

QVector<QRect> rectsOf(const QRegion& region)
{
    return QVector<QRect>(region.begin(), region.end());
}

// `points` points round an ellipse, each `step` further on: a star whose edges cross.
QPolygon star(int points, int step, int rx, int ry)
{
    QPolygon out;
    for (int i = 0; i < points; ++i) {
        const double angle = 2 * M_PI * double(i) * step / points;
        out << QPoint(360 + qRound(rx * std::cos(angle)), 270 + qRound(ry * std::sin(angle)));
    }
    return out;
}

} // namespace

// Outlines that cross themselves, as a design file may hold them: the same
// rectangles as Qt's, under both fill rules, also where Qt's rows are cut at the
// end of its blocks of crossings.
TEST(ScanRegion, SelfCrossingPolygonsEqualQtsOwnToTheRectangle)
{
    QRandomGenerator random(2024);
    for (int i = 0; i < 3000; ++i) {
        QPolygon polygon;
        const int range = i % 3 == 0 ? 20 : 800;
        for (int n = 3 + random.bounded(i % 5 == 0 ? 40 : 6); n > 0; --n)
            polygon << QPoint(random.bounded(-range, range), random.bounded(-range, range));
        for (Qt::FillRule rule : {Qt::WindingFill, Qt::OddEvenFill})
            ASSERT_EQ(rectsOf(scanPolygonRegion(polygon, rule)), rectsOf(QRegion(polygon, rule))) << i;
    }
    for (const auto& [points, step] : {std::pair{255, 127}, std::pair{256, 127}, std::pair{127, 63}, std::pair{256, 101}})
        EXPECT_EQ(rectsOf(scanPolygonRegion(star(points, step, 430, 340), Qt::WindingFill)),
                  rectsOf(QRegion(star(points, step, 430, 340), Qt::WindingFill)))
            << points << "/" << step;
}
