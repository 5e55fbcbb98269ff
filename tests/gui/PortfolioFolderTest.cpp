// Where the portfolio question opens: the program's folder, unless the student
// cannot write there (an installed program), then the documents folder.
#include "ProgramFixture.h"

#include "dialogs/TPortfolioWin.h"

#include <QStandardPaths>

namespace brisko::gui::test {

class PortfolioFolder : public ProgramFixture {
protected:
    QString folderAsked(const QString& programFolder)
    {
        program->portfolioBox().setStartFolder(programFolder);
        program->start();
        click("StartDesigningBtn");
        prompter.clear();
        program->portfolioBox().ContinueBtnClick(); // cancelled: the box stays
        const auto asked = prompter.promptsOf(Prompt::SaveFile);
        return asked.isEmpty() ? QStringLiteral("<not asked>") : asked.first().file.folder;
    }
};

TEST_F(PortfolioFolder, AWritableProgramFolderIsWhereTheQuestionOpens)
{
    EXPECT_EQ(folderAsked(dir.path()), dir.path());
}

TEST_F(PortfolioFolder, AProgramFolderThatCannotBeWrittenSendsItToTheDocuments)
{
    // A folder below a plain file can never be written, not even by the administrator.
    QFile plain(dir.filePath(QStringLiteral("plain")));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    ASSERT_FALSE(documents.isEmpty());
    EXPECT_EQ(folderAsked(dir.filePath(QStringLiteral("plain/bin"))), documents);
}

} // namespace brisko::gui::test
