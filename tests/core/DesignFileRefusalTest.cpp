#include "DesignSamples.h"
#include "SessionFixture.h"
#include "persist/DesignFile.h"
#include "persist/DesignListEntries.h"
#include "persist/DesignListOps.h"
#include "text/NumberText.h"

#include <QRandomGenerator>

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
        : design(designFileBytes(s.design, s.materials, QString()))
        , materials(s.materials)
        , entries(s.designs.entries())
        , current(s.app.CurrentDesign)
        , boxText(s.designListText)
        , fields(s.fields)
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
        session.designs.entry(badEntry).Saved = true;
        good = designFileBytes(session.design, session.materials, "Good");
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

static QByteArray mutated(QList<QByteArray> lines, const QList<QByteArray>& junk, QRandomGenerator& random)
{
    const int mutations = 1 + random.bounded(3);
    for (int m = 0; m < mutations && !lines.isEmpty(); ++m) {
        const int at = random.bounded(lines.size());
        switch (random.bounded(5)) {
        case 0: lines = lines.mid(0, at); break;
        case 1: lines[at] = junk[random.bounded(junk.size())] + '\r'; break;
        case 2: lines.removeAt(at); break;
        case 3: lines.insert(at, junk[random.bounded(junk.size())] + '\r'); break;
        case 4: lines[at] = QByteArray::number(random.bounded(-300, 300)) + '\r'; break;
        }
    }
    QByteArray bytes = lines.join('\n');
    if (random.bounded(4) == 0 && !bytes.isEmpty())
        bytes.truncate(random.bounded(bytes.size()));
    return bytes;
}

// Mutated and truncated real design files: each is read or refused with a
// message; after a refusal the design that was open is unchanged.
TEST_F(DesignFileRefusal, FuzzedFilesAreReadOrRefusedCleanly)
{
    QVector<QList<QByteArray>> seeds;
    for (int preset = 0; preset < kPresetCount; ++preset) {
        const QByteArray bytes = designFileBytes(sampleDesign(preset, DriveType(10 + preset % 3), ChamberShape::Circular),
                                                 userMaterials(), "Seed");
        QList<QByteArray> lines = bytes.split('\n');
        lines.removeLast();
        seeds << lines;
    }
    const QList<QByteArray> junk{"", "-1", "0", "257", "101", "99999999999", "abc", "1e40", "-0", " 7 ", "\xff\xfe",
                                 "1.5.5", "+", "12", "3", ":::::VersionInformation:::::"};
    QRandomGenerator random(20240607);
    const SessionState before(session);
    DesignFileContents open;
    ASSERT_TRUE(readDesignFile(path("open.brsk"), OlderLayout::Refused, open, nullptr));
    const QByteArray openBytes = designFileBytes(open.design, open.materials, open.name);
    int refused = 0;
    for (int i = 0; i < 3000; ++i) {
        const QByteArray bytes = mutated(seeds[random.bounded(seeds.size())], junk, random);
        SCOPED_TRACE(testing::Message() << "case " << i << ":\n" << bytes.toStdString());
        DesignFileContents contents = open;
        QString error;
        const OlderLayout older = i % 2 ? OlderLayout::Read : OlderLayout::Refused;
        if (readDesignBytes(bytes, "fuzz.brsk", older, contents, &error))
            continue;
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
    EXPECT_GT(refused, 1000);
}
