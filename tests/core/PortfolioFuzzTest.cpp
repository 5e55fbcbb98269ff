// Portfolio records mutated at random and read back as the Design History reads
// them: whatever the damage, reading ends, a damaged line is skipped and counted,
// every point drawn lies on a row of the chart, the records before the first
// damage are drawn as they were, and reading in pieces gives what reading at once
// gives. BRISKO_FUZZ_CASES asks for more cases than the 3,000 of a normal run.
#include "persist/PortfolioHistory.h"

#include <QFile>
#include <QLocale>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace brisko;

namespace {

int fuzzCases()
{
    const int asked = qEnvironmentVariableIntValue("BRISKO_FUZZ_CASES");
    return asked > 0 ? asked : 3000;
}

// A working session's records, oldest first, dated over the last weeks.
QList<QByteArray> seedRecords(QRandomGenerator& random, int count)
{
    const char* stages[] = {"0", "1", "2", "3", "4", "5", "-2", "6", "-3", "7", "8", "-4", "-1"};
    QList<QByteArray> lines;
    for (int i = 0; i < count; ++i) {
        const int stageIndex = random.bounded(13);
        const QByteArray stage = stages[stageIndex];
        const bool dynamic = stage.toInt() >= 5, build = stage.toInt() >= 1;
        QByteArrayList f = {stage, QByteArray::number(random.bounded(800)), "-", "My car", "-", "-",
                            QByteArray::number(random.bounded(500) / 100.0, 'f', 2),
                            random.bounded(4) ? QByteArray::number(random.bounded(9000) / 100.0, 'f', 2) : "[n/a]",
                            "1.75", "0.31", "Racer",
                            QLocale::system().toString(QDate::currentDate().addDays(i - count), QLocale::ShortFormat).toLatin1(),
                            "1:45:00 PM", "VPDynamic"};
        for (int flag = 0; flag < 8; ++flag)
            f << ((flag < 2 ? dynamic : build) ? QByteArray(random.bounded(5) ? "0" : "1") : QByteArray("-"));
        lines << f.join(',') + "\r\n";
    }
    return lines;
}

QByteArray junkText(QRandomGenerator& random)
{
    static const QList<QByteArray> junk{"", "-", "1e40", "99999999999", "-2147483648", "NaN", "INF", ",", ",,,",
                                        "[", "]", "[[[", "\xff\xfe", QByteArray("\0", 1), "\x1b[2J", "\r", "\n",
                                        "1/1/1900", "12/31/99", "31/12/2999", "9", "-5", "1000", "0.5", "x"};
    if (random.bounded(10) == 0)
        return QByteArray(random.bounded(1, 100000), char('A' + random.bounded(26)));
    return junk[random.bounded(junk.size())];
}

QByteArray mutatedLine(QByteArray line, QRandomGenerator& random)
{
    if (line.endsWith("\r\n"))
        line.chop(2);
    QList<QByteArray> fields = line.split(',');
    switch (random.bounded(6)) {
    case 0: fields[random.bounded(fields.size())] = junkText(random); break;
    case 1: fields.removeAt(random.bounded(fields.size())); break;
    case 2: fields.insert(random.bounded(fields.size()), junkText(random)); break;
    case 3: {
        QByteArray joined = fields.join(',') + "\r\n";
        joined[random.bounded(joined.size())] = char(random.bounded(256));
        return joined;
    }
    case 4: return line.left(random.bounded(line.size() + 1)); // cut short, its line end lost
    default: fields[std::min<qsizetype>(kDateField, fields.size() - 1)] = junkText(random); break;
    }
    return fields.join(',') + "\r\n";
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

bool onAChartRow(const HistoryPoint& p)
{
    const bool modeRow = p.modeY >= 300 && p.modeY <= 540 && (p.modeY - 300) % 30 == 0;
    const auto inReach = [](const std::optional<int>& y) { return !y || (*y >= -100000 && *y <= 100000); };
    return modeRow && inReach(p.timeY) && inReach(p.distanceY);
}

} // namespace

TEST(PortfolioFuzz, MutatedRecordsAreDrawnOrSkippedCleanly)
{
    QTemporaryDir dir;
    const QString whole = dir.filePath("Whole.brdp");
    const QString pieces = dir.filePath("Pieces.brdp");
    QRandomGenerator random(20261209);
    qint64 skippedInAll = 0;
    const int cases = fuzzCases();
    for (int i = 0; i < cases; ++i) {
        const QList<QByteArray> seed = seedRecords(random, 4 + random.bounded(20));
        QList<QByteArray> lines = seed;
        const int firstDamaged = random.bounded(lines.size());
        for (int m = 1 + random.bounded(3); m > 0; --m) {
            const int at = firstDamaged + random.bounded(lines.size() - firstDamaged);
            lines[at] = mutatedLine(lines[at], random);
        }
        const QByteArray bytes = lines.join();
        SCOPED_TRACE(testing::Message() << "case " << i << ":\n" << bytes.left(4000).toStdString());
        writeFile(whole, bytes);
        PortfolioHistory atOnce;
        atOnce.setPath(whole);
        ASSERT_TRUE(atOnce.update());

        PortfolioHistory cleanPart;
        writeFile(pieces, seed.mid(0, firstDamaged).join());
        cleanPart.setPath(pieces);
        ASSERT_TRUE(cleanPart.update());
        ASSERT_EQ(cleanPart.skippedLines(), 0);
        ASSERT_GE(atOnce.count(), cleanPart.count());
        for (int p = 0; p < cleanPart.count(); ++p)
            ASSERT_EQ(atOnce.at(p), cleanPart.at(p));
        for (int p = 0; p < atOnce.count(); ++p)
            ASSERT_TRUE(onAChartRow(atOnce.at(p))) << p;
        ASSERT_LE(atOnce.skippedLines() + atOnce.count(), bytes.count('\n') + 1);

        // The same bytes arriving in random pieces, as a portfolio grows.
        writeFile(pieces, {});
        PortfolioHistory growing;
        growing.setPath(pieces);
        for (qsizetype at = 0; at < bytes.size();) {
            const qsizetype n = 1 + random.bounded(int(bytes.size() / 3 + 1));
            QFile file(pieces);
            ASSERT_TRUE(file.open(QIODevice::Append));
            file.write(bytes.mid(at, n));
            file.close();
            at += n;
            ASSERT_TRUE(growing.update());
        }
        ASSERT_EQ(growing.count(), atOnce.count());
        ASSERT_EQ(growing.skippedLines(), atOnce.skippedLines());
        for (int p = 0; p < atOnce.count(); ++p)
            ASSERT_EQ(growing.at(p), atOnce.at(p));
        skippedInAll += atOnce.skippedLines();
    }
    RecordProperty("skipped", int(skippedInAll));
    EXPECT_GT(skippedInAll, cases / 2);
}
