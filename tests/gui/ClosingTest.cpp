#include "ProgramFixture.h"

namespace brisko::gui::test {

class Closing : public ProgramFixture {
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        startWithPortfolio();
    }
};

TEST_F(Closing, QuitWritesProgramEndLast)
{
    click("VPPropBtn");
    trigger("Quit1");
    const QStringList record = lastRecord();
    EXPECT_EQ(field(record, 1), "-1");
    EXPECT_EQ(field(record, 2), "62");
    EXPECT_EQ(field(record, 3), "4.0.2");
    EXPECT_EQ(field(record, 14), "ProgramEnd");
    EXPECT_EQ(records().size(), 3);
    EXPECT_TRUE(program->hasEnded());
    EXPECT_FALSE(win().isVisible());
}

TEST_F(Closing, CancellingTheSaveQuestionKeepsTheWindowOpen)
{
    win().session().markCurrentDesignChanged();
    prompter.answerConfirm(Answer::Cancel);
    win().close();
    EXPECT_TRUE(win().isVisible());
    prompter.answerConfirm(Answer::Yes);
    prompter.answerFile(QString()); // the save dialog cancelled
    win().close();
    EXPECT_TRUE(win().isVisible());
    EXPECT_FALSE(program->hasEnded());
    EXPECT_EQ(records().size(), 1);
    prompter.answerConfirm(Answer::No); // the preset stays as it was
    win().close();
    EXPECT_TRUE(program->hasEnded());
    EXPECT_EQ(field(lastRecord(), 14), "ProgramEnd");
}

TEST_F(Closing, ALostPortfolioDoesNotKeepTheProgramFromEnding)
{
    ASSERT_TRUE(QFile::remove(portfolioPath()));
    prompter.clear();
    trigger("Quit1");
    EXPECT_EQ(prompter.messageTexts().size(), 1);
    EXPECT_TRUE(program->hasEnded());
    EXPECT_FALSE(QFile::exists(portfolioPath()));
}

TEST_F(Closing, ASecondCloseRecordsNothingMore)
{
    trigger("Quit1");
    win().close();
    const auto all = records();
    EXPECT_EQ(all.size(), 2);
}

} // namespace brisko::gui::test
