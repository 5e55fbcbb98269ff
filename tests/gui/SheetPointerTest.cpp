// Hover highlighting and selection by click on the sheet of the wired window.
#include "WiredWindowHelpers.h"

#include <QComboBox>
#include <QLabel>

namespace brisko::gui::test {

class SheetPointing : public ProgramFixture {
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        startWithPortfolio();
    }

    QWidget* image() { return win().image(); }
    QString readOut() { return widget<QLabel>("PartAttributesLabel")->text(); }
    int partShown() { return widget<QComboBox>("PartNameBox")->currentIndex(); }
    bool shows(const char* name) { return !widget(name)->isHidden(); }
    QPoint emptyPaper() { return paperSquareCentre(prototypeOf(win()).layout(), 1, 1); }
};

TEST_F(SheetPointing, HoveringOverTheSpringHighlightsAndDescribesIt)
{
    const auto onSpring = pointOnPart(win(), SpringPart);
    ASSERT_TRUE(onSpring.has_value());
    const QImage before = win().image()->canvas().copy();

    sendMouse(image(), QEvent::MouseMove, *onSpring);
    EXPECT_EQ(readOut(), "Highlighted: Spring (Default plastic, 1.5 inches wide, 36 inches long).");
    EXPECT_EQ(image()->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_NE(win().image()->canvas(), before);

    sendMouse(image(), QEvent::MouseMove, emptyPaper());
    EXPECT_EQ(image()->cursor().shape(), Qt::ArrowCursor);
    EXPECT_TRUE(readOut().startsWith("Select parts to edit their attributes."));
    EXPECT_EQ(win().image()->canvas(), before) << "the highlight is erased completely";
}

TEST_F(SheetPointing, ARefreshLeavesNoStaleHighlightBehind)
{
    const auto onSpring = pointOnPart(win(), SpringPart);
    ASSERT_TRUE(onSpring.has_value());
    sendMouse(image(), QEvent::MouseMove, *onSpring);
    win().RefreshState(ProcessState::Set); // redraws the picture without the frame
    const QImage clean = win().image()->canvas().copy();
    sendMouse(image(), QEvent::MouseMove, emptyPaper());
    EXPECT_EQ(win().image()->canvas(), clean);
}

TEST_F(SheetPointing, ClickingTheDriveAxleSelectsItForEditing)
{
    const auto onAxle = pointOnPart(win(), DriveAxlePart);
    ASSERT_TRUE(onAxle.has_value());
    sendMouse(image(), QEvent::MouseButtonPress, *onAxle);
    EXPECT_EQ(partShown(), DriveAxlePart);
    EXPECT_TRUE(shows("DriveAxleDiaEF"));
    EXPECT_TRUE(shows("DriveAxleLengthEF"));
    EXPECT_TRUE(shows("DriveAxleList"));
    EXPECT_FALSE(shows("SpringWidthEF"));
    EXPECT_FALSE(shows("OuterBodyList"));
}

TEST_F(SheetPointing, ClickingBesideTheCarOrInAnotherStateDeselects)
{
    sendMouse(image(), QEvent::MouseButtonPress, emptyPaper());
    EXPECT_EQ(partShown(), -1);
    EXPECT_FALSE(shows("OuterBodyList"));
    EXPECT_FALSE(shows("MaterialLabel"));

    const auto onAxle = pointOnPart(win(), DriveAxlePart);
    ASSERT_TRUE(onAxle.has_value());
    click("VPPropBtn");
    const QImage analysed = win().image()->canvas().copy();
    sendMouse(image(), QEvent::MouseMove, *onAxle);
    sendMouse(image(), QEvent::MouseButtonPress, *onAxle);
    EXPECT_EQ(partShown(), -1);
    EXPECT_EQ(win().image()->canvas(), analysed) << "no highlight outside the Set state";
}

// During a drawing the drawing takes the presses on the paper, while a press beside
// the paper selects as without one: the wheels reach below the paper's edge.
TEST_F(SheetPointing, DuringADrawingAPressOffThePaperStillSelects)
{
    const CarGeometry& geometry = prototypeOf(win()).geometry();
    std::optional<QPoint> offPaper;
    const QRect box = geometry.PartRegions[DriveWheelsPart].boundingRect();
    for (int y = box.bottom(); y >= box.top() && !offPaper; --y)
        for (int x = box.left(); x <= box.right() && !offPaper; ++x)
            if (geometry.partAt({x, y}) >= 0 && !geometry.PaperRegion.contains(QPoint(x, y)))
                offPaper = QPoint(x, y);
    ASSERT_TRUE(offPaper.has_value());
    const int partBelow = geometry.partAt(*offPaper);
    const auto onAxle = pointOnPart(win(), DriveAxlePart);
    ASSERT_TRUE(onAxle.has_value());

    click("DrawOuterBtn");
    const int shownBefore = partShown();
    sendMouse(image(), QEvent::MouseButtonPress, *onAxle);
    EXPECT_EQ(partShown(), shownBefore) << "a press on the paper belongs to the drawing";
    sendMouse(image(), QEvent::MouseButtonPress, *offPaper);
    EXPECT_EQ(partShown(), partBelow);
    click("DrawCancelBtn");
}

} // namespace brisko::gui::test
