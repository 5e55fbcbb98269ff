// The program on laptop screens and on desktop monitors: the main window starts at
// a size that fits, and every window shows with its frame on screen.
#include "ProgramFixture.h"

#include "app/ScreenRoom.h"

#include <QApplication>
#include <QScreen>

namespace brisko::gui::test {

TEST(StartSize, OnALaptopScreenTheWindowStartsAsLargeAsTheRoomAllows)
{
    EXPECT_EQ(startSize(QSize(1280, 860), QRect(0, 0, 1280, 800)), QSize(1280, 800));
    EXPECT_EQ(startSize(QSize(1280, 860), QRect(0, 27, 1366, 741)), QSize(1280, 741)); // under a top panel
    const QRect stickingOut(200, 10, 1280, 860);
    EXPECT_EQ(placedInside(stickingOut, QRect(0, 27, 1366, 741)), QRect(86, 27, 1280, 741));
}

TEST(StartSize, OnADesktopMonitorNothingChanges)
{
    EXPECT_EQ(startSize(QSize(1280, 860), QRect(0, 0, 1600, 1000)), QSize(1280, 860));
    const QRect frame(40, 30, 1280, 860);
    EXPECT_EQ(placedInside(frame, QRect(0, 0, 1600, 1000)), frame);
}

class ScreenRoom : public ProgramFixture {};

TEST_F(ScreenRoom, TheMainWindowOpensAtItsFullSizeWhereTheScreenHasRoom)
{
    ASSERT_GE(QGuiApplication::primaryScreen()->availableGeometry().height(), 860);
    EXPECT_EQ(win().size(), QSize(1280, 860));
}

TEST_F(ScreenRoom, AWindowTallerThanTheScreenShowsShrunkWithItsFrameOnScreen)
{
    const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget tool(&win(), Qt::Window);
    tool.resize(600, room.height() + 200);
    tool.move(room.right() - 300, room.top() + 50);
    tool.show();
    QApplication::processEvents();
    EXPECT_TRUE(room.contains(tool.frameGeometry()));
    EXPECT_EQ(tool.width(), 600);
}

} // namespace brisko::gui::test
