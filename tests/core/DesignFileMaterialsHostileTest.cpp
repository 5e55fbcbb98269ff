// Material definitions inside design files at their worst: far too many, the same
// name twice, names with commas, quotes and 10,000 characters, and names with a
// tab, a lone carriage return or binary bytes. Each file is kept exactly (read
// and written again byte for byte) or refused with the line that is wrong.
#include "model/MaterialChecks.h"
#include "model/Presets.h"
#include "persist/DesignFile.h"

#include <gtest/gtest.h>

using namespace brisko;

namespace {

QByteArray fileWithBoards(const QList<BoardMaterial>& boards)
{
    MaterialLibrary materials;
    for (const BoardMaterial& board : boards)
        materials.addBoard(board);
    CarDesign design;
    loadPresetShape(design, 1);
    design.Materials[0] = 1;
    return designFileBytes(design, materials, QStringLiteral("Racer"));
}

bool read(const QByteArray& bytes, DesignFileContents& contents, QString* error)
{
    return readDesignBytes(bytes, QStringLiteral("hostile.brsk"), OlderLayout::Refused, contents, error);
}

// The line number a refusal names.
int lineOf(const QString& error)
{
    const qsizetype at = error.indexOf(QStringLiteral("Line "));
    return at < 0 ? -1 : error.mid(at + 5).section(QLatin1Char(':'), 0, 0).toInt();
}

} // namespace

TEST(DesignFileMaterialsHostile, OddButWritableNamesAreKeptExactly)
{
    const QString longName = QString(10000, QLatin1Char('W'));
    const QList<BoardMaterial> boards = {{"Foam, blue", "0.25", "0.0031"},
                                         {"Foam, blue", "0.30", "0.0031"}, // the same name twice
                                         {"\"Quoted\" 'card'", "0.08", "0.026"},
                                         {longName, "0.10", "0.01"},
                                         {QString::fromLatin1("Mousse \xe9l\xe8ve"), "0.2", "0.003"}};
    const QByteArray bytes = fileWithBoards(boards);
    DesignFileContents contents;
    QString error;
    ASSERT_TRUE(read(bytes, contents, &error)) << error.toStdString();
    ASSERT_EQ(contents.materials.count(MaterialKind::Board), 6);
    for (int i = 0; i < boards.size(); ++i)
        EXPECT_EQ(contents.materials.board(i + 1).Name, boards[i].Name) << i;
    EXPECT_EQ(designFileBytes(contents.design, contents.materials, contents.name), bytes);
}

TEST(DesignFileMaterialsHostile, TooManyMaterialsAreRefusedAtTheirCount)
{
    QList<BoardMaterial> boards;
    for (int i = 0; i < 100; ++i)
        boards.append({QStringLiteral("Board %1").arg(i), "0.25", "0.0031"});
    QByteArray bytes = fileWithBoards(boards);
    const QByteArray countLine = "\r\n100\r\nBoard 0\r\n";
    const qsizetype at = bytes.indexOf(countLine);
    ASSERT_GT(at, 0);
    const int line = int(bytes.left(at + 2).count('\n')) + 1;
    // 10,000 boards: the count alone is refused, before any of them is read.
    QByteArray many = bytes;
    QByteArray more;
    for (int i = 100; i < 10000; ++i)
        more += "Board " + QByteArray::number(i) + "\r\n0.25\r\n0.0031\r\n";
    many.replace(at, countLine.size(), "\r\n10000\r\nBoard 0\r\n");
    many.insert(many.indexOf("Board 99\r\n0.25\r\n0.0031\r\n") + 24, more);
    DesignFileContents contents;
    QString error;
    ASSERT_FALSE(read(many, contents, &error));
    EXPECT_EQ(lineOf(error), line) << error.toStdString();
    EXPECT_TRUE(error.contains("10000")) << error.toStdString();
    ASSERT_TRUE(read(bytes, contents, &error)) << "100 are the most a kind holds";
}

TEST(DesignFileMaterialsHostile, NamesWithControlCharactersAreRefusedWithTheirLine)
{
    const QByteArray bytes = fileWithBoards({{"PLACEHOLDER", "0.25", "0.0031"}});
    const qsizetype at = bytes.indexOf("PLACEHOLDER");
    const int line = int(bytes.left(at).count('\n')) + 1;
    for (const QByteArray& name : {QByteArray("Tab\there"), QByteArray("Lone\rreturn"), QByteArray("Bin\x01\x02", 5),
                                   QByteArray("Nul\0byte", 8)}) {
        SCOPED_TRACE(name.toStdString());
        QByteArray hostile = bytes;
        hostile.replace(at, 11, name);
        DesignFileContents contents;
        QString error;
        ASSERT_FALSE(read(hostile, contents, &error));
        EXPECT_EQ(lineOf(error), line) << error.toStdString();
        EXPECT_TRUE(error.contains("text without control characters")) << error.toStdString();
        EXPECT_FALSE(error.contains(QChar(1)) || error.contains(QChar(0)) || error.contains(QChar('\t')));
    }
}

// The dialogs refuse a name the file could not keep: a line break, a tab, a
// character beyond single-byte text.
TEST(DesignFileMaterialsHostile, TheChecksRefuseNamesAFileCannotKeep)
{
    for (const QString& name : {QStringLiteral("two\nlines"), QStringLiteral("tab\tbed"), QStringLiteral("Schaum \u20ac")}) {
        const auto refusal = checkBoard({name, "0.25", "0.0031"});
        ASSERT_TRUE(refusal.has_value()) << name.toStdString();
        EXPECT_TRUE(refusal->message.startsWith("A material name must be one line of plain text"));
        EXPECT_TRUE(checkTread({name, "0.5"}).has_value());
        EXPECT_TRUE(checkAxle({name, "0.02"}).has_value());
    }
    EXPECT_FALSE(checkBoard({QString(10000, QLatin1Char('x')) + ", \"q\"", "0.25", "0.0031"}).has_value());
}
