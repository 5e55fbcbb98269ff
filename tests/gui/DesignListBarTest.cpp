#include "ScriptedPrompter.h"
#include "mainwin/DesignListBar.h"
#include "session/Session.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace brisko;
using namespace brisko::test;

namespace {

class DesignListBarTest : public ::testing::Test {
protected:
    QComboBox* box() const { return bar.findChild<QComboBox*>("DesignList"); }
    QPushButton* button(const char* name) const { return bar.findChild<QPushButton*>(name); }

    ScriptedPrompter prompter;
    Session session{prompter};
    gui::DesignListBar bar{session, nullptr};
};

} // namespace

TEST_F(DesignListBarTest, ShowsTheListAndItsButtons)
{
    ASSERT_NE(box(), nullptr);
    EXPECT_TRUE(box()->isEditable());
    EXPECT_EQ(box()->toolTip(), "Select an existing car design, or edit the name of a custom design.");
    for (const char* name : {"NewBtn", "OpenBtn", "SaveBtn", "RenameBtn", "RemoveBtn"})
        EXPECT_NE(button(name), nullptr) << name;
    EXPECT_EQ(box()->count(), 5);
    EXPECT_EQ(box()->itemText(0), "Default design");
    EXPECT_EQ(box()->currentText(), "Default design");
}

TEST_F(DesignListBarTest, NewAddsAnUntitledDesignAndSelectsIt)
{
    QTest::mouseClick(button("NewBtn"), Qt::LeftButton);
    ASSERT_EQ(box()->count(), 6);
    EXPECT_EQ(box()->currentIndex(), 5);
    EXPECT_TRUE(box()->currentText().startsWith("Untitled design ")) << box()->currentText().toStdString();
    EXPECT_EQ(session.app().CurrentDesign, 5);
}

TEST_F(DesignListBarTest, CancelInTheSaveQuestionKeepsTheSelection)
{
    button("NewBtn")->click(); // an unsaved design
    const QString name = box()->currentText();
    box()->setCurrentIndex(2);
    emit box()->activated(2); // as a click on "Pickup" does
    ASSERT_EQ(prompter.promptsOf(Prompt::Confirm).size(), 1);
    EXPECT_EQ(box()->currentIndex(), 5);
    EXPECT_EQ(box()->currentText(), name);
    EXPECT_EQ(session.app().CurrentDesign, 5);
}

TEST_F(DesignListBarTest, EnterNamesTheCurrentDesign)
{
    button("NewBtn")->click();
    box()->lineEdit()->selectAll();
    QTest::keyClicks(box()->lineEdit(), "Speedy");
    QTest::keyClick(box()->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(session.designs().entry(5).Name, "Speedy");
    EXPECT_EQ(box()->itemText(5), "Speedy");
    EXPECT_EQ(box()->count(), 6);
}

// Editing the box's text is editing the current design's name: what Save proposes
// and what the list shows follow the typing, with or without Enter.
TEST_F(DesignListBarTest, TypingInTheBoxNamesTheCurrentDesign)
{
    button("NewBtn")->click();
    box()->lineEdit()->selectAll();
    QTest::keyClicks(box()->lineEdit(), "Speedy");
    EXPECT_EQ(session.designs().entry(5).Name, "Speedy");
    EXPECT_EQ(box()->itemText(5), "Speedy");
    EXPECT_EQ(box()->currentText(), "Speedy");

    button("SaveBtn")->click(); // the dialog is cancelled
    const auto saves = prompter.promptsOf(Prompt::SaveFile);
    ASSERT_EQ(saves.size(), 1);
    EXPECT_EQ(saves[0].file.proposedName, "Speedy.brsk");

    // Typing in the middle of the name keeps the cursor where it was.
    box()->lineEdit()->setCursorPosition(1);
    QTest::keyClicks(box()->lineEdit(), "x");
    EXPECT_EQ(box()->currentText(), "Sxpeedy");
    EXPECT_EQ(box()->lineEdit()->cursorPosition(), 2);
    EXPECT_EQ(session.designs().entry(5).Name, "Sxpeedy");
}

// The box may show another entry's name (after "Save..." from a preset): leaving it
// finishes its edit, which must not switch designs or ask anything.
TEST_F(DesignListBarTest, LeavingTheBoxWithAnotherEntrysNameShownSwitchesNothing)
{
    session.markCurrentDesignChanged();
    box()->setEditText(QStringLiteral("Racer"));
    emit box()->lineEdit()->editingFinished();
    EXPECT_EQ(session.app().CurrentDesign, 0);
    EXPECT_TRUE(prompter.prompts().isEmpty());
}
