#include "GuiApp.h"

#include "analysis/ChamberSizing.h"
#include "render/BackgroundPainter.h"
#include "render/DesignViewPainter.h"
#include "render/HighlightFrame.h"
#include "render/SetStateView.h"
#include "render/ViewColours.h"
#include "model/Presets.h"
#include "text/NumberText.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace brisko;

namespace {

struct Scene {
    CarDesign design;
    MaterialLibrary materials;
    MassModel model;
    SetStateView view;

    explicit Scene(int preset = 0) { loadPresetShape(design, preset); }
    void render(QSize area) { view = renderSetStateView(design, materials, model, area); }

    QColor at(const QPoint& p) const { return view.Image.pixelColor(p); }
    // A drawing-frame point on the screen.
    QPoint onScreen(float x, float y) const { return view.Geometry.Layout.viewFrame().point(x, y); }
    QPoint onScreen(const QPointF& p) const { return view.Geometry.Layout.viewFrame().point(p); }
};

// Whether any pixel of the colour lies in a w by h window at p.
bool anyInWindow(const QImage& image, QRect window, const QColor& colour)
{
    for (int y = window.top(); y <= window.bottom(); ++y)
        for (int x = window.left(); x <= window.right(); ++x)
            if (image.pixelColor(x, y) == colour)
                return true;
    return false;
}

bool patternInWindow(const QImage& image, QRect window, const QColor& colour, int dy)
{
    for (int y = window.top() + 1; y < window.bottom(); ++y)
        for (int x = window.left(); x < window.right(); ++x)
            if (image.pixelColor(x, y) == colour && image.pixelColor(x + 1, y + dy) == colour)
                return true;
    return false;
}

class SetStateAtSize : public ::testing::TestWithParam<QSize> {
protected:
    void SetUp() override { test::ensureGuiApp(); }
};

} // namespace

TEST_P(SetStateAtSize, PaintsPaperLayersRunningGearAndWeightsWhereTheyBelong)
{
    Scene s;
    s.design.Weights[0] = AddedWeight{500, 200, -0.5f};
    s.render(GetParam());
    const ViewLayout& v = s.view.Geometry.Layout;
    const CarGeometry& g = s.view.Geometry;
    ASSERT_EQ(s.view.Image.size(), GetParam());

    // The paper in the middle of a half-inch square, clear of the car.
    EXPECT_EQ(s.at(s.onScreen(666, 162)), colours::kSetPaper);
    // The paper grid, half an inch in from the left.
    EXPECT_EQ(s.at(QPoint(v.PaperLeft + nearest(v.PaperViewWidth / 20.0), 10)), colours::kPaperGrid);
    // The folded corner.
    const int right = v.PaperLeft + v.PaperViewWidth;
    EXPECT_EQ(s.at(QPoint(right - nearest(22 * v.ViewScale), nearest(25 * v.ViewScale))), colours::kWhite);
    // Both hatches where the layers cover the board.
    const QRect board(s.onScreen(450, 500), QSize(12, 12));
    EXPECT_TRUE(patternInWindow(s.view.Image, board, colours::kInnerLayer, +1));
    EXPECT_TRUE(patternInWindow(s.view.Image, board, colours::kOuterLayer, -1));
    // The drive wheel's white ring at its bottom, below the paper.
    const QRect wheel = g.DriveWheelRegion.boundingRect();
    EXPECT_EQ(s.at(QPoint(wheel.center().x(), wheel.bottom())), colours::kWhite);
    EXPECT_EQ(s.at(QPoint(wheel.center().x(), wheel.bottom() + 5)), colours::kDefaultBackground);
    // The wound spring below the axle, and the axle at the centre.
    const QPoint rear = s.onScreen(g.RearCentre);
    const int spring = g.SpringView.boundingRect().height() / 2;
    const int axle = g.DriveAxleRegion.View.boundingRect().height() / 2;
    EXPECT_EQ(s.at(rear + QPoint(0, (spring + axle) / 2)), colours::kSpringFill);
    EXPECT_EQ(s.at(rear), colours::kAxle);
    EXPECT_EQ(s.at(rear + QPoint(0, axle - 1)), colours::kGround); // its rim
    // The other axle and wheel.
    EXPECT_EQ(s.at(s.onScreen(g.OtherCentre) + QPoint(0, 4)), colours::kAxle);

    // The negative weight points up to its point: the shaft runs below, nothing above.
    const QPoint w = s.onScreen(500, 200);
    const int shaft = nearest(-72 * v.ViewScale);
    EXPECT_EQ(s.at(w + QPoint(0, 20)), colours::kWeight);
    EXPECT_EQ(s.at(w - QPoint(0, shaft + 1)), colours::kWeight);
    EXPECT_FALSE(anyInWindow(s.view.Image, QRect(w.x() - 6, w.y() - 12, 13, 9), colours::kWeight));
    EXPECT_FALSE(anyInWindow(s.view.Image, QRect(w.x() - 6, w.y() - shaft + 3, 13, 9), colours::kWeight));
    const QRect box = s.view.Weights[0];
    EXPECT_EQ(box, QRect(QPoint(w.x() - 5, w.y()), QPoint(w.x() + 4, w.y() - shaft + 14)));
    EXPECT_EQ(s.at(box.bottomLeft()), colours::kSilver);
}

INSTANTIATE_TEST_SUITE_P(WindowSizes, SetStateAtSize, ::testing::Values(QSize(1280, 800), QSize(1920, 1080)),
                         [](const auto& info) {
                             return std::to_string(info.param.width()) + "x" + std::to_string(info.param.height());
                         });

TEST(SetState, HighlightingAnyPartTwiceLeavesThePictureAsItWas)
{
    test::ensureGuiApp();
    Scene s;
    s.render(QSize(1280, 800));
    const QImage picture = s.view.Image;
    for (int part = 0; part < PartCount; ++part) {
        QPainter once(&s.view.Image);
        toggleHighlight(once, s.view.Geometry.PartRegions[static_cast<size_t>(part)]);
        once.end();
        EXPECT_NE(s.view.Image, picture) << part;
        QPainter twice(&s.view.Image);
        toggleHighlight(twice, s.view.Geometry.PartRegions[static_cast<size_t>(part)]);
        twice.end();
        EXPECT_EQ(s.view.Image, picture) << part;
    }
}

TEST(SetState, AllWheelDriveDrawsNoOtherWheelOrAxleAndASecondSpringAtTheFront)
{
    test::ensureGuiApp();
    Scene rwd;
    rwd.render(QSize(1280, 800));
    Scene awd;
    awd.design.setDrive(DriveType::AWD);
    awd.render(QSize(1280, 800));

    const QRect otherWheel = rwd.view.Geometry.OtherWheelRegion.boundingRect();
    const QPoint wheelBottom(otherWheel.center().x(), otherWheel.bottom());
    EXPECT_EQ(rwd.at(wheelBottom), colours::kWhite);
    EXPECT_NE(awd.at(wheelBottom), colours::kWhite);
    const QPoint otherAxle = rwd.onScreen(rwd.view.Geometry.OtherCentre) + QPoint(0, 4);
    EXPECT_EQ(rwd.at(otherAxle), colours::kAxle);
    EXPECT_NE(awd.at(otherAxle), colours::kAxle);

    const CarGeometry& g = awd.view.Geometry;
    const QPoint front = awd.onScreen(g.FrontCentre);
    EXPECT_GT(front.x(), awd.view.Geometry.Layout.PaperLeft + awd.view.Geometry.Layout.PaperViewWidth / 2);
    const int axle = g.DriveAxleRegion.View.boundingRect().height() / 2;
    EXPECT_EQ(awd.at(front), colours::kAxle);
    EXPECT_EQ(awd.at(front + QPoint(0, axle + 3)), colours::kSpringFill);
    const QRect frontWheel = g.DriveWheelRegion.boundingRect();
    EXPECT_EQ(awd.at(QPoint(front.x(), frontWheel.bottom())), colours::kWhite);
}

TEST(Background, GridGroundAndTrackFollowTheState)
{
    test::ensureGuiApp();
    const ViewLayout v = layoutView(864, 648);
    QImage image(864, 700, QImage::Format_RGB32);
    const auto paint = [&](ProcessState state) {
        QPainter painter(&image);
        paintBackground(painter, {state, v, image.size(), 1020, QColor(10, 20, 30)});
    };
    paint(ProcessState::Prop);
    EXPECT_EQ(image.pixelColor(36, 300), colours::kGrid);           // half-inch grid
    EXPECT_EQ(image.pixelColor(37, 300), QColor(10, 20, 30));       // the chosen background
    EXPECT_EQ(image.pixelColor(37, 540 + 36), colours::kGround);    // the ground strip
    EXPECT_EQ(image.pixelColor(37, 540 + 35), QColor(10, 20, 30));
    paint(ProcessState::Preview);
    EXPECT_EQ(image.pixelColor(100, 300), colours::kWhite);         // white paper
    EXPECT_EQ(image.pixelColor(37, 600), QColor(10, 20, 30));
    paint(ProcessState::Race);
    EXPECT_EQ(image.pixelColor(60, 300), colours::kRed);            // the start line, 1020 / 17
    EXPECT_EQ(image.pixelColor(120, 300), colours::kGrid);
    EXPECT_EQ(image.pixelColor(36, 300), QColor(10, 20, 30));       // no grid
}

TEST(Layout, AShortDrawingAreaGetsASmallerSheetWithItsGroundLineInside)
{
    // The drawing area of a 1600 x 1000 window keeps its sheet; that of a 1280 x 860
    // one gives up a few pixels, so the traction bars under the ground line show.
    EXPECT_EQ(availHeightShowingGround(1600, 828, 758), 828);
    EXPECT_GE(availHeightShowingGround(1280, 688, 618), 680);
    // That of a 1366 x 768 screen's window is too short for its sheet's ground line.
    const int lowered = availHeightShowingGround(1280, 596, 526);
    EXPECT_LT(lowered, 596);
    const ViewLayout v = layoutView(1280, lowered);
    EXPECT_LE(v.PaperViewHeight + nearest(kGroundBelowPaper * v.ViewScale), 526 - 12);
}

TEST(TemplatePicture, InnerLayerShowsTheChamberAsAHoleInASilverRing)
{
    CarDesign design;
    loadPresetShape(design, 1); // the racer: the inner outline is narrower than the case
    MaterialLibrary materials;
    MassModel model;
    sizeChamberAndLayers(design, materials, model);
    const ViewLayout layout = layoutView(864, 648, 0.4f, 144, 144);
    const CarGeometry g = designViewGeometry(design, materials, layout, model);

    QImage page(1500, 1200, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    bool labelled = false;
    paintTemplatePicture(painter, g, false, [&](QPainter&) { labelled = true; });
    painter.end();
    EXPECT_TRUE(labelled);

    const Frame printer = layout.printerFrame();
    const float r = model.chamberRadiusUnits();
    const QPointF c = g.RearCentre;
    EXPECT_EQ(page.pixelColor(printer.point(c + QPointF(0, r / 2 + 10))), colours::kWhite);      // the chamber
    EXPECT_EQ(page.pixelColor(printer.point(c + QPointF(r / 2, -r / 2 - 5))), colours::kWhite);
    for (const QPointF& d : {QPointF(r + 18, 0), QPointF(0, -r - 18), QPointF(-r - 18, 0)})
        EXPECT_EQ(page.pixelColor(printer.point(c + d)), colours::kSilver) << d.x() << "," << d.y();
    EXPECT_EQ(page.pixelColor(printer.point(c)), colours::kWhite);                                // axle hole
    EXPECT_EQ(page.pixelColor(printer.point(c + QPointF(0, 17.5f))), colours::kBlack);           // its rim
    EXPECT_EQ(page.pixelColor(printer.point(c + QPointF(0, r + 18))), colours::kWhite);          // below the paper
}

// Every preset renders and saves as a picture; with BRISKO_RENDER_DIR set the
// pictures are kept there for a look.
TEST(SetState, RendersEveryPresetForInspection)
{
    QTemporaryDir scratch;
    QString dir = qEnvironmentVariable("BRISKO_RENDER_DIR");
    if (dir.isEmpty())
        dir = scratch.path();
    test::ensureGuiApp();
    for (int preset = 0; preset < kPresetCount; ++preset) {
        Scene s(preset);
        if (preset == 1)
            s.design.Weights[0] = AddedWeight{300, 200, 0.25f};
        if (preset == 2)
            s.design.Weights[0] = AddedWeight{500, 150, -0.5f};
        if (preset == 3)
            s.design.setDrive(DriveType::AWD);
        if (preset == 4)
            s.design.setDrive(DriveType::FWD);
        s.render(QSize(1280, 800));
        const QString name = presetNames()[preset].toLower().replace(' ', '-');
        const QString path = QDir(dir).filePath(QStringLiteral("render-%1.png").arg(name));
        ASSERT_TRUE(s.view.Image.save(path));
        EXPECT_EQ(QImage(path).size(), QSize(1280, 800));
    }
}
