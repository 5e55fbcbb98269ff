// The Build state through the real widgets: the car stacked slab by slab on the
// sheet, Rewind, Step, To end, Stop and the picture size, the window locked while
// it draws, and everything a student can do during the drawing.
#include "WiredWindowHelpers.h"

#include "render/BuildPace.h"
#include "render/RegionPainting.h"
#include "output/BuildView.h"
#include "render/SlabSweep.h"
#include "text/NumberText.h"

#include <QLabel>
#include <QMetaObject>
#include <QSlider>
#include <QTimer>
#include <functional>

namespace brisko::gui::test {

class BuildState : public ProgramFixture {
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        startWithPortfolio();
        win().showNormal(); // a desktop's maximised window, where the whole tool bar fits
        win().resize(1280, 800);
        settle();                // and its resize is over before the student builds
    }

    const BuildView& view() { return win().prototypeRefresh().buildView(); }
    QString progress() { return widget<QLabel>("Progress3DLabel")->text(); }
    bool enabled(const char* name) { return widget<QWidget>(name)->isEnabled(); }
    QColor sheetAt(const QPoint& p) { return win().image()->canvas().pixelColor(p); }

    // Runs `action` from the event queue: during a drawing, at its first pause.
    void whileDrawing(std::function<void()> action)
    {
        QMetaObject::invokeMethod(qApp, std::move(action), Qt::QueuedConnection);
    }
    // Runs `action` at the first pause at which `when` holds.
    void whenDrawing(std::function<bool()> when, std::function<void()> action)
    {
        QMetaObject::invokeMethod(qApp, [this, when, action] {
            if (when())
                action();
            else if (view().isDrawing())
                whenDrawing(when, action);
        }, Qt::QueuedConnection);
    }
    void settle()
    {
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents();
    }
    QStringList values1() const
    {
        QStringList out;
        for (const QStringList& record : records())
            if (field(record, 14) == "VPBuild")
                out << field(record, 3);
        return out;
    }
};

TEST_F(BuildState, EnteringBuildStacksTheWholeCarWithTheWindowLocked)
{
    QString before, stopCaption;
    bool stopShown = false, stateButtonsLocked = false, playLocked = false;
    const auto toolsAt = [this] {
        QWidget* tool = widget<QWidget>("DrawOuterBtn");
        return tool->isVisible() ? tool->mapTo(&win(), QPoint()) : QPoint(-1, -1);
    };
    const QPoint toolsBefore = toolsAt();
    QPoint toolsWhileDrawing;
    whileDrawing([&] {
        before = progress();
        toolsWhileDrawing = toolsAt();
        stopCaption = widget<QAbstractButton>("DrawCancelBtn")->text();
        stopShown = widget<QWidget>("DrawCancelBtn")->isVisible() && widget<QWidget>("DrawCancelBtn")->width() > 40;
        stateButtonsLocked = !enabled("VPSetBtn") && !enabled("VPPropBtn") && !enabled("DesignList");
        playLocked = !enabled("Rewind3DBtn") && !enabled("Slider3D");
    });
    click("VPBuildBtn");
    EXPECT_EQ(before, "11 layers");
    EXPECT_EQ(stopCaption, "Stop");
    EXPECT_TRUE(stopShown);
    EXPECT_EQ(toolsWhileDrawing, toolsBefore) << "the tool bar stays as it is while the car builds";
    EXPECT_TRUE(stateButtonsLocked);
    EXPECT_TRUE(playLocked);

    EXPECT_EQ(progress(), "11 of 11");
    EXPECT_EQ(widget<QAbstractButton>("DrawCancelBtn")->text(), "Cancel");
    EXPECT_FALSE(widget<QWidget>("DrawCancelBtn")->isVisible());
    EXPECT_TRUE(enabled("VPSetBtn"));
    EXPECT_TRUE(enabled("DesignList"));
    EXPECT_TRUE(enabled("Rewind3DBtn"));
    EXPECT_TRUE(enabled("Slider3D"));
    EXPECT_FALSE(enabled("StepForward3DBtn"));
    EXPECT_FALSE(enabled("ToEnd3DBtn"));
    EXPECT_TRUE(widget<QWidget>("BuildStatePanel")->isVisible());
    EXPECT_TRUE(widget<QWidget>("Play3DPanel")->isVisible());
    EXPECT_EQ(field(lastRecord(), 1), "3");
    EXPECT_EQ(field(lastRecord(), 2), "201");
    EXPECT_EQ(field(lastRecord(), 3), "-");
    EXPECT_EQ(field(lastRecord(), 14), "VPBuild");
    // The axle ends are the last thing on the sheet.
    const BuildScene& scene = view().scene();
    const QPoint axle = prototypeOf(win()).geometry().Layout.pictureFrame().point(
                            prototypeOf(win()).geometry().RearCentre)
        + QPoint(scene.Offset, 0) + slabEnds(scene).last();
    EXPECT_EQ(sheetAt(axle), buildcolours::kAxleFill);
}

TEST_F(BuildState, RewindThenFiveStepsShowFiveSlabsAndCanGoOn)
{
    click("VPBuildBtn");
    click("Rewind3DBtn");
    EXPECT_EQ(progress(), "1 of 11");
    for (int i = 0; i < 5; ++i)
        click("StepForward3DBtn");
    EXPECT_EQ(progress(), "5 of 11");
    EXPECT_TRUE(enabled("StepForward3DBtn"));
    EXPECT_TRUE(enabled("ToEnd3DBtn"));
    EXPECT_EQ(values1().mid(1), QStringList({"Rewind3D", "Step3D", "Step3D", "Step3D", "Step3D", "Step3D"}));
    for (int i = 0; i < 6; ++i)
        click("StepForward3DBtn");
    EXPECT_EQ(progress(), "11 of 11");
    EXPECT_FALSE(enabled("StepForward3DBtn"));
    EXPECT_FALSE(enabled("ToEnd3DBtn"));
    click("ToEnd3DBtn"); // disabled: nothing
    EXPECT_EQ(values1().last(), "Step3D");
}

TEST_F(BuildState, SmallToMedLogsThePositionRedrawsNothingAndTheNextBuildIsLarger)
{
    click("VPBuildBtn");
    const QImage before = win().image()->canvas();
    const int kxSmall = view().scene().Kx;
    widget<QSlider>("Slider3D")->setValue(1);
    const QStringList record = lastRecord();
    EXPECT_EQ(field(record, 1), "3");
    EXPECT_EQ(field(record, 2), "201");
    EXPECT_EQ(field(record, 3), "New3DPictureSize");
    EXPECT_EQ(field(record, 4), "1");
    EXPECT_EQ(field(record, 5), "-");
    EXPECT_EQ(field(record, 14), "VPBuild");
    EXPECT_EQ(win().image()->canvas(), before);
    EXPECT_FALSE(enabled("StepForward3DBtn"));
    EXPECT_FALSE(enabled("ToEnd3DBtn"));

    click("VPBuildBtn");
    EXPECT_FLOAT_EQ(prototypeOf(win()).layout().PictureSize, 0.575f);
    EXPECT_EQ(view().scene().Kx, nearest(32.0f * prototypeOf(win()).layout().ViewScale * 0.575f));
    EXPECT_GT(view().scene().Kx, kxSmall);
}

TEST_F(BuildState, BuildStepAndToEndDuringTheDrawingStartNothing)
{
    click("VPBuildBtn");
    click("Rewind3DBtn"); // To end can be pressed again
    const int before = static_cast<int>(records().size());
    int nested = 0;
    whileDrawing([&] {
        for (const char* name : {"VPBuildBtn", "StepForward3DBtn", "ToEnd3DBtn", "Rewind3DBtn"})
            click(name);
        // Past the lock too: the handlers themselves refuse.
        win().VPBuildBtnClick();
        auto* build = win().findChild<BuildView*>(QStringLiteral("BuildView"));
        build->StepForward3DBtnClick();
        build->ToEnd3DBtnClick();
        build->Rewind3DBtnClick();
        nested = static_cast<int>(records().size()) - before;
    });
    click("ToEnd3DBtn");
    EXPECT_EQ(nested, 1); // only the "Conclude3D" of the press that started the drawing
    EXPECT_EQ(values1().last(), "Conclude3D");
    EXPECT_EQ(progress(), "11 of 11");
    EXPECT_FALSE(view().isDrawing());
}

TEST_F(BuildState, StopDuringSlabThreeLeavesSlabsOneToThree)
{
    click("VPBuildBtn");
    click("Rewind3DBtn");
    // Slab 2 has ended; Stop comes at the next pause, once slab 3 has begun.
    whenDrawing([&] { return progress() == "2 of 11"; }, [&] { whileDrawing([&] { click("DrawCancelBtn"); }); });
    click("ToEnd3DBtn");
    EXPECT_EQ(progress(), "3 of 11");
    EXPECT_FALSE(view().isDrawing());
    EXPECT_FALSE(widget<QWidget>("DrawCancelBtn")->isVisible());
    EXPECT_TRUE(enabled("Rewind3DBtn"));
    const BuildScene& scene = view().scene();
    const QVector<QPoint> ends = slabEnds(scene);
    // The first outer layer's top edge is there, the near wheels' rings are not.
    const QRect top = *frameBand(scene.OuterLayer, 1, 1).begin();
    EXPECT_EQ(sheetAt(top.topLeft() + ends[2]), buildcolours::kFoamEdge);
    const QRect wheel = scene.Wheels.first();
    const QPoint nearWheelLeft = QPoint(wheel.left(), wheel.center().y()) + ends[scene.slabCount() - 2];
    EXPECT_NE(sheetAt(nearWheelLeft), buildcolours::kWheelOutline);
}

// The drawing keeps to the clock: the whole car's time grows with the picture size
// chosen on the slider, and while the drawing waits for its next step the window
// takes events, refuses a second drawing and, once the state is left, ends the
// drawing without waiting out the step.
TEST_F(BuildState, ThePacedDrawingWaitsForTheClockAndStaysResponsive)
{
    auto* paced = win().findChild<BuildView*>(QStringLiteral("BuildView"));
    paced->setStartingSizeBuildMilliseconds(kStartingSizeBuildMilliseconds);
    const int small = paced->buildMilliseconds();
    EXPECT_GE(small, 1500);
    EXPECT_LE(small, 3000);
    widget<QSlider>("Slider3D")->setValue(2);
    EXPECT_GT(paced->buildMilliseconds(), small);

    // Ten minutes for the car: the first slab is still under way when the timer fires.
    paced->setStartingSizeBuildMilliseconds(600000);
    QString during;
    bool drawing = false;
    int nested = -1;
    QTimer::singleShot(30, qApp, [&] {
        during = progress();
        drawing = view().isDrawing();
        const int before = static_cast<int>(records().size());
        win().VPBuildBtnClick();
        nested = static_cast<int>(records().size()) - before;
        win().VPSetBtnClick();
    });
    click("VPBuildBtn");
    settle();
    EXPECT_TRUE(drawing);
    EXPECT_EQ(during, "11 layers");
    EXPECT_EQ(nested, 0);
    EXPECT_FALSE(view().isDrawing());
    EXPECT_EQ(win().session().app().CurrentState, ProcessState::Set);
}

TEST_F(BuildState, LeavingTheStateDuringTheDrawingShowsTheNewState)
{
    whileDrawing([&] { win().VPSetBtnClick(); });
    click("VPBuildBtn");
    settle();
    EXPECT_FALSE(view().isDrawing());
    EXPECT_EQ(win().session().app().CurrentState, ProcessState::Set);
    EXPECT_FALSE(widget<QWidget>("BuildStatePanel")->isVisible());
    EXPECT_TRUE(enabled("VPBuildBtn"));
    EXPECT_TRUE(enabled("DesignList"));
    const auto all = records();
    ASSERT_GE(all.size(), 2);
    EXPECT_EQ(field(all[all.size() - 2], 14), "VPSet");
    EXPECT_EQ(field(all.last(), 14), "VPBuild");
    // The Set picture follows: the paper's silver edge along its top.
    const ViewLayout& layout = prototypeOf(win()).layout();
    EXPECT_EQ(sheetAt(QPoint(layout.PaperLeft + layout.PaperViewWidth / 2 + 5, 1)), QColor(192, 192, 192));
}

TEST_F(BuildState, AResizeDuringTheDrawingDrawsTheCarAgainAtTheNewSize)
{
    whileDrawing([&] { win().resize(1400, 900); });
    click("VPBuildBtn");
    settle();
    EXPECT_FALSE(view().isDrawing());
    EXPECT_EQ(progress(), "11 of 11");
    EXPECT_EQ(view().scene().Kx, prototypeOf(win()).layout().PictureShiftX);
    EXPECT_EQ(win().image()->canvas().size(), win().image()->size());
}

TEST_F(BuildState, ClosingTheWindowDuringTheDrawingEndsTheProgramAfterIt)
{
    whileDrawing([&] { win().close(); });
    click("VPBuildBtn");
    settle();
    EXPECT_FALSE(view().isDrawing());
    EXPECT_TRUE(program->hasEnded());
    EXPECT_EQ(field(lastRecord(), 14), "ProgramEnd");
}

} // namespace brisko::gui::test
