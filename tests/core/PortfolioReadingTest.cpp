// The portfolio read back as a stream: damaged lines are skipped and counted, a
// line longer than the bound is passed over without being held, and a path that
// is no regular file is refused at once instead of blocking.
#include "persist/Portfolio.h"
#include "persist/PortfolioHistory.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace brisko;

namespace {

QByteArray dateText(const QDate& date)
{
    return QLocale::system().toString(date, QLocale::ShortFormat).toLatin1();
}

// A record of stage `stage` dated `daysAgo` before today, reaching `feet`.
QByteArray record(int stage, int daysAgo = 0, const char* feet = "30.00", const char* code = "401")
{
    QByteArrayList f = {QByteArray::number(stage), code, "-", "-", "-", "-", "2.00", feet, "1.50", "0.25",
                        "Racer", dateText(QDate::currentDate().addDays(-daysAgo)), "1:45:00 PM", "VPDynamic"};
    while (f.size() < 22)
        f << "0";
    return f.join(',') + "\r\n";
}

class PortfolioReading : public ::testing::Test {
protected:
    void SetUp() override { history.setPath(path()); }
    QString path() const { return dir.filePath("History.brdp"); }
    void append(const QByteArray& bytes)
    {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::Append));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    QTemporaryDir dir;
    PortfolioHistory history;
};

} // namespace

TEST_F(PortfolioReading, EveryKindOfDamagedLineIsSkippedAndCounted)
{
    QByteArray binary = record(5, 3);
    binary[30] = '\0';
    binary[31] = '\x01';
    QByteArray huge = record(5, 3);
    huge.replace(0, 1, "99999999999");
    const QByteArray hostile = QByteArray("5,401,-,-,cut short\r\n")              // wrong field count
                               + record(5, 3).replace("\r\n", ",extra\r\n")       // 23 fields
                               + binary                                            // control bytes
                               + huge                                              // stage far out of range
                               + record(9, 3) + record(-5, 3)                      // stages out of range
                               + record(5, 3, "30.00", "4294967296")               // a huge code
                               + record(5, 3, "30.00", "-1")                       // a negative code
                               + record(5, 3).replace(",0,0\r\n", ",7,0\r\n")      // a flag that is no flag
                               + record(5, 9)                                       // earlier than the record before
                               + record(5, -400);                                   // a year from now
    append(record(5, 5, "10.00") + record(1, 3, "20.00") + hostile + record(4, 2, "40.00") + record(-1, 1));
    ASSERT_TRUE(history.update());
    EXPECT_EQ(history.skippedLines(), 11);
    ASSERT_EQ(history.count(), 3); // the negative stage is read, not plotted
    EXPECT_EQ(history.at(0).distanceY, 230);
    EXPECT_EQ(history.at(1).distanceY, 220);
    EXPECT_EQ(history.at(2).distanceY, 200);
    EXPECT_EQ(history.at(2).modeY, 420);
}

TEST_F(PortfolioReading, ALineLongerThanTheBoundIsSkippedWithoutBreakingTheNextOnes)
{
    const QByteArray longLine = record(5, 1).replace("Racer", QByteArray(3 * kHistoryMaxLineBytes, 'R'));
    append(record(5, 1, "10.00") + longLine);
    append(longLine.left(longLine.size() / 2)); // a long last line not yet ended
    ASSERT_TRUE(history.update());
    EXPECT_EQ(history.count(), 1); // the long line being written is not shown
    EXPECT_EQ(history.skippedLines(), 1);
    append(longLine.mid(longLine.size() / 2) + record(5, 0, "50.00"));
    ASSERT_TRUE(history.update());
    ASSERT_EQ(history.count(), 2);
    EXPECT_EQ(history.skippedLines(), 2);
    EXPECT_EQ(history.at(1).distanceY, 190);
}

TEST_F(PortfolioReading, ReadingInPiecesGivesWhatReadingAtOnceGives)
{
    QByteArray bytes;
    for (int i = 0; i < 3000; ++i)
        bytes += i % 97 == 0 ? QByteArray("garbage\r\n") : record(i % 9, 0, i % 2 ? "12.00" : "33.00");
    PortfolioHistory whole;
    {
        QFile file(dir.filePath("Whole.brdp"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    whole.setPath(dir.filePath("Whole.brdp"));
    ASSERT_TRUE(whole.update());
    for (qsizetype at = 0; at < bytes.size(); at += 7919) {
        append(bytes.mid(at, 7919));
        ASSERT_TRUE(history.update());
    }
    ASSERT_EQ(history.count(), whole.count());
    EXPECT_EQ(history.skippedLines(), whole.skippedLines());
    EXPECT_EQ(whole.skippedLines(), 31);
    for (int i = 0; i < whole.count(); ++i)
        ASSERT_EQ(history.at(i), whole.at(i)) << i;
}

// A pipe would block the reader until someone writes to it, a device would feed it
// without end: both, and a folder, are refused with the path and the reason.
TEST_F(PortfolioReading, WhatIsNoRegularFileIsRefusedWithoutBlocking)
{
    const QString fifo = dir.filePath("Pipe.brdp");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString device = dir.filePath("Zero.brdp");
    ASSERT_TRUE(QFile::link("/dev/zero", device));
    const QString folder = dir.filePath("Folder.brdp");
    ASSERT_TRUE(QDir(dir.path()).mkdir("Folder.brdp"));
    const QStringList reasons = {"it is a pipe, not a file", "it is a device, not a file", "it is a folder, not a file"};
    const QStringList paths = {fifo, device, folder};
    for (int i = 0; i < paths.size(); ++i) {
        SCOPED_TRACE(paths[i].toStdString());
        PortfolioHistory reading;
        reading.setPath(paths[i]);
        QString error;
        EXPECT_FALSE(reading.update(&error));
        EXPECT_EQ(error, QStringLiteral("The design portfolio \"%1\" cannot be read: %2").arg(paths[i], reasons[i]));
        Portfolio portfolio;
        EXPECT_FALSE(portfolio.attach(paths[i], &error));
        EXPECT_EQ(error, QStringLiteral("The design portfolio \"%1\" cannot be opened: %2").arg(paths[i], reasons[i]));
        EXPECT_TRUE(portfolio.path().isEmpty());
    }
}
