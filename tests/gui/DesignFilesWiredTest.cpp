// The design files and the closing question through the wired main window.
#include "WiredWindowHelpers.h"
#include "SmallDisk.h"


#include <QComboBox>
#include <QFile>

namespace brisko::gui::test {

class DesignFilesWired : public ProgramFixture {
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        startWithPortfolio();
    }

    QStringList dimensionTexts()
    {
        QStringList texts;
        for (int code : kDimensionCodes)
            texts << *dimensionByCode(win().session().design(), code);
        return texts;
    }
    bool anyRecordNamed(const QString& description)
    {
        return !lastRecordNamed(records(), description).isEmpty();
    }
};

TEST_F(DesignFilesWired, QuittingAnUnsavedDesignAsksAndCancelKeepsTheWindow)
{
    click("NewBtn");
    ASSERT_EQ(win().session().app().CurrentDesign, 5);
    prompter.clear();
    prompter.answerConfirm(Answer::Cancel);
    trigger("Quit1");
    const auto confirms = prompter.promptsOf(Prompt::Confirm);
    ASSERT_EQ(confirms.size(), 1);
    EXPECT_EQ(confirms.first().text, "Current design is not saved. Save it?");
    EXPECT_TRUE(win().isVisible());
    EXPECT_FALSE(program->hasEnded());
    EXPECT_FALSE(anyRecordNamed("ProgramEnd"));
}

TEST_F(DesignFilesWired, ASavedDesignOpensAgainAsANewEntry)
{
    win().setPanel()->selectPart(SpringPart);
    typeInto(widget<QLineEdit>("SpringWidthEF"), "2");
    click("ApplyBtn");
    const QString path = dir.filePath(QStringLiteral("Wide spring.brsk"));
    prompter.answerFile(path);
    trigger("Save1");
    ASSERT_TRUE(QFile::exists(path));
    const QStringList saved = dimensionTexts();
    const int entriesAfterSaving = win().session().designs().count();

    auto* list = widget<QComboBox>("DesignList");
    // The file went to a new entry; the changed preset stays current and unsaved.
    prompter.answerConfirm(Answer::No);
    emit list->activated(1); // another design in between: Racer
    ASSERT_EQ(win().session().app().CurrentDesign, 1);
    ASSERT_NE(dimensionTexts(), saved);

    prompter.answerFile(path);
    trigger("Open1");
    EXPECT_EQ(win().session().designs().count(), entriesAfterSaving + 1);
    EXPECT_EQ(win().session().app().CurrentDesign, entriesAfterSaving);
    EXPECT_EQ(dimensionTexts(), saved);
    EXPECT_EQ(widget<QLineEdit>("SpringWidthEF")->text(), "2");
    EXPECT_EQ(list->count(), entriesAfterSaving + 1);
    EXPECT_EQ(list->currentIndex(), entriesAfterSaving);
}

TEST_F(DesignFilesWired, ARefusedFileShowsItsMessageAndKeepsTheWindowsDesign)
{
    click("NewBtn");
    win().setPanel()->selectPart(SpringPart);
    const QString path = dir.filePath(QStringLiteral("Damaged.brsk"));
    prompter.answerFile(path);
    trigger("Save1");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QList<QByteArray> lines = file.readAll().split('\n');
    file.close();
    lines[3] = "300\r"; // the spring width, far wider than can be typed
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(lines.join('\n'));
    file.close();

    auto* list = widget<QComboBox>("DesignList");
    const QStringList dimensions = dimensionTexts();
    const int entries = list->count();
    const int current = list->currentIndex();
    const QString width = widget<QLineEdit>("SpringWidthEF")->text();
    prompter.clear();
    prompter.answerFile(path);
    trigger("Open1");
    const QStringList messages = prompter.messageTexts();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.first().contains(path) && messages.first().contains("Line 4:")) << messages.first().toStdString();
    EXPECT_EQ(dimensionTexts(), dimensions);
    EXPECT_EQ(list->count(), entries);
    EXPECT_EQ(list->currentIndex(), current);
    EXPECT_EQ(win().session().app().CurrentDesign, current);
    EXPECT_EQ(widget<QLineEdit>("SpringWidthEF")->text(), width);
}

TEST_F(DesignFilesWired, ASaveOnAFullDiskSaysWhyAndLeavesTheDesignUnsavedAndTheFileWhole)
{
    brisko::test::SmallDisk disk;
    BRISKO_NEED_SMALL_DISK(disk);
    click("NewBtn");
    const QString path = disk.filePath(QStringLiteral("Mine.brsk"));
    prompter.answerFile(path);
    trigger("Save1");
    const QByteArray saved = brisko::test::checksumOf(path);
    ASSERT_FALSE(saved.isEmpty());

    win().setPanel()->selectPart(SpringPart);
    typeInto(widget<QLineEdit>("SpringWidthEF"), "2");
    click("ApplyBtn");
    disk.fill();
    prompter.clear();
    prompter.answerFile(path);
    trigger("Save1");
    const QStringList messages = prompter.messageTexts();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.first().contains(path) && messages.first().contains("No space left on device"))
        << messages.first().toStdString();
    EXPECT_EQ(brisko::test::checksumOf(path), saved);
    EXPECT_FALSE(win().session().designs().entry(win().session().app().CurrentDesign).Saved);

    // With room again the same save goes through.
    disk.makeRoom();
    prompter.answerFile(path);
    trigger("Save1");
    EXPECT_TRUE(win().session().designs().entry(win().session().app().CurrentDesign).Saved);
    EXPECT_NE(brisko::test::checksumOf(path), saved);
}

} // namespace brisko::gui::test
