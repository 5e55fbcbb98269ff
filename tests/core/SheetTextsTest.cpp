// The texts each state paints on the drawing area (the race track's foot labels,
// the drive direction's caption) lie wholly inside it at the usual window sizes.
#include "GuiApp.h"
#include "TextBoxRecorder.h"

#include "render/BackgroundPainter.h"
#include "render/DriveDirection.h"

#include <QPainter>
#include <gtest/gtest.h>

using namespace brisko;

namespace {

// The drawing area of a main window of that size: its width, less the tool bar,
// the menu and the state panels in height.
QSize areaOf(const QSize& window)
{
    return {window.width(), window.height() - 250};
}

std::vector<test::TextBox> textsOutside(ProcessState state, const QSize& window, DriveType drive)
{
    const QSize area = areaOf(window);
    test::TextBoxRecorder recorder(area);
    QPainter painter(&recorder);
    BackgroundScene scene;
    scene.State = state;
    scene.Layout = layoutView(area.width(), area.height() - 50);
    scene.Area = area;
    scene.WindowWidth = window.width();
    paintBackground(painter, scene);
    if (state != ProcessState::Race && state != ProcessState::Preview)
        paintDriveDirection(painter, scene.Layout, drive);
    painter.end();
    return recorder.textsOutside();
}

} // namespace

TEST(SheetTexts, EveryStatesTextsLieInsideTheDrawingArea)
{
    test::ensureGuiApp();
    for (const QSize window : {QSize(1280, 800), QSize(1600, 1000), QSize(1920, 1080)})
        for (const ProcessState state : {ProcessState::Set, ProcessState::Build, ProcessState::Prop,
                                         ProcessState::Dynamic, ProcessState::Race, ProcessState::Preview})
            for (const DriveType drive : {DriveType::RWD, DriveType::FWD, DriveType::AWD})
                for (const auto& text : textsOutside(state, window, drive))
                    ADD_FAILURE() << window.width() << "x" << window.height() << " state "
                                  << static_cast<int>(state) << ": '" << text.text.toStdString() << "' at "
                                  << text.box.x() << "," << text.box.y() << " " << text.box.width();
}

TEST(SheetTexts, TheRaceTrackStillLabelsItsStartAndFinish)
{
    test::ensureGuiApp();
    const QSize area = areaOf(QSize(1280, 800));
    test::TextBoxRecorder recorder(area);
    QPainter painter(&recorder);
    BackgroundScene scene;
    scene.State = ProcessState::Race;
    scene.Layout = layoutView(area.width(), area.height() - 50);
    scene.Area = area;
    scene.WindowWidth = 1280;
    paintBackground(painter, scene);
    painter.end();
    QStringList labels;
    for (const auto& text : recorder.texts())
        labels << text.text;
    EXPECT_TRUE(labels.contains(QStringLiteral("0 ft")));
    EXPECT_TRUE(labels.contains(QStringLiteral("15 ft")));
}
