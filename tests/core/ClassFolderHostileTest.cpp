// A class folder with bad entries among the designs: a link loop, a pipe, a
// folder named like a design file, a sparse file of 2 GB, a link that leads
// nowhere, a file that cannot be read, the same file linked twice, and thousands
// of files that are no designs. Each bad entry is a refused row with its reason,
// nothing waits or reads without bound, and the designs rank as usual.
#include "ClassFolder.h"

#include "output/ClassStandings.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace brisko;
using namespace brisko::test;

namespace {

class ClassFolderHostile : public ::testing::Test {
protected:
    QString at(const QString& name) const { return QDir(dir.path()).filePath(name); }

    // The refusal of the row of `fileName`, or a note that it has none.
    QString refusalOf(const ClassStandings& standings, const QString& fileName) const
    {
        for (const StandingRow& row : standings.rows())
            if (row.FileName == fileName)
                return row.Refused ? row.Message : QStringLiteral("(ranked)");
        return QStringLiteral("(no row)");
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(ClassFolderHostile, EveryBadEntryIsARefusedRowWithItsReason)
{
    const QString racer = saveClassDesign(dir.path(), 1, DriveType::RWD, {}, "Racer");
    saveClassDesign(dir.path(), 2, DriveType::AWD, {}, "Pickup");
    ASSERT_TRUE(QFile::link(at("loop-b.brsk"), at("loop-a.brsk")));
    ASSERT_TRUE(QFile::link(at("loop-a.brsk"), at("loop-b.brsk")));
    ASSERT_TRUE(QFile::link(at("gone.txt"), at("nowhere.brsk")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(at("pipe.brsk")).constData(), 0600), 0);
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.brsk"));
    {
        QFile sparse(at("huge.brsk"));
        ASSERT_TRUE(sparse.open(QIODevice::WriteOnly));
        ASSERT_TRUE(sparse.resize(qint64(2) << 30));
    }
    ASSERT_EQ(::link(QFile::encodeName(racer).constData(), QFile::encodeName(at("z Racer again.brsk")).constData()), 0);
    ASSERT_TRUE(QFile::link(racer, at("z Racer linked.brsk")));
    QFile::copy(racer, at("locked.brsk"));
    QFile::setPermissions(at("locked.brsk"), {});

    const ClassStandings standings = ClassStandings::of(designFilesIn({dir.path()}));
    EXPECT_EQ(standings.rows().size(), 11);
    EXPECT_TRUE(refusalOf(standings, "loop-a.brsk").contains("Too many levels of symbolic links"));
    EXPECT_TRUE(refusalOf(standings, "nowhere.brsk").contains("No such file or directory"));
    EXPECT_TRUE(refusalOf(standings, "pipe.brsk").contains("it is a pipe, not a file"));
    EXPECT_TRUE(refusalOf(standings, "folder.brsk").contains("it is a folder, not a file"));
    EXPECT_TRUE(refusalOf(standings, "huge.brsk").contains("far too large"));
    EXPECT_EQ(refusalOf(standings, "z Racer again.brsk"),
              QStringLiteral("The design file \"%1\" is the same file as \"Racer.brsk\", which is ranked in its place.")
                  .arg(at("z Racer again.brsk")));
    EXPECT_TRUE(refusalOf(standings, "z Racer linked.brsk").contains("the same file as \"Racer.brsk\""));
    if (::geteuid() != 0) // to root, a file without read permission is still readable
        EXPECT_TRUE(refusalOf(standings, "locked.brsk").contains("Permission denied"));
    for (const StandingRow& row : standings.rows())
        if (row.Refused)
            EXPECT_TRUE(row.Message.contains(row.FilePath)) << row.Message.toStdString();
    ASSERT_GE(standings.rankedCount(), 2);
    EXPECT_EQ(standings.rows()[0].Place, 1);
    EXPECT_EQ(refusalOf(standings, "Racer.brsk"), "(ranked)");
    EXPECT_EQ(refusalOf(standings, "Pickup.brsk"), "(ranked)");
}

// Thousands of entries that are no designs, and a few designs among them: each is a
// row, and the designs rank first in the order the figures give.
TEST_F(ClassFolderHostile, ThousandsOfFilesEachGetTheirRow)
{
    for (int i = 0; i < 2500; ++i) {
        QFile junk(at(QStringLiteral("junk %1.brsk").arg(i)));
        ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
        junk.write(QByteArray(i % 7, char('a' + i % 26)));
    }
    saveClassDesigns(dir.path());
    const ClassStandings standings = ClassStandings::of(designFilesIn({dir.path()}));
    EXPECT_EQ(standings.count(), 2510);
    EXPECT_EQ(standings.rankedCount(), 10);
    EXPECT_EQ(standings.refusedCount(), 2500);

    // The same rows arriving one by one, as the window adds them, rank the same.
    ClassStandings arriving;
    for (const StandingRow& row : standings.rows())
        arriving.add(row);
    ASSERT_EQ(arriving.count(), standings.count());
    for (int i = 0; i < standings.count(); ++i) {
        EXPECT_EQ(arriving.at(i).FilePath, standings.rows()[i].FilePath) << i;
        EXPECT_EQ(arriving.at(i).Place, standings.rows()[i].Place) << i;
    }
    EXPECT_EQ(arriving.rows()[3].FilePath, standings.rows()[3].FilePath);
}
