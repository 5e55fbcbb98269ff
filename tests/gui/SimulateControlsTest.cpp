// The Simulate panel's Step, To end and Rewind buttons, their records, the frame
// they leave on the sheet, and the animation that lets events through while it runs.
#include "WiredWindowHelpers.h"

#include "analysis/DynamicLabels.h"
#include "mainwin/DynamicControls.h"

#include <QFrame>
#include <QLabel>
#include <QMetaObject>
#include <cmath>
#include <functional>

namespace brisko::gui::test {

class SimulateControls : public ProgramFixture {
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        startWithPortfolio();
        click("VPDynPerfBtn");
    }

    QAbstractButton* button(const char* name) { return widget<QAbstractButton>(name); }
    QString timeLabel() { return widget<QLabel>("DynamicTimeLabel")->text(); }
    const DynamicResult& run() { return prototypeOf(win()).dynamic(); }

    int recordsWithValue(const char* value)
    {
        int count = 0;
        for (const QStringList& record : records())
            count += field(record, 3) == QLatin1String(value) ? 1 : 0;
        return count;
    }

    void expectDynamicRecord(const char* value)
    {
        const QStringList record = lastRecord();
        EXPECT_EQ(field(record, 1), "5");
        EXPECT_EQ(field(record, 2), "401");
        EXPECT_EQ(field(record, 3), value);
        EXPECT_EQ(field(record, 4), "-");
        EXPECT_EQ(field(record, 14), "VPDynamic");
    }

    void expectButtons(bool step, bool toEnd, bool rewind)
    {
        EXPECT_EQ(button("StepDynamicBtn")->isEnabled(), step);
        EXPECT_EQ(button("ToEndDynamicBtn")->isEnabled(), toEnd);
        EXPECT_EQ(button("RewindDynamicBtn")->isEnabled(), rewind);
    }

    // Runs `action` from the event queue: during an animation, at its first drawn frame.
    void whileAnimating(std::function<void()> action)
    {
        QMetaObject::invokeMethod(qApp, std::move(action), Qt::QueuedConnection);
    }

    bool running() { return win().prototypeRefresh().isRunning(); }
};

TEST_F(SimulateControls, EnteringSimulateShowsTheFirstFrameReadyToStep)
{
    EXPECT_EQ(win().perState().dynamicStep, 1);
    expectButtons(true, true, false);
    EXPECT_EQ(timeLabel(), "0.02 sec");
    EXPECT_TRUE(widget<QFrame>("PropulsionLeftShape")->isVisible());
    EXPECT_GT(widget<QFrame>("PropulsionLeftShape")->width(), 0);
    EXPECT_TRUE(widget<QFrame>("NormalForceLeftShape")->isVisible());
    QLabel* revised = widget<QLabel>("RevisedLabel");
    EXPECT_EQ(revised->isVisibleTo(win().window()), run().RevisedVisible);
    if (run().RevisedVisible)
        EXPECT_EQ(revised->text(), run().RevisedLabel);
}

TEST_F(SimulateControls, StepLogsAndAdvancesOneFrameOfTwoHundredthsOfASecond)
{
    const int before = static_cast<int>(records().size());
    click("StepDynamicBtn");
    expectDynamicRecord("StepDynamic");
    EXPECT_EQ(records().size(), before + 1); // no full refresh, no second record
    EXPECT_EQ(timeLabel(), "0.04 sec");
    EXPECT_EQ(win().perState().dynamicStep, 2);
    expectButtons(true, true, true);
    click("StepDynamicBtn");
    EXPECT_EQ(timeLabel(), "0.06 sec");
    EXPECT_TRUE(widget<QFrame>("PropulsionLeftShape")->isVisible());
}

TEST_F(SimulateControls, ToEndAnimatesToTheSpentSpringAndRewindWindsItUpAgain)
{
    click("ToEndDynamicBtn");
    expectDynamicRecord("ConcludeDynamic");
    expectButtons(false, false, true);
    EXPECT_EQ(win().perState().dynamicStep, kEveryFrame);
    ASSERT_TRUE(run().FinalFrameDrawn);
    // The final frame: no propulsion, the resting normal forces, the run's last time.
    EXPECT_TRUE(widget<QFrame>("PropulsionLeftShape")->isVisible());
    EXPECT_EQ(widget<QFrame>("PropulsionLeftShape")->width(), 0);
    EXPECT_EQ(widget<QLabel>("PropLeftLabel")->text(), "0 lb");
    EXPECT_EQ(timeLabel(), dynamicTimeLabel(run().Steps));
    const float mass = prototypeOf(win()).statics().BarScale;
    EXPECT_EQ(widget<QFrame>("NormalForceLeftShape")->height(),
              static_cast<int>(std::nearbyint(150.0f * run().NormalLeftRest / mass)));

    click("RewindDynamicBtn");
    expectDynamicRecord("RewindDynamic");
    EXPECT_EQ(win().perState().dynamicStep, 1);
    EXPECT_EQ(timeLabel(), "0.02 sec");
    expectButtons(true, true, false);
    EXPECT_GT(widget<QFrame>("PropulsionLeftShape")->width(), 0);
}

TEST_F(SimulateControls, SteppingPastTheLastFrameEndsOnTheSpentSpring)
{
    click("ToEndDynamicBtn");
    const int frames = run().Frames;
    ASSERT_GT(frames, 1);
    click("RewindDynamicBtn");
    win().perState().dynamicStep = frames; // at the last frame: one more step goes past it
    click("StepDynamicBtn");
    expectButtons(false, false, true);
    EXPECT_EQ(widget<QFrame>("PropulsionLeftShape")->width(), 0);
    EXPECT_EQ(timeLabel(), dynamicTimeLabel(run().Steps));
}

TEST_F(SimulateControls, ClicksDuringTheAnimationStartNoSecondRun)
{
    bool sawRunning = false;
    whileAnimating([&] {
        sawRunning = running();
        // The buttons are disabled; their signals still reach the handlers. (Rewind
        // stays enabled: it stops the animation, see the records tests.)
        emit button("ToEndDynamicBtn")->clicked(false);
        emit button("StepDynamicBtn")->clicked(false);
    });
    click("ToEndDynamicBtn");
    EXPECT_TRUE(sawRunning);
    EXPECT_FALSE(running());
    EXPECT_EQ(recordsWithValue("ConcludeDynamic"), 1);
    EXPECT_EQ(recordsWithValue("StepDynamic"), 0);
    EXPECT_EQ(recordsWithValue("RewindDynamic"), 0);
    expectButtons(false, false, true);
    EXPECT_EQ(widget<QFrame>("PropulsionLeftShape")->width(), 0);
}

TEST_F(SimulateControls, TheAnimationDisablesStepAndToEndButNotRewindWhileItRuns)
{
    bool stepEnabled = true, toEndEnabled = true, rewindEnabled = true;
    whileAnimating([&] {
        stepEnabled = button("StepDynamicBtn")->isEnabled();
        toEndEnabled = button("ToEndDynamicBtn")->isEnabled();
        rewindEnabled = button("RewindDynamicBtn")->isEnabled();
    });
    click("ToEndDynamicBtn");
    EXPECT_FALSE(stepEnabled);
    EXPECT_FALSE(toEndEnabled);
    EXPECT_TRUE(rewindEnabled);
    EXPECT_TRUE(button("RewindDynamicBtn")->isEnabled());
}

TEST_F(SimulateControls, LeavingForAnalyzeDuringTheAnimationShowsAnalyze)
{
    bool left = false;
    whileAnimating([&] {
        button("VPPropBtn")->click();
        left = win().session().app().CurrentState == ProcessState::Prop;
    });
    click("ToEndDynamicBtn");
    ASSERT_TRUE(left);
    EXPECT_FALSE(running());
    EXPECT_EQ(win().session().app().CurrentState, ProcessState::Prop);
    EXPECT_FALSE(widget<QFrame>("PropulsionLeftShape")->isVisible());
    EXPECT_FALSE(widget<QWidget>("DynamicPanel")->isVisible());
    // The Analyze refresh the click asked for follows the run: its resting bars show.
    const StaticResult& statics = prototypeOf(win()).statics();
    ASSERT_TRUE(widget<QFrame>("NormalForceLeftShape")->isVisible());
    EXPECT_EQ(widget<QFrame>("NormalForceLeftShape")->height(),
              static_cast<int>(std::nearbyint(150.0f * statics.NormalLeftRest / statics.BarScale)));
    EXPECT_FALSE(lastRecordNamed(records(), "VPProperties").isEmpty());

    // Coming back starts again at the first frame.
    click("VPDynPerfBtn");
    expectButtons(true, true, false);
    EXPECT_EQ(timeLabel(), "0.02 sec");
}

TEST_F(SimulateControls, PressingSimulateAgainDuringTheAnimationRestartsAtTheFirstFrame)
{
    whileAnimating([&] { button("VPDynPerfBtn")->click(); });
    click("ToEndDynamicBtn");
    EXPECT_EQ(win().session().app().CurrentState, ProcessState::Dynamic);
    EXPECT_EQ(win().perState().dynamicStep, 1);
    EXPECT_EQ(timeLabel(), "0.02 sec");
    expectButtons(true, true, false);
}

TEST_F(SimulateControls, ClosingTheWindowDuringTheAnimationEndsTheRunQuietly)
{
    QString timeAtClose;
    whileAnimating([&] {
        timeAtClose = timeLabel();
        win().close();
    });
    click("ToEndDynamicBtn");
    EXPECT_TRUE(program->hasEnded());
    EXPECT_FALSE(running());
    EXPECT_EQ(field(lastRecord(), 14), "ProgramEnd"); // nothing written after the end
    EXPECT_EQ(timeLabel(), timeAtClose);                // and no frame drawn after it
}

TEST_F(SimulateControls, ButtonsOutsideSimulateDoNothing)
{
    click("VPSetBtn");
    const int before = static_cast<int>(records().size());
    auto* controls = win().findChild<DynamicControls*>(QStringLiteral("DynamicControls"));
    ASSERT_NE(controls, nullptr);
    controls->StepDynamicBtnClick();
    controls->ToEndDynamicBtnClick();
    controls->RewindDynamicBtnClick();
    EXPECT_EQ(records().size(), before);
    EXPECT_EQ(win().session().app().CurrentState, ProcessState::Set);
}

} // namespace brisko::gui::test
