// Saving the design under faults: a read-only folder, a read-only file, a missing
// folder, a full disk, and a save killed at a random moment. The target is always
// the old file or the new one byte for byte, the student is told why the save
// failed, and the design is never marked saved when it was not.
#include "SessionFixture.h"
#include "SessionArrangement.h"
#include "SmallDisk.h"

#include "persist/DesignFile.h"
#include "session/DesignListEntries.h"
#include "session/DesignSaving.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

using namespace brisko;
using namespace brisko::test;

namespace {

class SaveFaults : public SessionFixture {
protected:
    // An own design, changed since it was saved to `file`.
    void changedDesignSavedTo(const QString& file)
    {
        const int entry = appendDesign(session, designNameOfPath(file), file);
        brisko::test::arrange(session).app().CurrentDesign = entry;
        ASSERT_TRUE(WriteDesignFile(file, session.design(), session.materials(), designNameOfPath(file), nullptr));
        brisko::test::arrange(session).design().SpringWidth = "2.5";
        session.markCurrentDesignChanged();
    }

    // Saves onto `file` and expects the failure: unsaved, told why, file as it was.
    void expectRefusedSave(const QString& file, const QString& reason)
    {
        const QByteArray before = checksumOf(file);
        prompter.clear();
        prompter.answerFile(file);
        EXPECT_FALSE(SaveDesignAs(session));
        EXPECT_FALSE(session.designs().entry(session.app().CurrentDesign).Saved);
        ASSERT_EQ(prompter.messageTexts().size(), 1);
        EXPECT_TRUE(prompter.messageTexts()[0].contains(file)) << prompter.messageTexts()[0].toStdString();
        EXPECT_TRUE(prompter.messageTexts()[0].contains(reason)) << prompter.messageTexts()[0].toStdString();
        EXPECT_EQ(checksumOf(file), before);
        EXPECT_TRUE(recordsNamed("SaveAction").isEmpty());
    }

    SmallDisk disk;
};

} // namespace

TEST_F(SaveFaults, AReadOnlyFolderAndAReadOnlyFileRefuseTheSave)
{
    BRISKO_NEED_SMALL_DISK(disk);
    const QString existing = disk.filePath("Mine.brsk");
    changedDesignSavedTo(existing);
    BRISKO_NEED_READ_ONLY_DISK(disk);
    expectRefusedSave(existing, "is not writable"); // onto a read-only file
    expectRefusedSave(disk.filePath("Fresh.brsk"), "Read-only file system"); // a new file in a read-only folder
    EXPECT_FALSE(QFile::exists(disk.filePath("Fresh.brsk")));
    EXPECT_TRUE(disk.setReadOnly(false));
}

TEST_F(SaveFaults, AMissingFolderAndAFullDiskRefuseTheSave)
{
    changedDesignSavedTo(path("Mine.brsk"));
    expectRefusedSave(path("gone/Mine.brsk"), "No such file or directory");
    BRISKO_NEED_SMALL_DISK(disk);
    const QString onDisk = disk.filePath("Mine.brsk");
    ASSERT_TRUE(WriteDesignFile(onDisk, session.design(), session.materials(), "Mine", nullptr));
    disk.fill();
    expectRefusedSave(onDisk, "No space left on device");
    disk.makeRoom();
    prompter.answerFile(onDisk);
    EXPECT_TRUE(SaveDesignAs(session));
    EXPECT_TRUE(session.designs().entry(session.app().CurrentDesign).Saved);
}

#ifdef BRISKO_SAVE_LOOP_TOOL
// How many saves are killed; BRISKO_KILL_CASES asks for more than the 20 of a normal run.
static int killCases()
{
    const int asked = qEnvironmentVariableIntValue("BRISKO_KILL_CASES");
    return asked > 0 ? asked : 20;
}

// A process saving over the same file again and again is killed with SIGKILL at a
// random moment: what is left under the file's name is one of the two versions, whole.
TEST(SaveKilled, TheTargetIsAlwaysTheOldOrTheNewFile)
{
    QTemporaryDir dir;
    const QString target = dir.filePath("Target.brsk");
    QRandomGenerator random(4242);
    QByteArray versions[2];
    int seen[2] = {0, 0};
    const int cases = killCases();
    for (int i = 0; i < cases; ++i) {
        QProcess saver;
        saver.start(QStringLiteral(BRISKO_SAVE_LOOP_TOOL), {target, dir.path()});
        ASSERT_TRUE(saver.waitForStarted());
        ASSERT_TRUE(saver.waitForReadyRead(10000));
        ASSERT_EQ(saver.readLine().trimmed(), "ready");
        if (i == 0) {
            versions[0] = checksumOf(dir.filePath("old.brsk"));
            versions[1] = checksumOf(dir.filePath("new.brsk"));
            ASSERT_NE(versions[0], versions[1]);
        }
        QThread::usleep(random.bounded(1000, 40000));
        saver.kill(); // SIGKILL
        ASSERT_TRUE(saver.waitForFinished(10000));
        if (!QFile::exists(target))
            continue; // killed before its first save
        const QByteArray left = checksumOf(target);
        ASSERT_TRUE(left == versions[0] || left == versions[1]) << "case " << i << ": a partial file";
        ++seen[left == versions[1] ? 1 : 0];
    }
    RecordProperty("old", seen[0]);
    RecordProperty("new", seen[1]);
    EXPECT_GT(seen[0] + seen[1], 0);
}
#endif
