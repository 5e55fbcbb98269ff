#include "render/HighlightFrame.h"
#include "render/LayerPainter.h"
#include "render/RegionPainting.h"

#include <QImage>
#include <gtest/gtest.h>

using namespace brisko;

namespace {

QImage blankImage(QColor colour = Qt::blue)
{
    QImage image(40, 40, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

bool isColour(const QImage& image, int x, int y, const QColor& colour)
{
    return image.pixelColor(x, y) == colour;
}

} // namespace

TEST(FrameBand, IsABandInsideTheRegionOfTheGivenWidthAndHeight)
{
    const QRegion box(QRect(10, 10, 20, 12));
    const QRegion band = frameBand(box, 3, 2);
    EXPECT_EQ(band.boundingRect(), box.boundingRect()); // inside, reaching the edge
    EXPECT_TRUE(band.contains(QPoint(12, 15)));         // 3 wide at the left
    EXPECT_FALSE(band.contains(QPoint(13, 15)));
    EXPECT_TRUE(band.contains(QPoint(27, 15)));         // and at the right
    EXPECT_FALSE(band.contains(QPoint(26, 15)));
    EXPECT_TRUE(band.contains(QPoint(20, 11)));         // 2 high at the top
    EXPECT_FALSE(band.contains(QPoint(20, 12)));
    EXPECT_TRUE(band.contains(QPoint(20, 20)));         // and at the bottom
    EXPECT_FALSE(band.contains(QPoint(20, 19)));

    // A ring is framed along both of its edges.
    const QRegion ring = QRegion(QRect(0, 0, 30, 30), QRegion::Ellipse) - QRegion(QRect(10, 10, 10, 10));
    const QRegion ringBand = frameBand(ring, 1, 1);
    EXPECT_TRUE(ringBand.contains(QPoint(9, 15)));
    EXPECT_TRUE(ringBand.contains(QPoint(20, 15)));
    EXPECT_FALSE(ringBand.contains(QPoint(5, 15)));
}

TEST(RegionPainting, FramePaintsOnlyTheBandAndFillCoversTheRegion)
{
    QImage image = blankImage();
    QPainter painter(&image);
    frameRegion(painter, QRegion(QRect(5, 5, 10, 10)), QBrush(Qt::white), 2, 2);
    fillRegion(painter, QRegion(QRect(25, 25, 3, 3)), QBrush(Qt::red));
    painter.end();
    EXPECT_TRUE(isColour(image, 5, 5, Qt::white));
    EXPECT_TRUE(isColour(image, 6, 10, Qt::white));
    EXPECT_TRUE(isColour(image, 7, 10, Qt::blue));
    EXPECT_TRUE(isColour(image, 15, 10, Qt::blue)); // the right edge is outside
    EXPECT_TRUE(isColour(image, 27, 27, Qt::red));
    EXPECT_TRUE(isColour(image, 28, 27, Qt::blue));
}

namespace {

// Pixels of the colour that continue a 45° line falling to the right, and rising.
int fallingPairs(const QImage& image, const QColor& colour)
{
    int pairs = 0;
    for (int y = 8; y < 31; ++y)
        for (int x = 8; x < 31; ++x)
            pairs += isColour(image, x, y, colour) && isColour(image, x + 1, y + 1, colour);
    return pairs;
}

int risingPairs(const QImage& image, const QColor& colour)
{
    int pairs = 0;
    for (int y = 8; y < 31; ++y)
        for (int x = 8; x < 31; ++x)
            pairs += isColour(image, x, y, colour) && isColour(image, x + 1, y - 1, colour);
    return pairs;
}

} // namespace

TEST(LayerHatches, InnerFallsToTheRightOuterRisesAndTheBackgroundShowsBetween)
{
    CarGeometry g;
    g.RegionsValid = true;
    g.InnerLayerView = QRegion(QRect(0, 0, 40, 40));
    g.OuterLayerView = g.InnerLayerView;

    QImage inner = blankImage();
    QPainter p1(&inner);
    paintInnerLayers(p1, g, Qt::red);
    p1.end();
    EXPECT_GT(fallingPairs(inner, Qt::red), 30);
    EXPECT_EQ(risingPairs(inner, Qt::red), 0);
    EXPECT_TRUE(isColour(inner, 1, 20, Qt::red)); // the 3-pixel frame
    EXPECT_TRUE(isColour(inner, 2, 20, Qt::red));
    EXPECT_GT(fallingPairs(inner, Qt::blue), 30); // background between the lines

    QImage outer = blankImage();
    QPainter p2(&outer);
    paintOuterLayer(p2, g, Qt::white);
    p2.end();
    EXPECT_GT(risingPairs(outer, Qt::white), 30);
    EXPECT_EQ(fallingPairs(outer, Qt::white), 0);
    EXPECT_TRUE(isColour(outer, 20, 1, Qt::white));

    g.RegionsValid = false; // no outline: no layers
    QImage none = blankImage();
    QPainter p3(&none);
    paintInnerLayers(p3, g, Qt::red);
    paintOuterLayer(p3, g, Qt::white);
    p3.end();
    EXPECT_EQ(none, blankImage());
}

TEST(HighlightFrame, ShowsARedBandAndDrawingItTwiceRestoresThePicture)
{
    QImage image = blankImage(QColor(0, 170, 255));
    QPainter painter(&image);
    fillRegion(painter, QRegion(QRect(0, 0, 20, 40)), QBrush(Qt::white, Qt::FDiagPattern));
    painter.end();
    const QImage before = image;
    const QRegion part(QRect(5, 5, 25, 25), QRegion::Ellipse);

    QPainter once(&image);
    toggleHighlight(once, part);
    once.end();
    EXPECT_NE(image, before);
    EXPECT_EQ(image.pixelColor(17, 5), QColor(255, 170, 255)); // background xor red
    EXPECT_EQ(image.pixelColor(17, 17), before.pixelColor(17, 17));

    QPainter twice(&image);
    toggleHighlight(twice, part);
    twice.end();
    EXPECT_EQ(image, before);
}
