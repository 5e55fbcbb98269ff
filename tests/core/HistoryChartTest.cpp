// The Design History chart painted into an image from portfolio files made here.
#include "GuiApp.h"
#include "render/HistoryChart.h"
#include "persist/PortfolioHistory.h"

#include <QFile>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <algorithm>

using namespace brisko;

namespace {

// A 22-field record: stage, time and distance texts, the skid flag (field 15) and
// the other seven flags.
QByteArray line(int stage, const char* time, const char* distance, const char* skid = "0", const char* others = "0")
{
    QByteArrayList f = {QByteArray::number(stage), "401", "-", "-", "-", "-", time, distance, "1.50", "0.25",
                        "Racer", "12/8/26", "1:45:00 PM", "VPDynamic", skid};
    while (f.size() < 22)
        f << others;
    return f.join(',') + "\r\n";
}

class HistoryChart : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::ensureGuiApp();
        ASSERT_TRUE(dir.isValid());
        history.setPath(path());
    }

    QString path() const { return dir.filePath("History.brdp"); }

    void append(const QByteArray& bytes)
    {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::Append));
        file.write(bytes);
    }

    QImage chart(int offset = 0, QSize size = QSize(400, 560))
    {
        EXPECT_TRUE(history.update());
        QImage image(size, QImage::Format_RGB32);
        QPainter painter(&image);
        paintHistoryChart(painter, size, history, offset);
        return image;
    }

    static QImage grid(QSize size = QSize(400, 560))
    {
        QImage image(size, QImage::Format_RGB32);
        QPainter painter(&image);
        paintHistoryGrid(painter, size);
        return image;
    }

    QTemporaryDir dir;
    PortfolioHistory history;
};

// Record n of the page sits at x = 2n + 20; the distance line's pixel just before it
// belongs to that record alone.
QColor distanceColourOf(const QImage& image, int n, int y)
{
    return image.pixelColor(2 * n + 19, y);
}

} // namespace

TEST_F(HistoryChart, OnlyNegativeStagesDrawTheEmptyGrid)
{
    append(line(-1, "0.00", "0.00") + line(-4, "0.00", "0.00") + line(-3, "0.00", "0.00"));
    EXPECT_EQ(chart(), grid());
}

TEST_F(HistoryChart, TimeIsAboveTheWindowBelowFifteenFeet)
{
    append(line(5, "1.00", "12.00") + line(5, "2.50", "20.00"));
    const QImage image = chart();
    EXPECT_EQ(image.pixelColor(22, 0), kHistoryClear);  // first record: y = -1, the line leaves the top
    EXPECT_EQ(image.pixelColor(24, 50), kHistoryClear); // 100 - 20 x 2.5
    EXPECT_EQ(image.pixelColor(24, 220), kHistoryClear); // 240 - 20 ft
    EXPECT_EQ(image.pixelColor(24, 448), Qt::black);    // the mode square of stage 5 at y = 450
}

TEST_F(HistoryChart, MissingFiguresKeepThePreviousHeight)
{
    append(line(5, "2.00", "30.00") + line(5, "[0.00]", "[30.00]") + line(1, "0.00", "0.00"));
    const QImage image = chart();
    EXPECT_EQ(image.pixelColor(23, 60), kHistoryClear);        // no time: across at 2 s
    EXPECT_EQ(distanceColourOf(image, 3, 210), kHistoryClear); // no distance: across at 30 ft
    EXPECT_EQ(image.pixelColor(25, 0), kHistoryClear);         // and the time leaves the top
}

TEST_F(HistoryChart, LinesAreMagentaFromASkidUntilItClears)
{
    append(line(5, "2.00", "30.00", "0") + line(5, "2.00", "30.00", "0") + line(5, "2.00", "30.00", "1")
           + line(-3, "0.00", "30.00", "-", "-") + line(5, "2.00", "30.00", "-") + line(5, "2.00", "30.00", "0"));
    const QImage image = chart();
    EXPECT_EQ(distanceColourOf(image, 2, 210), kHistoryClear);
    EXPECT_EQ(distanceColourOf(image, 3, 210), kHistoryAdvised);
    EXPECT_EQ(distanceColourOf(image, 4, 210), kHistoryAdvised); // "-": not evaluated, still raised
    EXPECT_EQ(distanceColourOf(image, 5, 210), kHistoryClear);
}

TEST_F(HistoryChart, DamagedLinesAreSkipped)
{
    append(line(5, "2.00", "30.00") + "5,401,-,-,cut short\r\n" + "\r\n" + "x,1,2\r\n"
           + line(5, "2.00", "30.00").replace(",VPDynamic,", ",Vp,Dynamic,") + line(5, "2.00", "50.00"));
    ASSERT_TRUE(history.update());
    ASSERT_EQ(history.count(), 2);
    EXPECT_EQ(history.at(1).distanceY, 190);
}

TEST_F(HistoryChart, ReadsOnlyWhatWasAppended)
{
    append(line(5, "2.00", "30.00"));
    ASSERT_TRUE(history.update());
    append(line(5, "2.00", "40.00", "1") + "5,401");
    ASSERT_TRUE(history.update());
    ASSERT_EQ(history.count(), 2);
    append(line(5, "2.00", "60.00", "-").mid(5)); // the line in progress is ended
    ASSERT_TRUE(history.update());
    ASSERT_EQ(history.count(), 3);
    EXPECT_EQ(history.at(2).distanceY, 180);
    EXPECT_TRUE(history.at(2).advised);

    QFile::remove(path()); // replaced by a shorter file: read from its start
    append(line(5, "2.00", "80.00"));
    ASSERT_TRUE(history.update());
    ASSERT_EQ(history.count(), 1);
    EXPECT_FALSE(history.at(0).advised);
}

TEST_F(HistoryChart, PagesMoveByHalfTheWidth)
{
    EXPECT_EQ(previousHistoryPage(100, 400), 0);
    EXPECT_EQ(previousHistoryPage(300, 400), 100);
    EXPECT_EQ(nextHistoryPage(0, 401), 200);
    QByteArray records;
    for (int i = 0; i < 300; ++i)
        records += line(i < 250 ? 1 : 5, "2.00", "30.00");
    append(records);
    // From offset 250, record 250 is drawn first, at x = 20.
    EXPECT_EQ(chart(250).pixelColor(22, 450), Qt::black);
}

// Dark pixels (label text) in rows `y - 6` to `y + 6` between columns `left` and `right`.
int inkAround(const QImage& image, int y, int left, int right)
{
    int ink = 0;
    for (int row = std::max(0, y - 6); row <= std::min(image.height() - 1, y + 6); ++row)
        for (int x = left; x < right; ++x)
            ink += qGray(image.pixel(x, row)) < 96 ? 1 : 0;
    return ink;
}

// No record line can run through a label: the labels stand in their own column,
// each level with its line, and the chart holds nothing left of its lines.
TEST_F(HistoryChart, TheLabelsStandInAColumnOfTheirOwnLevelWithTheirLines)
{
    QByteArray records;
    for (int i = 0; i < 20; ++i)
        records += line(i % 9, "4.50", i % 2 ? "12.00" : "90.00");
    append(records);
    const QImage image = chart();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < 19; ++x) // the zero lines' square caps reach x = 19
            ASSERT_EQ(image.pixelColor(x, y), kHistoryBackground) << x << ", " << y;

    const int width = historyLabelsWidth(QFont());
    QImage labels(width, 560, QImage::Format_RGB32);
    {
        QPainter painter(&labels);
        paintHistoryLabels(painter, labels.size());
    }
    for (int y : {20, 80, 160, 220, 300, 330, 540}) // "4 sec", "1 sec", "80 ft", "20 ft", "Edit", "Exit", "Print"
        EXPECT_GT(inkAround(labels, y, 0, width), 0) << y;
    EXPECT_EQ(inkAround(labels, 570, 0, width), 0); // nothing under the last row
    for (int y = 0; y < labels.height(); y += 6)
        EXPECT_EQ(inkAround(labels, y, width - 4, width), 0) << y; // a margin before the chart
}

TEST_F(HistoryChart, AnUnreadablePortfolioIsReported)
{
    QString error;
    EXPECT_FALSE(history.update(&error));
    EXPECT_TRUE(error.contains("cannot be read")) << error.toStdString();
}
