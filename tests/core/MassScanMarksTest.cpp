#include "render/MassScanMarks.h"

#include <QImage>
#include <gtest/gtest.h>

using namespace brisko;

namespace {

QImage blankView()
{
    QImage image(400, 300, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

} // namespace

TEST(MassScanMarks, CentroidMarkHasGreenUpperLeftAndLowerRightQuarters)
{
    ViewLayout layout;
    layout.ViewScale = 2.0f;
    layout.PaperLeft = 10;
    MassModel model;
    model.CentroidX = 1.0f; // 72 drawing pixels, 144 view pixels, shifted by PaperLeft
    model.CentroidY = 1.0f;
    QImage image = blankView();
    QPainter painter(&image);
    paintCentroidMark(painter, layout, model);
    painter.end();

    const QPoint c = centroidViewPoint(layout, model);
    EXPECT_EQ(c, QPoint(154, 144));
    const int r = 30; // nearest(15 x 2)
    EXPECT_EQ(image.pixelColor(c + QPoint(-r / 2, -r / 2)), kCentroidColour);
    EXPECT_EQ(image.pixelColor(c + QPoint(r / 2, r / 2)), kCentroidColour);
    EXPECT_EQ(image.pixelColor(c + QPoint(r / 2, -r / 2)), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(c + QPoint(-r / 2, r / 2)), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(c + QPoint(r + 3, 0)), QColor(Qt::black));
}

TEST(MassScanMarks, ElementEdgesAreTheTopAndRightInTheLayersColour)
{
    const QRect square(QPoint(20, 20), QPoint(30, 30));
    for (const auto& [layer, colour] : {std::pair{ElementLayer::Outer, kOuterElementColour},
                                        std::pair{ElementLayer::Inner, kInnerElementColour}}) {
        QImage image = blankView();
        QPainter painter(&image);
        paintElementEdges(painter, square, layer);
        painter.end();
        EXPECT_EQ(image.pixelColor(25, 20), colour);
        EXPECT_EQ(image.pixelColor(30, 25), colour);
        EXPECT_EQ(image.pixelColor(20, 25), QColor(Qt::black)) << "no left edge";
        EXPECT_EQ(image.pixelColor(25, 30), QColor(Qt::black)) << "no bottom edge";
    }
}
