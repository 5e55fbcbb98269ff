#include "DesignSamples.h"
#include "SessionArrangement.h"
#include "SessionFixture.h"
#include "persist/DesignFile.h"
#include "session/DesignListEntries.h"
#include "session/DesignListOps.h"
#include "session/DesignRename.h"
#include "session/DesignSaving.h"

#include <QFileInfo>

using namespace brisko;
using namespace brisko::test;

namespace {

class DesignListOps : public SessionFixture {
protected:
    // A saved design file with user materials, the given chamber and drive.
    QString savedDesign(const QString& name, ChamberShape chamber = ChamberShape::Circular, int preset = 1)
    {
        const QString file = path(name + ".brsk");
        WriteDesignFile(file, sampleDesign(preset, DriveType::RWD, chamber), userMaterials(), name, nullptr);
        return file;
    }

    int addEntry(const QString& name, const QString& file = {})
    {
        const int p = appendDesign(session, name, file);
        brisko::test::arrange(session).designs().entry(p).Saved = true;
        return p;
    }

    QStringList names() const
    {
        QStringList out;
        for (const auto& e : session.designs().entries())
            out << e.Name;
        return out;
    }
};

} // namespace

TEST_F(DesignListOps, RenameCleansTheNameAndRefusesLongOnes)
{
    brisko::test::arrange(session).app().CurrentDesign = addEntry("Mine");
    prompter.answerInput(QString("my,car/B"));
    EXPECT_TRUE(RenameDesign(session));
    EXPECT_EQ(session.designs().entry(5).Name, "mycarB");
    EXPECT_EQ(session.designs().entry(5).ListText, "mycarB");
    EXPECT_EQ(session.designListText(), "mycarB");
    EXPECT_FALSE(session.designs().entry(5).Saved);
    const auto input = prompter.promptsOf(Prompt::Input);
    ASSERT_EQ(input.size(), 1);
    EXPECT_EQ(input[0].title, "Input Box");
    EXPECT_EQ(input[0].text, "Please type a new name for Mine");
    EXPECT_EQ(input[0].defaultText, "Mine");
    ASSERT_EQ(prompter.promptsOf(Prompt::Message).size(), 1);
    EXPECT_EQ(prompter.promptsOf(Prompt::Message)[0].title, "Name revised");
    const auto renamed = recordsNamed("RenameAction");
    ASSERT_EQ(renamed.size(), 1);
    EXPECT_EQ(renamed[0].mid(0, 5), QStringList({"-2", "67", "Rename", "Mine", "mycarB"}));

    prompter.clear();
    const QString long33(33, 'x');
    const QString long32(32, 'y');
    prompter.answerInput(long33);
    prompter.answerInput(long32);
    EXPECT_TRUE(RenameDesign(session));
    EXPECT_EQ(prompter.promptsOf(Prompt::Input).size(), 2);
    EXPECT_EQ(prompter.messageTexts(), QStringList({"The car name must be 32 characters or less. "}));
    EXPECT_EQ(prompter.promptsOf(Prompt::Message)[0].title, "Please try again.");
    EXPECT_EQ(session.designs().entry(5).Name, long32);
}

TEST_F(DesignListOps, RenameLeavesPresetsAndUnchangedNamesAlone)
{
    EXPECT_FALSE(RenameDesign(session));
    EXPECT_EQ(prompter.promptsOf(Prompt::Message)[0].title, "Sorry");
    EXPECT_TRUE(prompter.promptsOf(Prompt::Input).isEmpty());

    brisko::test::arrange(session).app().CurrentDesign = addEntry("Same");
    prompter.answerInput(QString("Sa:me"));
    EXPECT_FALSE(RenameDesign(session)); // cleaned to the same name
    prompter.answerInput(std::nullopt);
    EXPECT_FALSE(RenameDesign(session));
    EXPECT_TRUE(session.designs().entry(5).Saved);
    EXPECT_EQ(SanitizeName("a\\b:c,d/e f"), "abcde f");
}

TEST_F(DesignListOps, RemovingEntrySixOfEightMovesTheLaterOnesUp)
{
    addEntry("Sixth", "/d/six.brsk");
    addEntry("Seventh", "/d/seven.brsk");
    addEntry("Eighth", "/d/eight.brsk");
    brisko::test::arrange(session).app().CurrentDesign = 5;
    prompter.answerConfirm(Answer::Yes);
    EXPECT_TRUE(removeCurrentDesign(session));
    EXPECT_EQ(names().mid(5), QStringList({"Seventh", "Eighth"}));
    EXPECT_EQ(session.designs().entry(5).FilePath, "/d/seven.brsk");
    EXPECT_EQ(session.designs().entry(6).FilePath, "/d/eight.brsk");
    EXPECT_EQ(session.app().DesignCount, 7);
    EXPECT_EQ(session.app().CurrentDesign, 0);
    EXPECT_EQ(session.designListText(), "Default design");
    EXPECT_EQ(prompter.promptsOf(Prompt::Confirm)[0].text, "Are you sure that you wish to remove this design from the list?");
    ASSERT_EQ(recordsNamed("RemoveAction").size(), 1);
    EXPECT_EQ(recordsNamed("RemoveAction")[0][3], "Sixth");
}

TEST_F(DesignListOps, RemovingIsRefusedForPresetsAndStopsOnNo)
{
    EXPECT_FALSE(removeCurrentDesign(session));
    EXPECT_EQ(prompter.messageTexts(),
              QStringList({"Default design, Racer, Pickup, Tow Truck, and Wheelie cannot be deleted from the list."}));
    brisko::test::arrange(session).app().CurrentDesign = addEntry("Keep");
    prompter.answerConfirm(Answer::No);
    EXPECT_FALSE(removeCurrentDesign(session));
    EXPECT_EQ(session.designs().count(), 6);
}

TEST_F(DesignListOps, SavingAPresetUnderANewNameAddsAnEntryAndKeepsThePreset)
{
    session.markCurrentDesignChanged();
    prompter.answerFile(path("Fast one.BRSK"));
    EXPECT_TRUE(SaveDesignAs(session));
    const auto request = prompter.promptsOf(Prompt::SaveFile)[0].file;
    EXPECT_EQ(request.title, "Save car as:");
    EXPECT_EQ(request.filter, "Brisko|*.brsk|All Files|*.*");
    EXPECT_EQ(request.proposedName, "My Default Design.brsk");
    EXPECT_EQ(request.folder, QFileInfo(session.portfolio().path()).absolutePath());
    ASSERT_EQ(session.designs().count(), 6);
    EXPECT_EQ(names().first(), "Default Design");
    EXPECT_EQ(session.designs().entry(5).Name, "Fast one");
    EXPECT_EQ(session.designs().entry(5).FilePath, path("Fast one.brsk"));
    EXPECT_TRUE(session.designs().entry(5).Saved);
    EXPECT_FALSE(session.designs().entry(0).Saved);
    EXPECT_EQ(session.app().CurrentDesign, 0);
    EXPECT_EQ(session.designListText(), "Fast one");
    EXPECT_TRUE(QFileInfo::exists(path("Fast one.brsk")));
    ASSERT_EQ(recordsNamed("SaveAction").size(), 1);
    EXPECT_EQ(recordsNamed("SaveAction")[0][3], "Fast one");
}

TEST_F(DesignListOps, SavingAnOwnDesignUnderANewNameRenamesIt)
{
    brisko::test::arrange(session).app().CurrentDesign = addEntry("Old");
    prompter.answerFile(path("New name"));
    EXPECT_TRUE(SaveDesignAs(session));
    EXPECT_EQ(session.designs().count(), 6);
    EXPECT_EQ(session.designs().entry(5).Name, "New name");
    EXPECT_EQ(session.designs().entry(5).ListText, "New name");
    EXPECT_EQ(session.designs().entry(5).FilePath, path("New name.brsk"));
    EXPECT_EQ(prompter.promptsOf(Prompt::SaveFile)[0].file.proposedName, "Old.brsk");
}

TEST_F(DesignListOps, SaveQuestionResultsFollowTheAnswer)
{
    EXPECT_EQ(SaveIfNeeded(session), NothingToSave);
    EXPECT_TRUE(prompter.prompts().isEmpty());

    session.markCurrentDesignChanged();
    prompter.answerConfirm(Answer::No);
    EXPECT_EQ(SaveIfNeeded(session), PresetKept);
    EXPECT_EQ(prompter.promptsOf(Prompt::Confirm)[0].text, "Current design is not saved. Save it?");
    prompter.answerConfirm(Answer::Yes); // and the dialog is cancelled
    EXPECT_EQ(SaveIfNeeded(session), SaveNotDone);

    brisko::test::arrange(session).app().CurrentDesign = addEntry("Mine");
    session.markCurrentDesignChanged();
    prompter.answerConfirm(Answer::Yes);
    prompter.answerFile(path("Mine.brsk"));
    EXPECT_EQ(SaveIfNeeded(session), SavedUnderOwnName);
    EXPECT_EQ(session.designs().entry(5).FilePath, path("Mine.brsk"));

    session.markCurrentDesignChanged();
    prompter.answerConfirm(Answer::Yes);
    prompter.answerFile(path("Other.brsk"));
    EXPECT_EQ(SaveIfNeeded(session), SavedAsNewEntry);
    EXPECT_EQ(names().mid(5), QStringList({"Mine", "Other"}));
    EXPECT_EQ(session.app().CurrentDesign, 5);

    prompter.answerConfirm(Answer::No);
    EXPECT_EQ(SaveIfNeeded(session), EntryRemoved);
    EXPECT_EQ(names().mid(5), QStringList({"Other"}));
    EXPECT_EQ(session.app().CurrentDesign, 0);
}

TEST_F(DesignListOps, CancelInTheSaveQuestionKeepsEverything)
{
    brisko::test::arrange(session).app().CurrentDesign = addEntry("Mine");
    brisko::test::arrange(session).design().SpringWidth = "2.5";
    session.markCurrentDesignChanged();
    const CarDesign before = session.design();
    prompter.answerConfirm(Answer::Cancel);
    EXPECT_FALSE(chooseDesign(session, 2));
    EXPECT_FALSE(newDesignAfterSaving(session));
    EXPECT_FALSE(OpenDesign(session));
    EXPECT_EQ(session.app().CurrentDesign, 5);
    EXPECT_EQ(session.design().SpringWidth, before.SpringWidth);
    EXPECT_EQ(session.designs().count(), 6);
    EXPECT_FALSE(session.designs().entry(5).Saved);
    EXPECT_TRUE(prompter.promptsOf(Prompt::OpenFile).isEmpty());
}

TEST_F(DesignListOps, AFailedSaveLeavesTheEntryUnsavedAndTheOldFileWhole)
{
    brisko::test::arrange(session).app().CurrentDesign = addEntry("Mine");
    const QString good = savedDesign("Mine");
    const QByteArray goodBytes = fileBytes(good);
    session.markCurrentDesignChanged();
    prompter.answerFile(path("no such folder/Mine.brsk"));
    EXPECT_FALSE(SaveDesignAs(session));
    EXPECT_FALSE(session.designs().entry(5).Saved);
    ASSERT_EQ(prompter.promptsOf(Prompt::Message).size(), 1);
    EXPECT_TRUE(prompter.messageTexts()[0].contains(path("no such folder/Mine.brsk")));
    EXPECT_TRUE(recordsNamed("SaveAction").isEmpty());

    prompter.answerConfirm(Answer::Yes);
    prompter.answerFile(path("no such folder/Mine.brsk"));
    EXPECT_EQ(SaveIfNeeded(session), SaveNotDone);
    EXPECT_EQ(fileBytes(good), goodBytes);
}

TEST_F(DesignListOps, OpeningAddsTheFileAsCurrentEntryAndCountsAsTyping)
{
    const QString file = savedDesign("Opened car", ChamberShape::Octagonal);
    prompter.answerFile(file);
    ASSERT_TRUE(OpenDesign(session));
    EXPECT_EQ(prompter.promptsOf(Prompt::OpenFile)[0].file.title, "Choose a .brsk file");
    EXPECT_EQ(prompter.promptsOf(Prompt::OpenFile)[0].file.filter, "All Files|*.*|Brisko|*.brsk");
    EXPECT_EQ(session.app().CurrentDesign, 5);
    EXPECT_EQ(session.designs().entry(5).Name, "Opened car");
    EXPECT_EQ(session.designs().entry(5).FilePath, file);
    EXPECT_TRUE(session.designs().entry(5).Saved);
    EXPECT_EQ(session.designListText(), "Opened car");
    EXPECT_EQ(session.materials(), userMaterials());
    EXPECT_EQ(session.fields().dimension(18), "4.80");
    EXPECT_EQ(session.fields().CaseRatio, "12.5");
    EXPECT_EQ(session.design().Chamber, ChamberShape::Octagonal);
    // The chamber choice counted against the entry current while the file was read.
    EXPECT_FALSE(session.designs().entry(0).Saved);
    EXPECT_EQ(recordsNamed("SetOctCase").size(), 1);
    const auto spring = recordsNamed("SetSpringWidth");
    ASSERT_EQ(spring.size(), 1);
    EXPECT_EQ(spring[0].mid(0, 3), QStringList({"0", "14", "1.50"}));
    EXPECT_TRUE(recordsNamed("SetDriveWhlDia").isEmpty()); // "4.80" was shown already
    EXPECT_EQ(session.app().PendingApply[14], 1);
    EXPECT_EQ(session.app().PendingApply[18], 0);
    EXPECT_EQ(recordsNamed("SetCaseRatio").size(), 1);
    const auto open = recordsNamed("OpenAction");
    ASSERT_EQ(open.size(), 1);
    EXPECT_EQ(open[0].mid(0, 4), QStringList({"-2", "64", "Open", "Opened car"}));
}

TEST_F(DesignListOps, SwitchingToAPresetRestoresTheKeptOtherWheel)
{
    brisko::test::arrange(session).design().OtherWheelDiameter = "2.5";
    brisko::test::arrange(session).design().setDrive(DriveType::AWD);
    brisko::test::arrange(session).design().Chamber = ChamberShape::Octagonal;
    brisko::test::arrange(session).design().Weights[0] = {1, 2, 0.5f};
    EXPECT_TRUE(chooseDesign(session, 3));
    EXPECT_EQ(session.app().CurrentDesign, 3);
    EXPECT_EQ(session.design().Drive, DriveType::RWD);
    EXPECT_EQ(session.design().OtherWheelDiameter, "2.5");
    EXPECT_EQ(session.design().OuterOutline.count(), 30);
    EXPECT_EQ(session.design().InnerOutline.count(), 42);
    EXPECT_EQ(session.design().weightsInUse(), 0);
    EXPECT_EQ(session.design().Chamber, ChamberShape::Octagonal);
    EXPECT_EQ(session.designListText(), "Tow Truck");
    const auto chosen = recordsNamed("DesignListAction");
    ASSERT_EQ(chosen.size(), 1);
    EXPECT_EQ(chosen[0].mid(0, 4), QStringList({"-2", "69", "Change design", "Tow Truck"}));
}

TEST_F(DesignListOps, SwitchingToAFileEntryReadsItAndAnOlderFileLosesItsName)
{
    addEntry("Listed", savedDesign("Stored name"));
    EXPECT_TRUE(chooseDesign(session, 5));
    EXPECT_EQ(session.designs().entry(5).Name, "Stored name");
    EXPECT_EQ(session.designs().entry(5).ListText, "Listed");
    EXPECT_TRUE(session.designs().entry(5).Saved);
    EXPECT_EQ(session.design().Materials, sampleDesign(1, DriveType::RWD, ChamberShape::Circular).Materials);

    const QString old = path("old.brsk");
    writeBytes(old, "x\r\n1\r\n30\r\n3\r\n0.5\r\n1.75\r\n0\r\n9\r\n0\r\n12\r\n14\r\n0\r\n0\r\n1\r\n1\r\n1\r\n1\r\n");
    addEntry("Older", old);
    EXPECT_TRUE(chooseDesign(session, 6));
    EXPECT_EQ(session.designs().entry(6).Name, "");
    EXPECT_EQ(session.designListText(), "");
    EXPECT_EQ(session.design().Drive, DriveType::AWD);
    EXPECT_EQ(session.materials(), MaterialLibrary());
}

TEST_F(DesignListOps, DecliningToSaveOnASwitchEndsOnTheDefaultDesign)
{
    brisko::test::arrange(session).app().CurrentDesign = addEntry("Scratch");
    session.markCurrentDesignChanged();
    prompter.answerConfirm(Answer::No);
    EXPECT_TRUE(chooseDesign(session, 2));
    EXPECT_EQ(session.app().CurrentDesign, 0);
    EXPECT_EQ(session.designs().count(), 5);
}

TEST_F(DesignListOps, NewDesignIsCurrentUnsavedAndLogged)
{
    brisko::test::arrange(session).design().SpringWidth = "3";
    brisko::test::arrange(session).fields().dimension(14) = "3";
    EXPECT_TRUE(newDesignAfterSaving(session));
    EXPECT_EQ(session.app().CurrentDesign, 5);
    const QString name = session.designs().entry(5).Name;
    EXPECT_TRUE(name.startsWith("Untitled design "));
    EXPECT_EQ(session.designListText(), name);
    EXPECT_FALSE(session.designs().entry(5).Saved);
    EXPECT_TRUE(session.designs().entry(5).FilePath.isEmpty());
    EXPECT_EQ(session.design().SpringWidth, "1.5");
    EXPECT_EQ(session.fields().dimension(14), "1.5");
    EXPECT_EQ(session.design().OuterOutline.count(), 4);
    ASSERT_EQ(recordsNamed("NewAction").size(), 1);
    EXPECT_EQ(recordsNamed("NewAction")[0].mid(0, 4), QStringList({"-2", "63", "New", name}));
}

TEST_F(DesignListOps, AFullListRefusesAnotherEntryAndKeepsTheDesign)
{
    while (session.designs().count() < kMaxDesigns)
        addEntry(QString("D%1").arg(session.designs().count()));
    brisko::test::arrange(session).design().SpringWidth = "2";
    EXPECT_FALSE(NewDesign(session));
    EXPECT_EQ(session.designs().count(), kMaxDesigns);
    EXPECT_EQ(session.design().SpringWidth, "2");
    ASSERT_EQ(prompter.promptsOf(Prompt::Message).size(), 1);
    EXPECT_TRUE(prompter.messageTexts()[0].contains("full"));

    prompter.answerFile(savedDesign("Extra"));
    EXPECT_FALSE(OpenDesign(session));
    EXPECT_TRUE(prompter.promptsOf(Prompt::OpenFile).isEmpty());
    EXPECT_EQ(session.design().SpringWidth, "2");
}

TEST_F(DesignListOps, TheBoxNamesTheCurrentEntryAndLeavingItIsLogged)
{
    brisko::test::arrange(session).app().CurrentDesign = addEntry("Mine");
    nameCurrentEntryFromBox(session, "Typed name");
    EXPECT_EQ(session.designs().entry(5).Name, "Typed name");
    EXPECT_EQ(session.designs().entry(5).ListText, "Typed name");
    logCarName(session);
    const auto left = recordsNamed("SetCarName");
    ASSERT_EQ(left.size(), 1);
    EXPECT_EQ(left[0].mid(0, 3), QStringList({"-1", "0", "Typed name"}));

    brisko::test::arrange(session).app().CurrentDesign = 1;
    nameCurrentEntryFromBox(session, "Not a racer");
    EXPECT_EQ(session.designs().entry(1).Name, "Racer");
}
