#include "DesignSamples.h"
#include "SessionArrangement.h"
#include "FigureChecks.h"
#include "SessionFixture.h"
#include "persist/DesignFile.h"
#include "session/DesignListEntries.h"
#include "session/DesignListOps.h"
#include "text/NumberText.h"

#include <QElapsedTimer>
#include <QRandomGenerator>

#include <sys/stat.h>

using namespace brisko;
using namespace brisko::test;

namespace {

// Everything a refused file must leave as it was.
struct SessionState {
    QByteArray design; // the design as a file, every field in it
    MaterialLibrary materials;
    QVector<DesignListEntry> entries;
    int current = 0;
    QString boxText;
    FieldTexts fields;

    explicit SessionState(const Session& s)
        : design(designFileBytes(s.design(), s.materials(), QString()))
        , materials(s.materials())
        , entries(s.designs().entries())
        , current(s.app().CurrentDesign)
        , boxText(s.designListText())
        , fields(s.fields())
    {
    }
};

void expectSame(const SessionState& a, const SessionState& b)
{
    EXPECT_EQ(a.design, b.design);
    EXPECT_EQ(a.materials, b.materials);
    ASSERT_EQ(a.entries.size(), b.entries.size());
    for (int i = 0; i < a.entries.size(); ++i) {
        EXPECT_EQ(a.entries[i].Name, b.entries[i].Name);
        EXPECT_EQ(a.entries[i].FilePath, b.entries[i].FilePath);
        EXPECT_EQ(a.entries[i].Saved, b.entries[i].Saved);
    }
    EXPECT_EQ(a.current, b.current);
    EXPECT_EQ(a.boxText, b.boxText);
    EXPECT_EQ(a.fields.dimensions, b.fields.dimensions);
    EXPECT_EQ(a.fields.CaseRatio, b.fields.CaseRatio);
}

// A session showing a design of its own, with materials, weights and both outlines.
class DesignFileRefusal : public SessionFixture {
protected:
    void SetUp() override
    {
        WriteDesignFile(path("open.brsk"), sampleDesign(4, DriveType::FWD, ChamberShape::Octagonal), userMaterials(),
                        "Open one", nullptr);
        prompter.answerFile(path("open.brsk"));
        ASSERT_TRUE(OpenDesign(session));
        badEntry = appendDesign(session, "Bad", path("bad.brsk"));
        brisko::test::arrange(session).designs().entry(badEntry).Saved = true;
        good = designFileBytes(session.design(), session.materials(), "Good");
        goodLines = good.split('\n');
        goodLines.removeLast();
        prompter.clear();
    }

    // Offers `bytes` to Open and to switching; both must refuse and change nothing.
    void expectRefused(const QByteArray& bytes, int line, const QString& file = {})
    {
        const QString bad = file.isEmpty() ? path("bad.brsk") : file;
        if (file.isEmpty())
            writeBytes(bad, bytes);
        const SessionState before(session);
        prompter.answerFile(bad);
        EXPECT_FALSE(OpenDesign(session));
        expectSame(SessionState(session), before);
        EXPECT_FALSE(SelectDesign(session, badEntry));
        expectSame(SessionState(session), before);
        const QStringList messages = prompter.messageTexts();
        ASSERT_EQ(messages.size(), 2);
        for (const QString& m : messages) {
            EXPECT_TRUE(m.contains(bad)) << m.toStdString();
            if (line > 0)
                EXPECT_TRUE(m.contains(QString("Line %1:").arg(line))) << m.toStdString();
        }
        prompter.clear();
    }

    QByteArray withLine(int line, const QByteArray& text) const
    {
        QList<QByteArray> lines = goodLines;
        lines[line - 1] = text + '\r';
        return lines.join('\n') + '\n';
    }

    int lineOf(const QByteArray& content, int from = 1) const
    {
        for (int i = from; i <= goodLines.size(); ++i)
            if (goodLines[i - 1] == content + '\r')
                return i;
        return -1;
    }

    int badEntry = 0;
    QByteArray good;
    QList<QByteArray> goodLines;
};

} // namespace

TEST_F(DesignFileRefusal, MissingFileMarkerAndVersion)
{
    expectRefused({}, 0, path("bad.brsk")); // not written yet
    // Open wants the marker; switching would read an older file instead, which
    // then runs out of lines or numbers.
    writeBytes(path("bad.brsk"), withLine(1, "Brisko"));
    const SessionState before(session);
    prompter.answerFile(path("bad.brsk"));
    EXPECT_FALSE(OpenDesign(session));
    EXPECT_TRUE(prompter.messageTexts().value(0).contains("Line 1:"));
    expectSame(SessionState(session), before);
    prompter.clear();
    expectRefused(withLine(2, "4"), 2);
    expectRefused(withLine(2, ""), 2);
}

TEST_F(DesignFileRefusal, TruncatedFilesAtEveryLine)
{
    for (int kept = 2; kept < goodLines.size(); ++kept) {
        SCOPED_TRACE(kept);
        expectRefused(goodLines.mid(0, kept).join('\n') + '\n', kept + 1);
    }
}

TEST_F(DesignFileRefusal, NonNumbersWhereNumbersBelong)
{
    expectRefused(withLine(12, "one"), 12);           // material-block mark
    expectRefused(withLine(13, "1.5"), 13);           // a material choice
    const int axleLine = goodLines.size() - 3;
    expectRefused(withLine(axleLine, "1,6"), axleLine);
    expectRefused(withLine(goodLines.size(), "nan"), goodLines.size());
    const int weightMass = lineOf(fileFloat(0.125f).toLatin1());
    ASSERT_GT(weightMass, 0);
    expectRefused(withLine(weightMass, "0.125 lb"), weightMass);
}

TEST_F(DesignFileRefusal, CountsBeyondTheTablesOrNegative)
{
    // Line 21 holds the board count (after 12 header and dimension lines and 8 choices).
    expectRefused(withLine(21, "101"), 21);
    expectRefused(withLine(21, "-1"), 21);
    expectRefused(withLine(13, "7"), 13); // a board choice the file does not define
    const int outerCount = lineOf("26");
    ASSERT_GT(outerCount, 0);
    expectRefused(withLine(outerCount, "257"), outerCount);
    expectRefused(withLine(outerCount, "-2"), outerCount);
    const int innerCount = outerCount + 1 + 2 * 26;
    expectRefused(withLine(innerCount, "-1"), innerCount);
    const int weightCount = innerCount + 1 + 2 * 22;
    ASSERT_EQ(goodLines[weightCount - 1], "3\r");
    expectRefused(withLine(weightCount, "257"), weightCount);
    expectRefused(withLine(weightCount, "-3"), weightCount);
}

// Line numbers of the open design's file: 12 header and dimension lines, 8 choices,
// two boards, one axle, one spring of 53 lines and two treads.
constexpr int kStepSizeLine = 90;
constexpr int kFirstOuterYLine = 97;

TEST_F(DesignFileRefusal, ValuesBeyondWhatCanBeTypedAreRefusedWithValueAndRange)
{
    struct Case {
        int line;
        QByteArray text;
        QString accepted;
    };
    const int firstMass = lineOf(fileFloat(0.125f).toLatin1());
    ASSERT_GT(firstMass, kFirstOuterYLine);
    const Case cases[] = {
        {4, "300", "from 0.1 to 6"},                        // spring width
        {7, "-0.5", "from 0.0001 to 2"},                    // drive axle diameter
        {kStepSizeLine, "2147483647", "from 2 to 72"},      // element size
        {kStepSizeLine + 1, "-1", "from 4 to 99"},          // case ratio
        {kStepSizeLine + 1, "INF", "from 4 to 99"},
        {kStepSizeLine + 2, "1e40", "from 0.01 to 0.25"},   // friction force
        {kStepSizeLine + 3, "15", "13 (octagonal) or 14 (circular)"},
        {kStepSizeLine + 4, "0", "10 (rear), 11 (front) or 12 (all-wheel drive)"},
        {kFirstOuterYLine, "-2147483648", "from -72 to 612"},
        {12, "2", "must be 1"},                             // material-block mark
        {22, "", "a name"},                                 // a board's name
        {23, "100", "from 0.05 to 6"},                      // its thickness
        {36, "0", "from 0.0001 to 10"},                     // a spring's maximum torque
        {87, "3", "from 0.0001 to 2"},                      // a tread's friction
        {firstMass, "1.5", "from -1 to -0.0001 or from 0.0001 to 1"},
        {firstMass, "0", "from -1 to -0.0001 or from 0.0001 to 1"},
        {firstMass - 2, "100000", "from -72 to 792"},       // the weight's x
        {static_cast<int>(goodLines.size()) - 1, "1e30", "from -72 to 792"},  // the front axle's distance in pixels
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        expectRefused(withLine(c.line, c.text), c.line);
        QString error;
        DesignFileContents contents;
        EXPECT_FALSE(readDesignBytes(withLine(c.line, c.text), "v.brsk", OlderLayout::Refused, contents, &error));
        EXPECT_TRUE(error.contains(c.accepted)) << error.toStdString();
        if (!c.text.isEmpty())
            EXPECT_TRUE(error.contains(c.text)) << error.toStdString();
    }
    // A wheel no wider than its axle, as typed input is refused.
    expectRefused(withLine(6, "0.375"), 7);
}

TEST_F(DesignFileRefusal, WeightsWithoutMassAreRefused)
{
    QList<QByteArray> lines = goodLines;
    const int count = lineOf(fileFloat(0.125f).toLatin1()) - 3;
    ASSERT_EQ(lines.value(count - 1), "3\r");
    const QList<QByteArray> axle = lines.mid(lines.size() - 4);
    lines = lines.mid(0, count - 1);
    lines << "256\r";
    for (int i = 0; i < 256; ++i)
        lines << "100\r" << "200\r" << "0\r";
    lines << axle;
    expectRefused(lines.join('\n') + '\n', count + 3);
}

TEST_F(DesignFileRefusal, MaterialCountsThatShiftTheFollowingLinesAreRefused)
{
    expectRefused(withLine(21, "3"), 0); // one board too many: the axle count is read as a name
    expectRefused(withLine(21, "1"), 0);
    expectRefused(withLine(31, "0"), 0); // the spring's lines read as treads and settings
    expectRefused(withLine(85, "1"), 0);
}

TEST_F(DesignFileRefusal, BytesAfterACompleteDesignAreRefusedButBlankLinesAreNot)
{
    expectRefused(good + "Extra line\r\n", goodLines.size() + 1);
    expectRefused(good + good, goodLines.size() + 1);
    DesignFileContents contents;
    QString error;
    EXPECT_TRUE(readDesignBytes(good + "\r\n \r\n", "b.brsk", OlderLayout::Refused, contents, &error))
        << error.toStdString();
}

TEST_F(DesignFileRefusal, DevicesAndNamedPipesAreRefusedWithoutReadingThem)
{
    brisko::test::arrange(session).designs().entry(badEntry).FilePath = "/dev/zero";
    expectRefused({}, 0, "/dev/zero");
    const QString pipe = path("pipe.brsk");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    brisko::test::arrange(session).designs().entry(badEntry).FilePath = pipe;
    expectRefused({}, 0, pipe); // opening a pipe for reading would wait for a writer
}

TEST_F(DesignFileRefusal, AFileFarLargerThanADesignIsRefusedWithoutReadingItAll)
{
    QFile huge(path("bad.brsk"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(qint64(4) << 30)); // sparse: takes no disk
    huge.close();
    expectRefused({}, 0, path("bad.brsk"));
}

static QByteArray mutated(QList<QByteArray> lines, const QList<QByteArray>& junk, QRandomGenerator& random)
{
    const int mutations = 1 + random.bounded(3);
    for (int m = 0; m < mutations && !lines.isEmpty(); ++m) {
        const int at = random.bounded(lines.size());
        switch (random.bounded(7)) {
        case 5:
        case 6: { // a number nudged: the file often still reads, with other figures
            bool isNumber = false;
            const double value = lines[at].trimmed().toDouble(&isNumber);
            if (isNumber)
                lines[at] = QByteArray::number(value * (0.5 + random.generateDouble()), 'g', 6) + '\r';
            break;
        }
        case 0: lines = lines.mid(0, at); break;
        case 1: lines[at] = junk[random.bounded(junk.size())] + '\r'; break;
        case 2: lines.removeAt(at); break;
        case 3: lines.insert(at, junk[random.bounded(junk.size())] + '\r'); break;
        case 4: lines[at] = QByteArray::number(random.bounded(-300, 300)) + '\r'; break;
        }
    }
    QByteArray bytes = lines.join('\n');
    if (random.bounded(8) == 0 && !bytes.isEmpty())
        bytes.truncate(random.bounded(bytes.size()));
    return bytes;
}

// How many mutated files the fuzz test reads; BRISKO_FUZZ_CASES asks for more.
static int fuzzCases()
{
    const int asked = qEnvironmentVariableIntValue("BRISKO_FUZZ_CASES");
    return asked > 0 ? asked : 3000;
}

// Mutated and truncated real design files: each is read or refused with a
// message; after a refusal the design that was open is unchanged, and a file that
// reads goes through the whole Dynamic analysis with every figure a number.
TEST_F(DesignFileRefusal, FuzzedFilesAreReadOrRefusedCleanly)
{
    QVector<QList<QByteArray>> seeds;
    const auto addSeed = [&](const QByteArray& bytes) {
        QList<QByteArray> lines = bytes.split('\n');
        lines.removeLast();
        seeds << lines;
    };
    for (int preset = 0; preset < kPresetCount; ++preset)
        for (DriveType drive : {DriveType::RWD, DriveType::FWD, DriveType::AWD})
            for (ChamberShape chamber : {ChamberShape::Octagonal, ChamberShape::Circular}) {
                addSeed(designFileBytes(sampleDesign(preset, drive, chamber), userMaterials(), "Seed"));
                CarDesign plain;
                loadPresetShape(plain, preset);
                plain.setDrive(drive);
                plain.Chamber = chamber;
                addSeed(designFileBytes(plain, MaterialLibrary(), presetNames().at(preset)));
            }
    const QList<QByteArray> junk{"", "-1", "0", "257", "101", "99999999999", "abc", "1e40", "-0", " 7 ", "\xff\xfe",
                                 "1.5.5", "+", "12", "3", ":::::VersionInformation:::::", "2147483647",
                                 "-2147483648", "1000000000", "INF", "1e8", "0.0001", "72", "4", "99", "-72",
                                 "612", "1", "-1e-30"};
    QRandomGenerator random(20240607);
    const SessionState before(session);
    DesignFileContents open;
    ASSERT_TRUE(parseDesignFile(path("open.brsk"), OlderLayout::Refused, open, nullptr));
    const QByteArray openBytes = designFileBytes(open.design, open.materials, open.name);
    int refused = 0;
    int analysed = 0;
    qint64 slowestCase = 0; // ms, reported for long runs by hand, never judged here
    const int cases = fuzzCases();
    for (int i = 0; i < cases; ++i) {
        QElapsedTimer clock;
        clock.start();
        const QByteArray bytes = mutated(seeds[random.bounded(seeds.size())], junk, random);
        SCOPED_TRACE(testing::Message() << "case " << i << ":\n" << bytes.toStdString());
        DesignFileContents contents = open;
        QString error;
        const OlderLayout older = i % 2 ? OlderLayout::Read : OlderLayout::Refused;
        if (readDesignBytes(bytes, "fuzz.brsk", older, contents, &error)) {
            ++analysed;
            const QStringList bad = analyseForNonFinite(contents.design, contents.materials);
            ASSERT_TRUE(bad.isEmpty()) << bad.join(", ").toStdString();
            slowestCase = std::max(slowestCase, clock.elapsed());
            continue;
        }
        ++refused;
        EXPECT_TRUE(error.startsWith("The design file \"fuzz.brsk\" cannot be read.\nLine ")) << error.toStdString();
        ASSERT_EQ(designFileBytes(contents.design, contents.materials, contents.name), openBytes);
        if (i % 30 != 0)
            continue;
        // Through the design list as well: the design that was open stays.
        writeBytes(path("bad.brsk"), bytes);
        prompter.clear();
        ASSERT_FALSE(SelectDesign(session, badEntry));
        ASSERT_EQ(prompter.messageTexts().size(), 1);
        expectSame(SessionState(session), before);
        if (HasFailure())
            return;
    }
    RecordProperty("analysed", analysed);
    RecordProperty("slowest_case_ms", int(slowestCase));
    RecordProperty("refused", refused);
    EXPECT_GT(refused, cases / 3);
    EXPECT_GT(analysed, cases / 20);
}
