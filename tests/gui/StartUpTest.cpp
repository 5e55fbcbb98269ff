#include "ProgramFixture.h"
#include "SessionArrangement.h"

#include "dialogs/TPortfolioWin.h"
#include "output/TAbout.h"

#include <QCoreApplication>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

#include <sys/stat.h>

namespace brisko::gui::test {

using StartUp = ProgramFixture;

TEST_F(StartUp, OpensWithTheAboutBoxAndNothingElse)
{
    program->start();
    auto* about = widget<QDialog>("About");
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(about->windowTitle(), "About Brisko");
    EXPECT_EQ(about->palette().color(QPalette::Window), QColor(255, 221, 187));
    EXPECT_EQ(widget<QLabel>("Label1")->text(), "Version 4.0.3a");
    EXPECT_EQ(widget<QLabel>("Label3")->text(), "30 Nov 01");
    EXPECT_EQ(widget<QLabel>("Label2")->text(), "Download latest version");
    EXPECT_FALSE(win().isVisible());
    EXPECT_FALSE(widget<QDialog>("PortfolioWin")->isVisible());
    EXPECT_FALSE(program->hasStarted());
}

TEST_F(StartUp, ChoosingAPortfolioLogsOneProgramStartFirst)
{
    startWithPortfolio();

    const auto saves = prompter.promptsOf(Prompt::SaveFile);
    ASSERT_EQ(saves.size(), 1);
    EXPECT_EQ(saves[0].file.title, "Save my work in this Design Portfolio:");
    EXPECT_EQ(saves[0].file.filter, "Brisko Design Portfolio|*.brdp");
    EXPECT_EQ(saves[0].file.folder, QCoreApplication::applicationDirPath());
    EXPECT_TRUE(saves[0].file.proposedName.isEmpty());
    EXPECT_FALSE(saves[0].file.confirmOverwrite); // an existing portfolio is chosen without a replace question

    const auto all = records();
    ASSERT_EQ(all.size(), 1);
    EXPECT_EQ(all[0].size(), 22);
    EXPECT_EQ(field(all[0], 1), "-1");
    EXPECT_EQ(field(all[0], 2), "61");
    EXPECT_EQ(field(all[0], 3), "4.0.2");
    EXPECT_EQ(field(all[0], 14), "ProgramStart");

    EXPECT_FALSE(widget<QDialog>("PortfolioWin")->isVisible());
    EXPECT_TRUE(win().isVisible());
    EXPECT_EQ(widget<QLabel>("DirLabel")->text(), portfolioPath());
    EXPECT_EQ(widget<QLabel>("DirLabel")->toolTip(), portfolioPath());
    EXPECT_EQ(win().session().app().CurrentState, ProcessState::Set);
    EXPECT_TRUE(widget<QAbstractButton>("VPSetBtn")->isChecked());
    EXPECT_EQ(win().session().design().OuterOutline.count(), 4); // "Default Design" preset
}

TEST_F(StartUp, ANewPortfolioIsProposedByNameAndAnOldOneAppendedTo)
{
    {
        QFile old(portfolioPath());
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("earlier,run\r\n");
    }
    program->start();
    click("StartDesigningBtn");
    widget<QRadioButton>("NewPortfolioRadio")->setChecked(true);
    prompter.answerFile(dir.filePath(QStringLiteral("Mine.txt"))); // the extension is forced
    click("ContinueBtn");

    const auto saves = prompter.promptsOf(Prompt::SaveFile);
    ASSERT_EQ(saves.size(), 1);
    EXPECT_EQ(saves[0].file.title, "Type a name for your Design Portfolio:");
    EXPECT_EQ(saves[0].file.proposedName, "MyDesignPortfolio.brdp");
    EXPECT_FALSE(saves[0].file.confirmOverwrite);
    const auto all = records();
    ASSERT_EQ(all.size(), 2);
    EXPECT_EQ(all[0], QStringList({"earlier", "run"}));
    EXPECT_EQ(field(all[1], 14), "ProgramStart");
}

TEST_F(StartUp, CancellingTheFileDialogKeepsTheBoxOpenAndQuitEndsWithoutRecords)
{
    program->start();
    click("StartDesigningBtn");
    click("ContinueBtn"); // no scripted file: the dialog is cancelled
    EXPECT_TRUE(widget<QDialog>("PortfolioWin")->isVisible());
    EXPECT_FALSE(program->hasEnded());

    // Only Quit ends the program: Escape and a close request leave the box open.
    QTest::keyClick(widget<QDialog>("PortfolioWin"), Qt::Key_Escape);
    widget<QDialog>("PortfolioWin")->close();
    EXPECT_TRUE(widget<QDialog>("PortfolioWin")->isVisible());
    EXPECT_FALSE(program->hasEnded());

    click("QuitBtn");
    EXPECT_TRUE(program->hasEnded());
    EXPECT_FALSE(win().isVisible());
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
    EXPECT_TRUE(win().session().app().PortfolioPath.isEmpty());
}

// A pipe (or a device, or a folder) chosen as the portfolio is refused with a
// message at once instead of blocking the start-up; the box stays open for another choice.
TEST_F(StartUp, APipeChosenAsThePortfolioIsRefusedAndTheBoxStaysOpen)
{
    const QString pipe = dir.filePath(QStringLiteral("Pipe.brdp"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    program->start();
    click("StartDesigningBtn");
    prompter.answerFile(pipe);
    click("ContinueBtn");
    EXPECT_TRUE(widget<QDialog>("PortfolioWin")->isVisible());
    ASSERT_EQ(prompter.messageTexts().size(), 1);
    EXPECT_EQ(prompter.messageTexts()[0],
              QStringLiteral("The design portfolio \"%1\" cannot be opened: it is a pipe, not a file").arg(pipe));
    EXPECT_TRUE(win().session().app().PortfolioPath.isEmpty());

    prompter.answerFile(portfolioPath());
    click("ContinueBtn");
    EXPECT_FALSE(widget<QDialog>("PortfolioWin")->isVisible());
    EXPECT_EQ(win().session().app().PortfolioPath, portfolioPath());
}

TEST_F(StartUp, PortfolioHelpExplainsInItsOwnWords)
{
    program->start();
    click("StartDesigningBtn");
    click("HelpBtn");
    const auto messages = prompter.promptsOf(Prompt::Message);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].title, "What is a Design Portfolio?");
    EXPECT_EQ(messages[0].text,
              "The Design Portfolio is a file that stores a history of your design progress,\r"
              "allowing you to keep track of the performance of your car designs as they evolve.\r"
              "The directory where you save your Design Portfolio is also where your individual\r"
              "car design files will be saved.");
    EXPECT_TRUE(widget<QDialog>("PortfolioWin")->isVisible());
}

TEST_F(StartUp, AboutFromTheMenuOnlyClosesLater)
{
    startWithPortfolio();
    brisko::test::arrange(win().session()).design().SpringWidth = QStringLiteral("2");
    trigger("AboutBK");
    EXPECT_TRUE(widget<QDialog>("About")->isVisible());
    click("StartDesigningBtn");
    EXPECT_FALSE(widget<QDialog>("About")->isVisible());
    EXPECT_FALSE(widget<QDialog>("PortfolioWin")->isVisible());
    EXPECT_EQ(win().session().design().SpringWidth, "2");
    EXPECT_EQ(records().size(), 1);
    EXPECT_EQ(prompter.promptsOf(Prompt::SaveFile).size(), 1);
}

TEST_F(StartUp, ResizingBeforeTheFirstRefreshDoesNothing)
{
    int refreshes = 0;
    QObject::connect(&win().session().notifier(), &SessionNotifier::refreshed, [&] { ++refreshes; });
    program->start();
    click("StartDesigningBtn"); // the portfolio box is open now
    win().resize(win().width() - 50, win().height() - 40);
    QCoreApplication::processEvents();
    EXPECT_EQ(refreshes, 0);
    prompter.answerFile(portfolioPath());
    click("ContinueBtn");
    EXPECT_EQ(refreshes, 1); // the first refresh of the Set state
}

TEST_F(StartUp, NewDesignIsAddedSelectedUnsavedAndLogged)
{
    startWithPortfolio();
    const int before = win().session().designs().count();
    win().NewDesign();
    const auto& designs = win().session().designs();
    ASSERT_EQ(designs.count(), before + 1);
    const DesignListEntry& entry = designs.entry(before);
    EXPECT_TRUE(entry.Name.startsWith("Untitled design "));
    EXPECT_FALSE(entry.Saved);
    EXPECT_EQ(win().session().app().CurrentDesign, before);
    EXPECT_EQ(win().session().app().DesignCount, before + 1);
    const QStringList record = lastRecord();
    EXPECT_EQ(field(record, 1), "-2");
    EXPECT_EQ(field(record, 2), "63");
    EXPECT_EQ(field(record, 3), "New");
    EXPECT_EQ(field(record, 4), entry.Name);
    EXPECT_EQ(field(record, 11), entry.Name);
    EXPECT_EQ(field(record, 14), "NewAction");
}

} // namespace brisko::gui::test
