// The run chart's pieces without a window: the samples of a recorded run, the
// runs' CSV file read back, the rounded axes, and the chart painted on a picture
// with the current design's line where its trace is; the shapes of the sweep map.
#include "analysis/ChartCsv.h"
#include "render/Race.h"
#include "render/RunChart.h"
#include "render/SweepMap.h"

#include "GuiApp.h"

#include <QImage>
#include <gtest/gtest.h>

namespace brisko::test {

namespace {

// A run at constant acceleration 8 ft/s² for `steps` hundredths, skidding for the first ten.
RaceTrace acceleratingRun(int steps)
{
    RaceTrace trace;
    for (int i = 1; i <= steps; ++i) {
        const float t = i / 100.0f;
        trace.Distance[i] = 4.0f * t * t;
        trace.Speed[i] = 8.0f * t;
        trace.Skid[i] = i <= 10;
    }
    return trace;
}

} // namespace

TEST(RunSamples, StartAtRestAndEndWithTheLastRecordedStep)
{
    const auto samples = samplesOf(acceleratingRun(250));
    ASSERT_EQ(samples.size(), 251u);
    EXPECT_EQ(samples[0].Distance, 0.0f);
    EXPECT_EQ(samples[0].Speed, 0.0f);
    EXPECT_FLOAT_EQ(samples[250].Time, 2.5f);
    EXPECT_TRUE(samples[5].Skid);
    EXPECT_FALSE(samples[11].Skid);
    EXPECT_EQ(sampleAt(samples, 1.234)->Distance, samples[123].Distance);
    EXPECT_FALSE(sampleAt(samples, 2.6));
    // 4 t² reaches 15 ft at t = 1.9365 s: the first step past the line is 194.
    EXPECT_EQ(finishStep(acceleratingRun(250)), 194);
    EXPECT_FALSE(finishStep(acceleratingRun(150)));
}

TEST(ChartCsv, RunsReadBackExactlyAndNamesWithCommasAreQuoted)
{
    const std::vector<ChartRun> runs{{QStringLiteral("Racer, mark 2"), acceleratingRun(120), true, {}},
                                     {QStringLiteral("Pickup"), acceleratingRun(80), false, {}}};
    const QStringList lines = QString::fromUtf8(runsCsv(runs)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 1 + 121 + 81);
    EXPECT_EQ(lines[0], QString::fromLatin1(kRunsCsvHeader));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("\"Racer, mark 2\",0.00,0,0")));
    const QStringList row = lines[122 + 33].split(QLatin1Char(','));
    EXPECT_EQ(row[0], "Pickup");
    EXPECT_EQ(row[1], "0.33");
    EXPECT_EQ(row[2].toFloat(), runs[1].Trace.Distance[33]);
    EXPECT_EQ(row[3].toFloat(), runs[1].Trace.Speed[33]);
}

TEST(ChartAxis, RangesRoundOutToRoundSteps)
{
    const AxisRange a = roundedRange(0, 16.2, 5);
    EXPECT_DOUBLE_EQ(a.From, 0);
    EXPECT_DOUBLE_EQ(a.To, 20);
    EXPECT_DOUBLE_EQ(a.Step, 5);
    const AxisRange b = roundedRange(-0.3, 1.36, 8);
    EXPECT_DOUBLE_EQ(b.Step, 0.25);
    EXPECT_DOUBLE_EQ(b.From, -0.5);
    EXPECT_DOUBLE_EQ(b.To, 1.5);
    EXPECT_EQ(tickText(2.5), "2.5");
    EXPECT_EQ(tickText(10), "10");
}

TEST(RunChartPainting, TheCurrentDesignsLineRunsThroughItsTrace)
{
    ensureGuiApp();
    ChartRun run{QStringLiteral("Racer"), acceleratingRun(300), true, 1.94};
    const std::vector<ChartRun> runs{run};
    QImage picture(900, 560, QImage::Format_RGB32);
    QPainter painter(&picture);
    paintRunChart(painter, picture.size(), runs);
    const RunChartLayout layout = runChartLayout(picture.size(), runs, painter.font());
    painter.end();
    for (int step : {120, 200, 280}) {
        const QPoint at(qRound(layout.Distance.xOf(step / 100.0)), qRound(layout.Distance.yOf(run.Trace.Distance[step])));
        bool lineThere = false;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                lineThere |= picture.pixelColor(at + QPoint(dx, dy)) == kSelectedColour;
        EXPECT_TRUE(lineThere) << step;
    }
    EXPECT_EQ(finishText(run), "15 ft in 1.94 sec");
}

TEST(SweepMapShape, FollowsWhichParametersTheSweepVaries)
{
    auto trial = [](const char* width, const char* length, const char* wheel, const char* time) {
        return SweepTrial{{QString::fromLatin1(width), QString::fromLatin1(length), QString::fromLatin1(wheel)},
                          QString::fromLatin1(time)};
    };
    // Width and length vary, the wheel stays: a colour map of length against width.
    const SweepPlan two{{1, 2, 1}, {30, 40, 10}, {5, 5, 1}};
    const std::vector<SweepTrial> some{trial("1", "30", "5", "3.5"), trial("2", "30", "5", "[0.93]")};
    const SweepMap colours = sweepMap(some, &two);
    EXPECT_EQ(colours.Shape, SweepMapShape::Colours);
    EXPECT_EQ(colours.X, SweepParameter::Length);
    EXPECT_EQ(colours.Y, SweepParameter::Width);
    EXPECT_EQ(colours.YValues, (std::vector<double>{1, 2})) << "the planned values, before they are tried";
    EXPECT_EQ(colours.XValues, (std::vector<double>{30, 40}));
    EXPECT_FALSE(colours.Cells[1].Time) << "short of 15 ft";
    EXPECT_EQ(colours.Reached, 1u);
    // All three vary: lines against the wheel, one per spring; the first of equal
    // shortest times is the best, as the sweep keeps it; a wheel the sizing corrected
    // is drawn where it ran.
    const SweepPlan three{{1, 2, 1}, {30, 40, 10}, {4, 5, 1}};
    const std::vector<SweepTrial> all{trial("1", "30", "4.30000019073486", "3.2"), trial("2", "30", "4.3", "3.1"),
                                      trial("1", "40", "4.3", "3.1"), trial("1", "30", "5", "3.4")};
    const SweepMap lines = sweepMap(all, &three);
    EXPECT_EQ(lines.Shape, SweepMapShape::Lines);
    EXPECT_EQ(lines.X, SweepParameter::Wheel);
    ASSERT_EQ(lines.Series.size(), 3u);
    EXPECT_EQ(lines.Series[0].Points.size(), 2u);
    EXPECT_EQ(lines.SeriesHeading, QStringLiteral("Length %1 width (in)").arg(QChar(0xD7)));
    EXPECT_EQ(lines.Series[1].Name, QStringLiteral("30 %1 2").arg(QChar(0xD7)));
    ASSERT_TRUE(lines.Best);
    EXPECT_EQ(lines.Best->Trial, 1u);
    ASSERT_EQ(lines.XValues.size(), 3u) << "4 and 5 planned, 4.3 run";
    EXPECT_NEAR(lines.XValues[1], 4.3, 1e-6);
    // One parameter varies alone: lines against it.
    const SweepPlan one{{1, 1, 1}, {30, 40, 10}, {5, 5, 1}};
    EXPECT_EQ(sweepMap({}, &one).X, SweepParameter::Length);
    EXPECT_EQ(sweepMap({}, &one).Shape, SweepMapShape::Lines);
}

} // namespace brisko::test
