#include "analysis/DynamicLabels.h"
#include "analysis/Dynamics.h"
#include "analysis/Spring.h"
#include "analysis/Statics.h"
#include "text/NumberText.h"

#include <gtest/gtest.h>

#include <vector>

using namespace brisko;

namespace {

TorqueCurve defaultCurve()
{
    std::array<float, kTorqueCurveSize> values{};
    values[0] = 0.57f;
    return TorqueCurve::fromValues(values);
}

// The default design with plausible masses: 0.35 lbm, centroid 4 in ahead of the
// rear axle and 2.5 in up, wheelbase 6 in, ideal rubber, foam-board wheels.
DynamicInputs defaultCar(DriveType drive = DriveType::RWD, float mu = 1.0f)
{
    DynamicInputs in;
    in.Drive = drive;
    in.Revolutions = 11.8384f;
    in.DriveWheelDiameter = 4.8f;
    in.TotalMass = 0.35f;
    in.SpringWidth = 1.5f;
    in.SampleWidth = 1.5f;
    in.ProjectedDistance = projectedDistance(in.DriveWheelDiameter, in.Revolutions);
    in.FrictionForce = 0.05f;
    in.StaticFriction = mu;
    in.Wheelbase = 6.0f;
    in.CentroidHeight = 2.5f;
    in.CentroidFromRear = 4.0f;
    in.WheelThickness = 0.5f;
    in.WheelDensity = 0.0023f;
    in.Curve = defaultCurve();
    StaticInputs s{drive, in.TotalMass, in.CentroidFromRear, in.CentroidHeight, in.Wheelbase, 0.2375f, mu};
    const StaticResult st = computeStatics(s);
    in.TractionLeft = st.TractionLeft;
    in.TractionRight = st.TractionRight;
    return in;
}

// A heavy car with its weight low and far forward: it never loses grip.
DynamicInputs grippyCar(DriveType drive)
{
    DynamicInputs in = defaultCar(drive);
    in.TotalMass = 2.0f;
    in.CentroidHeight = 0.5f;
    in.CentroidFromRear = 3.0f;
    in.FrictionForce = 0.0f;
    return in;
}

std::vector<DynamicFrame> framesOf(const DynamicInputs& in, int requested, DynamicResult* result = nullptr)
{
    std::vector<DynamicFrame> frames;
    DynamicRunOptions o;
    o.RequestedFrame = requested;
    o.Display = true;
    o.onFrame = [&](const DynamicFrame& f) { frames.push_back(f); };
    const DynamicResult r = runDynamic(in, o);
    if (result)
        *result = r;
    return frames;
}

} // namespace

TEST(DynamicRun, GrippyCarNeverSkidsAndBothWheelsTurnAlike)
{
    const DynamicResult r = runDynamic(grippyCar(DriveType::AWD));
    EXPECT_FALSE(r.Skid);
    EXPECT_EQ(r.RevsLeft, r.RevsRight);
    EXPECT_GE(r.RevsLeft, 11.8384f);
    for (int i = 1; i <= r.Steps && i <= kLastTraceEntry; ++i)
        EXPECT_EQ(r.Trace.Skid[i], 0);
}

TEST(DynamicRun, SlipperyTreadSkidsFromTheStartAndSpendsInHalfTheDistance)
{
    DynamicInputs in = grippyCar(DriveType::RWD);
    in.StaticFriction = 0.0f; // no grip at all: every step skids
    const DynamicResult slip = runDynamic(in);
    const DynamicResult grip = runDynamic(grippyCar(DriveType::RWD));
    EXPECT_TRUE(slip.Skid);
    for (int i = 1; i <= slip.Steps; ++i)
        ASSERT_EQ(slip.Trace.Skid[i], 1) << "step " << i;
    EXPECT_NEAR(slip.RevsRight, slip.RevsLeft / 2, 1e-3);
    // Within the last step of the run.
    EXPECT_NEAR(slip.Distance, in.ProjectedDistance / 2, 0.1);
    EXPECT_NEAR(grip.Distance, in.ProjectedDistance, 0.1);
    // Three quarters of the force: the skidding car is slower off the line.
    EXPECT_LT(slip.Trace.Distance[10], grip.Trace.Distance[10]);
}

TEST(DynamicRun, CarSpentShortOfTheLineShowsItsDurationInBrackets)
{
    const DynamicResult r = runDynamic(defaultCar());
    EXPECT_EQ(r.TimeTo15Index, kNotReached);
    EXPECT_EQ(r.TimeTo15, "[" + cut(numberText(r.Steps / 100.0f), 4) + "]");
    EXPECT_LE(r.TimeTo15.size(), 6);
    EXPECT_EQ(r.TopSpeed, cut(numberText(r.Speed), 4));
}

TEST(DynamicRun, TimeToFifteenIsTheFirstStepAtTheLine)
{
    DynamicInputs in = grippyCar(DriveType::RWD);
    in.TotalMass = 0.35f;
    in.Revolutions = 20.0f;
    const DynamicResult r = runDynamic(in);
    ASSERT_NE(r.TimeTo15Index, kNotReached);
    EXPECT_GE(r.Trace.Distance[r.TimeTo15Index], 15.0f);
    EXPECT_LT(r.Trace.Distance[r.TimeTo15Index - 1], 15.0f);
    EXPECT_EQ(r.TimeTo15, numberText(r.TimeTo15Index / 100.0f));
}

TEST(DynamicRun, LongRunRecordsTenSecondsAndReportsTheWholeRun)
{
    DynamicInputs in = grippyCar(DriveType::RWD);
    in.TotalMass = 30.0f;
    in.Revolutions = 20.0f;
    in.ProjectedDistance = projectedDistance(in.DriveWheelDiameter, in.Revolutions);
    const DynamicResult r = runDynamic(in);
    ASSERT_GT(r.Steps, kLastTraceEntry);
    EXPECT_EQ(r.Trace.Distance.size(), 1001u);
    EXPECT_EQ(r.Trace.Distance[0], -1.0f);
    EXPECT_GE(r.Trace.Distance[kLastTraceEntry], 0.0f);
    EXPECT_LT(r.Trace.Distance[kLastTraceEntry], 15.0f);
    EXPECT_GT(r.TimeTo15Index, kLastTraceEntry);
    EXPECT_GT(r.Distance, 15.0f);
    EXPECT_EQ(r.TimeTo15, numberText(r.TimeTo15Index / 100.0f));
}

TEST(DynamicRun, RunnerThatNeverSpendsStopsAfterAHundredSeconds)
{
    DynamicInputs in = grippyCar(DriveType::RWD);
    in.FrictionForce = 5.0f; // pushes the car backwards: the spring winds up instead
    const DynamicResult r = runDynamic(in);
    EXPECT_EQ(r.Steps, 10001);
    EXPECT_LT(r.Speed, 0.0f);
    EXPECT_EQ(r.TimeTo15, "[100.]");
}

TEST(DynamicRun, RevisedDistanceOnlyWhenTheRunFallsShort)
{
    const DynamicInputs in = defaultCar();
    const DynamicResult shortRun = runDynamic(in);
    ASSERT_LT(shortRun.Distance, in.ProjectedDistance);
    EXPECT_TRUE(shortRun.RevisedVisible);
    EXPECT_EQ(shortRun.RevisedLabel, "(was " + cut(numberText(in.ProjectedDistance), 4) + ")");
    EXPECT_EQ(shortRun.PoweredDistance, cut(numberText(shortRun.Distance), 4));

    DynamicInputs modest = in;
    modest.ProjectedDistance = 1.0f;
    const DynamicResult longRun = runDynamic(modest);
    EXPECT_FALSE(longRun.RevisedVisible);
    EXPECT_EQ(longRun.PoweredDistance, numberText(1.0f));
}

TEST(DynamicRun, MasslessCarStaysAtRest)
{
    DynamicInputs in = defaultCar();
    in.TotalMass = 0.0f;
    const DynamicResult r = runDynamic(in);
    EXPECT_EQ(r.Steps, 0);
    EXPECT_EQ(r.Distance, 0.0f);
    EXPECT_EQ(r.TimeTo15, "[0]");
    EXPECT_EQ(r.Trace.Distance[1], -1.0f);
}

TEST(DynamicFrames, RequestedFrameIsTheOnlyOneDrawn)
{
    DynamicResult r;
    const auto frames = framesOf(defaultCar(), 3, &r);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].Number, 3);
    EXPECT_EQ(frames[0].Step, 6);
    EXPECT_FALSE(frames[0].Final);
    EXPECT_FALSE(r.DisableStepAndToEnd);
    EXPECT_FALSE(r.EnableRewind);
}

TEST(DynamicFrames, AnimationDrawsEveryFrameThenTheSpentSpring)
{
    DynamicResult r;
    const DynamicInputs in = defaultCar();
    const auto frames = framesOf(in, kEveryFrame, &r);
    ASSERT_EQ(static_cast<int>(frames.size()), r.Frames + 1);
    for (int n = 0; n < r.Frames; ++n)
        EXPECT_EQ(frames[n].Number, n + 1);
    const DynamicFrame& last = frames.back();
    EXPECT_TRUE(last.Final);
    EXPECT_EQ(last.PropulsionLeft, 0.0f);
    EXPECT_EQ(last.NormalRight, r.NormalRightRest);
    EXPECT_EQ(last.TractionLeft, r.NormalLeftRest);
    EXPECT_EQ(last.Step, r.Steps);
    EXPECT_TRUE(r.DisableStepAndToEnd);
    EXPECT_TRUE(r.EnableRewind);
}

TEST(DynamicFrames, SteppingPastTheLastFrameEndsTheAnimation)
{
    const DynamicResult whole = runDynamic(defaultCar());
    DynamicResult atLast, past;
    const auto lastFrames = framesOf(defaultCar(), whole.Frames, &atLast);
    ASSERT_EQ(lastFrames.size(), 1u);
    EXPECT_FALSE(atLast.DisableStepAndToEnd);
    const auto pastFrames = framesOf(defaultCar(), whole.Frames + 1, &past);
    ASSERT_EQ(pastFrames.size(), 1u);
    EXPECT_TRUE(pastFrames[0].Final);
    EXPECT_TRUE(past.DisableStepAndToEnd);
    EXPECT_TRUE(past.EnableRewind);
}

TEST(DynamicFrames, RaceRunDrawsNothingButRecordsTheTrace)
{
    DynamicResult r;
    EXPECT_TRUE(framesOf(defaultCar(), kNoFrame, &r).empty());
    EXPECT_GT(r.Trace.Distance[1], 0.0f);
    EXPECT_EQ(r.Trace.Distance[r.Steps], r.Distance);
    EXPECT_EQ(r.Trace.Distance[r.Steps + 1], -1.0f);
    EXPECT_TRUE(r.EnableRewind);
    // Outside the Dynamic state nothing is drawn either.
    DynamicRunOptions hidden;
    hidden.RequestedFrame = kEveryFrame;
    int drawn = 0;
    hidden.onFrame = [&](const DynamicFrame&) { ++drawn; };
    runDynamic(defaultCar(), hidden);
    EXPECT_EQ(drawn, 0);
}

TEST(DynamicLabels, FrameTexts)
{
    EXPECT_EQ(dynamicDistanceLabel(0.0f, 0.0f), "0.00 of 0.00 ft");
    EXPECT_EQ(dynamicDistanceLabel(3.216f, 14.871f), "3.22 of 14.87 ft");
    EXPECT_EQ(dynamicTimeLabel(0), "0.00 sec");
    EXPECT_EQ(dynamicTimeLabel(352), "3.52 sec");
    EXPECT_EQ(dynamicRevsLeftLabel(4.25f, 11.84f), "Rev 4.3 of 11.8: Rear");
    EXPECT_EQ(dynamicRevsRightLabel(DriveType::AWD, 0.0f, 0.0f), "Rev 0.0 of 0.0: Front");
    EXPECT_EQ(dynamicRevsRightLabel(DriveType::RWD, 4.2f, 11.8f), "");
    EXPECT_EQ(dynamicRevsRightLabel(DriveType::FWD, 4.2f, 11.8f), "");
}
