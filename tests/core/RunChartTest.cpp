// The run chart's pieces without a window: the samples of a recorded run, the
// runs' CSV file read back, the rounded axes, and the chart painted on a picture
// with the current design's line where its trace is.
#include "analysis/ChartCsv.h"
#include "render/Race.h"
#include "render/RunChart.h"

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

} // namespace brisko::test
