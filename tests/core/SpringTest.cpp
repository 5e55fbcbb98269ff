#include "analysis/Spring.h"
#include "text/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace brisko;

namespace {

// The chamber's inner diameter for the default case ratio of 4 %.
float defaultCaseInnerDia()
{
    const float a = 0.5f, L = 36.0f, t = 0.0125f;
    return 2.0f * std::sqrt((a / 2.0f) * (a / 2.0f) + L * t / (3.14159274f * 0.04f));
}

std::array<float, kTorqueCurveSize> curveValues(std::initializer_list<std::pair<int, float>> entries)
{
    std::array<float, kTorqueCurveSize> values{};
    for (auto [k, v] : entries)
        values[k] = v;
    return values;
}

SpringInputs defaultSpring()
{
    SpringInputs in;
    in.SpringWidth = 1.5f;
    in.SpringLength = 36.0f;
    in.ArborDiameter = 0.5f;
    in.DriveWheelDiameter = 4.80f;
    in.CaseInnerDia = defaultCaseInnerDia();
    in.Thickness = 0.0125f;
    in.SampleWidth = 1.5f;
    in.Curve = TorqueCurve::fromValues(curveValues({{0, 0.57f}}));
    return in;
}

} // namespace

TEST(SpringFigures, DefaultDesign)
{
    EXPECT_NEAR(defaultCaseInnerDia(), 3.8176f, 1e-4);
    const SpringFigures f = computeSpringFigures(defaultSpring());
    EXPECT_EQ(f.MaxRealTorque, 0.57f);
    EXPECT_EQ(f.maxRealTorqueText(), "0.569999992847443");
    EXPECT_NEAR(f.PropulsiveForce, 0.2375f, 1e-6);
    EXPECT_NEAR(f.Revolutions, 11.84f, 0.005);
    EXPECT_NEAR(f.ProjectedDistance, 14.87f, 0.005);
    EXPECT_EQ(f.projectedDistanceText(), numberText(f.ProjectedDistance));
}

TEST(SpringFigures, WidthScalesTorqueAndTinyFiguresShowAsZero)
{
    SpringInputs in = defaultSpring();
    in.SpringWidth = 3.0f;
    EXPECT_NEAR(computeSpringFigures(in).MaxRealTorque, 1.14f, 1e-6);
    EXPECT_EQ(maxRealTorque(1.5f, 0.00009f, 1.5f), 0.0f);
    EXPECT_EQ(propulsiveForce(0.0001f, 4.8f), 0.0f);
    EXPECT_EQ(computeSpringFigures(SpringInputs{}).maxRealTorqueText(), "0");
}

TEST(SpringFigures, UnusableInputsGiveZeroNotGarbage)
{
    EXPECT_EQ(maxRealTorque(1.5f, 0.57f, 0.0f), 0.0f);
    EXPECT_EQ(propulsiveForce(0.57f, 0.0f), 0.0f);
    // A strip too long for its chamber, and a strip of no thickness.
    EXPECT_EQ(springRevolutions(1.0f, 0.0125f, 500.0f, 0.5f), 0.0f);
    EXPECT_EQ(springRevolutions(3.8f, 0.0f, 36.0f, 0.5f), 0.0f);
}

TEST(SpringFigures, ProjectedDistanceRollsTheWheel)
{
    EXPECT_FLOAT_EQ(projectedDistance(12.0f, 1.0f), 3.1415927f);
    EXPECT_FLOAT_EQ(projectedDistance(4.8f, 0.0f), 0.0f);
}

TEST(TorqueCurve, LengthFromHighestMeasuredEntry)
{
    EXPECT_EQ(TorqueCurve().length(), 1);
    EXPECT_EQ(TorqueCurve::fromValues(curveValues({{0, 0.57f}})).length(), 1);
    EXPECT_EQ(TorqueCurve::fromValues(curveValues({{0, 1}, {3, 0.5f}})).length(), 4);
    std::array<QString, kTorqueCurveSize> texts;
    texts.fill(QStringLiteral("0"));
    texts[0] = QStringLiteral("0.57");
    texts[5] = QString();
    texts[7] = QStringLiteral("0.2");
    const TorqueCurve curve = TorqueCurve::fromTexts(texts);
    EXPECT_EQ(curve.length(), 8);
    EXPECT_TRUE(curve.isMeasured(7));
    EXPECT_FALSE(curve.isMeasured(5));
    EXPECT_FALSE(curve.isMeasured(49));
    EXPECT_FLOAT_EQ(curve.value(0), 0.57f);
}

TEST(TorqueAt, OnlyEntryZeroFallsLinearlyToZero)
{
    const TorqueCurve curve = TorqueCurve::fromValues(curveValues({{0, 0.57f}}));
    const float R = 11.84f;
    EXPECT_FLOAT_EQ(torqueAt(curve, 0.0f, R), 0.57f);
    EXPECT_NEAR(torqueAt(curve, R / 2, R), 0.285f, 1e-6);
    EXPECT_NEAR(torqueAt(curve, R * 0.75f, R), 0.1425f, 1e-6);
    EXPECT_NEAR(torqueAt(curve, R, R), 0.0f, 1e-6);
}

TEST(TorqueAt, FiveEntriesSpanTheRun)
{
    const TorqueCurve curve = TorqueCurve::fromValues(curveValues({{0, 1.0f}, {1, 0.8f}, {2, 0.6f}, {3, 0.5f}, {4, 0.3f}}));
    ASSERT_EQ(curve.length(), 5);
    const float R = 10.0f;
    EXPECT_FLOAT_EQ(torqueAt(curve, 0.0f, R), 1.0f);
    EXPECT_FLOAT_EQ(torqueAt(curve, 2.0f, R), 0.8f); // x = 1
    EXPECT_NEAR(torqueAt(curve, R, R), 0.0f, 1e-6);
}

TEST(TorqueAt, GapIsBridgedBetweenMeasuredEntries)
{
    const TorqueCurve curve = TorqueCurve::fromValues(curveValues({{0, 0.9f}, {3, 0.3f}}));
    const float R = 4.0f; // x = r
    EXPECT_NEAR(torqueAt(curve, 1.0f, R), 0.7f, 1e-6);
    EXPECT_NEAR(torqueAt(curve, 2.0f, R), 0.5f, 1e-6);
    EXPECT_NEAR(torqueAt(curve, 3.5f, R), 0.15f, 1e-6); // last segment down to 0 at N = 4
}

TEST(TorqueAt, JustAboveHalfWayUsesNextSegmentExtendedBackwards)
{
    const TorqueCurve curve = TorqueCurve::fromValues(curveValues({{0, 1.0f}, {1, 0.8f}, {2, 0.2f}}));
    const float R = 3.0f; // x = r
    // x = 0.4 lies on the first segment: 1.0 - 0.4 * 0.2.
    EXPECT_NEAR(torqueAt(curve, 0.4f, R), 0.92f, 1e-6);
    // x = 0.6 rounds to 1, so the segment 1..2 (slope -0.6) is extended back to it.
    EXPECT_NEAR(torqueAt(curve, 0.6f, R), 0.8f + 0.4f * 0.6f, 1e-6);
}

TEST(TorqueAt, NeverReadsBeyondTheCurve)
{
    std::array<float, kTorqueCurveSize> values;
    values.fill(0.5f);
    const TorqueCurve full = TorqueCurve::fromValues(values);
    ASSERT_EQ(full.length(), 49);
    EXPECT_NEAR(torqueAt(full, 0.999f, 1.0f), 0.5f * (49 - 48.951f), 1e-4);
    EXPECT_EQ(torqueAt(full, 1.0f, 0.0f), 0.0f);  // no revolutions, no torque
    EXPECT_TRUE(std::isfinite(torqueAt(full, -0.1f, 1.0f)));
    // A car rolled backwards winds its spring past full: the first entry holds.
    const TorqueCurve single = TorqueCurve::fromValues(curveValues({{0, 0.57f}}));
    EXPECT_FLOAT_EQ(torqueAt(single, -5.0f, 1.0f), 0.57f);
    EXPECT_FLOAT_EQ(torqueAt(single, -5000.0f, 1.0f), 0.57f);
}
