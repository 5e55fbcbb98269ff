#include "persist/Portfolio.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace brisko;

namespace {

RecordContext context()
{
    RecordContext c;
    c.timeText = "12.345";
    c.distanceText = "[3.21]";
    c.speedText = "0";
    c.massText = "0.569999992847443";
    c.designName = "Racer";
    c.flags.FrontAxleFree = true;
    c.flags.Skid = true;
    c.when = QDateTime(QDate(2026, 12, 8), QTime(13, 45, 0));
    return c;
}

QStringList fields(const ActionRecord& r, const RecordContext& c = context())
{
    return formatActionLine(r, c)->split(',');
}

} // namespace

TEST(ActionRecordLine, AdvisoryFieldsFollowTheStage)
{
    const auto help = fields({-3, 87, {}, {}, {}, {}, {}});
    ASSERT_EQ(help.size(), 22);
    for (int i : {2, 3, 4, 5})
        EXPECT_EQ(help[i], "-");
    EXPECT_EQ(help[13], "");
    for (int i = 14; i < 22; ++i)
        EXPECT_EQ(help[i], "-") << i;

    const auto start = fields({-1, 61, QString("4.0.2"), {}, {}, {}, "ProgramStart"});
    EXPECT_EQ(start[2], "4.0.2");
    EXPECT_EQ(start[13], "ProgramStart");
    for (int i = 14; i < 22; ++i)
        EXPECT_EQ(start[i], "-") << i;

    const auto set = fields({1, 101, {}, {}, {}, {}, "VPSet"});
    EXPECT_EQ(set[14], "-");
    EXPECT_EQ(set[15], "-");
    EXPECT_EQ(set[16], "1"); // front axle
    EXPECT_EQ(set[17], "0");
    EXPECT_EQ(set[18], "0"); // reserved
    EXPECT_EQ(set[21], "0");

    const auto dyn = fields({5, 401, {}, {}, {}, {}, "VPDynamic"});
    EXPECT_EQ(dyn[14], "1");
    EXPECT_EQ(dyn[15], "0");
    EXPECT_EQ(dyn[16], "1");
}

TEST(ActionRecordLine, ResultsNameAndDescription)
{
    const auto f = fields({2, 14, QString("2"), {}, {}, {}, "DoSprWid"});
    EXPECT_EQ(f[0], "2");
    EXPECT_EQ(f[1], "14");
    EXPECT_EQ(f[6], "12.35");
    EXPECT_EQ(f[7], "[3.21]");
    EXPECT_EQ(f[8], "0.00");
    EXPECT_EQ(f[9], "0.57");
    EXPECT_EQ(f[10], "Racer");
    EXPECT_EQ(f[13], "DoSprWid");

    RecordContext c = context();
    c.designName.clear();
    EXPECT_EQ(fields({-1, 0, QString(""), {}, {}, {}, "SetCarName"}, c)[10], "EmptyStringError");
    c.timeText = "abc";
    EXPECT_FALSE(formatActionLine({1, 101}, c).has_value());
}

TEST(ActionRecordLine, CommasAndLineBreaksInValuesKeep22Fields)
{
    RecordContext c = context();
    c.designName = "my,car";
    const auto f = fields({0, 14, QString("1,5"), QString("a\r\nb"), QString("x\ny"), {}, "Set,Name"}, c);
    ASSERT_EQ(f.size(), 22);
    EXPECT_EQ(f[2], "1;5");
    EXPECT_EQ(f[3], "a b");
    EXPECT_EQ(f[4], "x y");
    EXPECT_EQ(f[10], "my;car");
    EXPECT_EQ(f[13], "Set;Name");
}

TEST(PortfolioFile, AppendsSingleByteLinesWithCrLf)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("p.brdp");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("earlier run\r\n");
    }
    Portfolio portfolio;
    QString error;
    ASSERT_TRUE(portfolio.attach(path, &error));
    ASSERT_TRUE(portfolio.append({-1, 61, QString("4.0.2"), {}, {}, {}, "ProgramStart"}, context(), &error));
    ASSERT_TRUE(portfolio.append({1, 9, QString("Zürich"), {}, {}, {}, "x"}, context(), &error));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray all = f.readAll();
    const QList<QByteArray> lines = all.split('\n');
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0], "earlier run\r");
    EXPECT_TRUE(lines[1].startsWith("-1,61,4.0.2,-,-,-,12.35,[3.21],0.00,0.57,Racer,"));
    EXPECT_TRUE(lines[1].endsWith(",ProgramStart,-,-,-,-,-,-,-,-\r"));
    EXPECT_TRUE(lines[2].contains("Z\xfcrich")); // Latin-1, one byte
}

TEST(PortfolioFile, AFileThatCannotBeAppendedToIsReportedWithItsName)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("gone.brdp");
    Portfolio portfolio;
    QString error;
    ASSERT_TRUE(portfolio.attach(path, &error));
    EXPECT_TRUE(QFile::exists(path)); // a new portfolio starts as an empty file
    QFile::remove(path);
    EXPECT_FALSE(portfolio.append({1, 101, {}, {}, {}, {}, "VPSet"}, context(), &error));
    EXPECT_TRUE(error.contains("gone.brdp"));
    EXPECT_FALSE(QFile::exists(path));

    Portfolio nowhere;
    EXPECT_FALSE(nowhere.attach(dir.filePath("no/such/dir/p.brdp"), &error));
    EXPECT_TRUE(error.contains("p.brdp"));
}
