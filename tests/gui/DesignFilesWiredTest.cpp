// The design files and the closing question through the wired main window.
#include "WiredWindowHelpers.h"


#include <QComboBox>

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
        for (int code = 14; code <= 21; ++code)
            texts << *dimensionByCode(win().session().design, code);
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
    ASSERT_EQ(win().session().app.CurrentDesign, 5);
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
    const int entriesAfterSaving = win().session().designs.count();

    auto* list = widget<QComboBox>("DesignList");
    // The file went to a new entry; the changed preset stays current and unsaved.
    prompter.answerConfirm(Answer::No);
    emit list->activated(1); // another design in between: Racer
    ASSERT_EQ(win().session().app.CurrentDesign, 1);
    ASSERT_NE(dimensionTexts(), saved);

    prompter.answerFile(path);
    trigger("Open1");
    EXPECT_EQ(win().session().designs.count(), entriesAfterSaving + 1);
    EXPECT_EQ(win().session().app.CurrentDesign, entriesAfterSaving);
    EXPECT_EQ(dimensionTexts(), saved);
    EXPECT_EQ(widget<QLineEdit>("SpringWidthEF")->text(), "2");
    EXPECT_EQ(list->count(), entriesAfterSaving + 1);
    EXPECT_EQ(list->currentIndex(), entriesAfterSaving);
}

} // namespace brisko::gui::test
