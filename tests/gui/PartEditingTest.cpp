#include "ScriptedPrompter.h"
#include "SessionArrangement.h"
#include "dialogs/PFWin.h"
#include "mainwin/DriveBox.h"
#include "mainwin/SetStatePanel.h"
#include "session/Session.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace brisko;
using namespace brisko::gui;

namespace {

using Rec = QStringList;

class PartEditingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        QString error;
        ASSERT_TRUE(session.attachPortfolio(dir.filePath("p.brdp"), &error)) << error.toStdString();
        QObject::connect(&session.notifier(), &SessionNotifier::refreshRequested, [this] { ++refreshes; });
        panel.show();
    }

    template <typename T = QWidget>
    T* control(QWidget& window, const char* name)
    {
        auto* found = window.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QLineEdit* field(const char* name) { return control<QLineEdit>(panel, name); }

    static void focus(QWidget* w, QEvent::Type type)
    {
        QFocusEvent event(type, Qt::TabFocusReason);
        QApplication::sendEvent(w, &event);
    }
    static void enter(QWidget* w) { focus(w, QEvent::FocusIn); }
    static void leave(QWidget* w) { focus(w, QEvent::FocusOut); }

    // Enters the field, empties it with the keyboard and types `text`.
    static void retype(QLineEdit* edit, const QString& text)
    {
        enter(edit);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }

    // Stage, code, value 1 and description of every record written so far.
    std::vector<Rec> records() const
    {
        QFile file(session.portfolio().path());
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        std::vector<Rec> out;
        for (const QByteArray& line : file.readAll().split('\n')) {
            const QStringList f = QString::fromLatin1(line).trimmed().split(',');
            if (f.size() == 22)
                out.push_back({f[0], f[1], f[2], f[13]});
        }
        return out;
    }

    QTemporaryDir dir;
    test::ScriptedPrompter prompter;
    Session session{prompter};
    SetStatePanel panel{session, nullptr};
    DriveBox driveBox{session.entry(), nullptr};
    TPFWin preferences{session.entry(), nullptr};
    int refreshes = 0;
};

const QString kSpringWidthMsg =
    "The spring width must be positive, no less than 0.1 inch, and no more than 6 inches.";

} // namespace

TEST_F(PartEditingTest, LettersInTheSpringWidthRestoreTheOldWidth)
{
    QLineEdit* width = field("SpringWidthEF");
    retype(width, "abc");
    leave(width);
    EXPECT_EQ(prompter.messageTexts(), QStringList{kSpringWidthMsg});
    EXPECT_EQ(width->text(), "1.5");
    EXPECT_EQ(session.design().SpringWidth, "1.5");
}

TEST_F(PartEditingTest, PassingThroughAFieldWritesNothing)
{
    QLineEdit* length = field("SpringLengthEF");
    enter(length);
    leave(length);
    EXPECT_TRUE(records().empty());
    EXPECT_FALSE(control(panel, "ApplyBtn")->isEnabled());
}

TEST_F(PartEditingTest, TypingLeavingAndApplyingTheSpringWidthLogsEachMoment)
{
    QLineEdit* width = field("SpringWidthEF");
    auto* apply = control<QAbstractButton>(panel, "ApplyBtn");
    retype(width, "2");
    EXPECT_TRUE(apply->isEnabled());
    leave(width);
    apply->click();

    // Every change of the text logs: emptying the field, then the typed "2".
    EXPECT_EQ(records(), (std::vector<Rec>{{"0", "14", "", "SetSpringWidth"},
                                           {"0", "14", "2", "SetSpringWidth"},
                                           {"1", "14", "2", "SetSpringWidth"},
                                           {"2", "14", "2", "DoSprWid"}}));
    EXPECT_EQ(refreshes, 1);
    EXPECT_EQ(session.design().SpringWidth, "2");
    EXPECT_FALSE(apply->isEnabled());
}

TEST_F(PartEditingTest, ReshowingTheDesignLogsOnlyTheTextsItChanges)
{
    panel.showDesign();
    EXPECT_TRUE(records().empty());
    brisko::test::arrange(session).design().SpringLength = "48";
    session.showDesignInFields();
    panel.showDesign();
    EXPECT_EQ(field("SpringLengthEF")->text(), "48");
    EXPECT_EQ(records(), (std::vector<Rec>{{"0", "15", "48", "SetSpringLength"}}));
    EXPECT_EQ(session.app().PendingApply[15], 1);
    EXPECT_EQ(session.app().PendingApply[14], 0);
}

TEST_F(PartEditingTest, CaseRatioIsCheckedByTheDesignCheckAndFrictionAtItsBounds)
{
    preferences.open();
    auto* ratio = control<QLineEdit>(preferences, "CaseRatioEF");
    retype(ratio, "150");
    leave(ratio);
    EXPECT_EQ(prompter.messageTexts(),
              QStringList{"The case ratio must be positive, no less than 4 percent, and no more than 99 percent."});
    EXPECT_EQ(ratio->text(), "4.0");

    auto* friction = control<QLineEdit>(preferences, "FrictionEF");
    retype(friction, "0.25");
    leave(friction);
    EXPECT_EQ(session.design().FrictionForce, "0.25");
    retype(friction, "0.2501");
    leave(friction);
    EXPECT_EQ(friction->text(), "0.25");
    EXPECT_EQ(prompter.messageTexts().size(), 2);
    // The refused text, then the accepted one put back.
    const auto logged = records();
    ASSERT_GE(logged.size(), 2u);
    EXPECT_EQ(logged[logged.size() - 2], (Rec{"0", "28", "0.2501", "SetFrictionForce"}));
    EXPECT_EQ(logged.back(), (Rec{"0", "28", "0.25", "SetFrictionForce"}));
    preferences.reject();
}

TEST_F(PartEditingTest, OctagonalThenCancelKeepsTheOctagon)
{
    preferences.open();
    control<QAbstractButton>(preferences, "OctBtn")->click();
    control<QAbstractButton>(preferences, "PFCancelBtn")->click();
    EXPECT_FALSE(preferences.isVisible());
    EXPECT_EQ(session.design().Chamber, ChamberShape::Octagonal);
    EXPECT_EQ(records(), (std::vector<Rec>{{"1", "29", "Octagonal", "SetOctCase"}}));
    preferences.showDesign();
    EXPECT_TRUE(control<QAbstractButton>(preferences, "OctBtn")->isChecked());
}

TEST_F(PartEditingTest, ClickingTheChamberAlreadyChosenIsNoChoice)
{
    brisko::test::arrange(session).designs().entry(0).Saved = true;
    preferences.open();
    auto* circular = control<QAbstractButton>(preferences, "CircBtn");
    ASSERT_TRUE(circular->isChecked());
    circular->click();
    EXPECT_TRUE(records().empty());
    EXPECT_TRUE(session.designs().entry(0).Saved);

    control<QAbstractButton>(preferences, "OctBtn")->click();
    control<QAbstractButton>(preferences, "OctBtn")->click();
    circular->click();
    EXPECT_EQ(records(), (std::vector<Rec>{{"1", "29", "Octagonal", "SetOctCase"},
                                           {"1", "29", "Circular", "SetCircCase"}}));
    EXPECT_FALSE(session.designs().entry(0).Saved);
    EXPECT_EQ(session.design().Chamber, ChamberShape::Circular);

    brisko::test::arrange(session).design().Chamber = ChamberShape::Octagonal; // as a design file sets it
    preferences.showDesign();
    EXPECT_TRUE(control<QAbstractButton>(preferences, "OctBtn")->isChecked());
    EXPECT_EQ(records().size(), 2u) << "showing the design's chamber is no choice";
    preferences.reject();
}

TEST_F(PartEditingTest, PreferencesOkRefusesABadStepSizeAndClosesOtherwise)
{
    preferences.open();
    brisko::test::arrange(session).fields().ElementStepSize = "80";
    control<QAbstractButton>(preferences, "PrefOKBtn")->click();
    EXPECT_TRUE(preferences.isVisible());
    EXPECT_EQ(prompter.messageTexts().value(0),
              "The finite element size must be positive, greater than 2 pixels, and not more than 72 pixels. ");
    brisko::test::arrange(session).fields().ElementStepSize = "9";
    control<QAbstractButton>(preferences, "PrefOKBtn")->click();
    EXPECT_FALSE(preferences.isVisible());
    EXPECT_EQ(refreshes, 1);
}

TEST_F(PartEditingTest, ChoosingMaterialsLogsTheRecordNames)
{
    ASSERT_TRUE(brisko::test::arrange(session).materials().addBoard({"Balsa", "0.25", "0.005"}));
    ASSERT_TRUE(brisko::test::arrange(session).materials().addTread({"Felt", "0.3"}));
    auto* outer = control<QComboBox>(panel, "OuterBodyList");
    ASSERT_EQ(outer->count(), 2);
    EXPECT_EQ(control<QComboBox>(panel, "TreadList")->itemText(0), "Ideal rubber");

    outer->setCurrentIndex(1);
    EXPECT_EQ(session.design().Materials[OuterBodySlot], 1);
    EXPECT_EQ(session.design().Materials[InnerBodySlot], 0);
    EXPECT_EQ(session.app().PendingApply[1], 1);
    EXPECT_TRUE(control(panel, "ApplyBtn")->isEnabled());

    auto* tread = control<QComboBox>(panel, "TreadList");
    tread->setCurrentIndex(1);
    tread->setCurrentIndex(0);
    EXPECT_EQ(records(), (std::vector<Rec>{{"1", "1", "Balsa", "OutrBrd:Balsa"},
                                           {"1", "8", "Felt", "TreadMatl:Felt"},
                                           {"1", "8", "Ideal Rubber", "TreadMatl:Ideal Rubber"}}));
    control<QAbstractButton>(panel, "ApplyBtn")->click();
    EXPECT_EQ(refreshes, 0);
}

TEST_F(PartEditingTest, AllWheelDriveDisablesTheOtherWheelAndRearDriveBringsItBack)
{
    QLineEdit* otherWheel = field("OtherWhlDiaEF");
    control<QAbstractButton>(driveBox, "AWDBtn")->click();
    EXPECT_FALSE(otherWheel->isEnabled());
    EXPECT_EQ(session.design().Drive, DriveType::AWD);
    control<QAbstractButton>(driveBox, "RWDBtn")->click();
    EXPECT_TRUE(otherWheel->isEnabled());
    EXPECT_EQ(otherWheel->text(), "1.75");
    EXPECT_TRUE(control<QAbstractButton>(driveBox, "RWDBtn")->isChecked());
    EXPECT_FALSE(control<QAbstractButton>(driveBox, "AWDBtn")->isChecked());
    EXPECT_EQ(control<QAbstractButton>(driveBox, "AWDBtn")->text(), "Four wheel drive");
    EXPECT_EQ(refreshes, 2);
}

TEST_F(PartEditingTest, SelectingTheDriveAxleShowsOnlyItsEditors)
{
    panel.selectPart(6);
    for (const char* shown : {"DriveAxleList", "DriveAxleDiaEF", "DriveAxleLengthEF", "MaterialLabel",
                              "TopParameterLabel", "BottomParameterLabel"})
        EXPECT_FALSE(control(panel, shown)->isHidden()) << shown;
    for (const char* hidden : {"OuterBodyList", "InnerBodyList", "DriveWheelList", "OtherWheelList",
                               "OtherAxleList", "SpringList", "TreadList", "SpringWidthEF", "SpringLengthEF",
                               "OtherAxleDiaEF", "DriveWhlDiaEF", "OtherWhlDiaEF", "OtherAxleLengthEF"})
        EXPECT_TRUE(control(panel, hidden)->isHidden()) << hidden;
    EXPECT_EQ(control<QLabel>(panel, "TopParameterLabel")->text(), "Dia (in):");
    EXPECT_EQ(control<QLabel>(panel, "BottomParameterLabel")->text(), "Length (in):");
    EXPECT_EQ(control<QComboBox>(panel, "PartNameBox")->currentIndex(), 6);
}

TEST_F(PartEditingTest, ThePartBoxSelectsThePartAndNoPartHidesEveryEditor)
{
    control<QComboBox>(panel, "PartNameBox")->setCurrentIndex(3);
    EXPECT_FALSE(control(panel, "DriveWhlDiaEF")->isHidden());
    EXPECT_TRUE(control(panel, "BottomParameterLabel")->isHidden());
    panel.selectPart(-1);
    EXPECT_TRUE(control(panel, "DriveWheelList")->isHidden());
    EXPECT_TRUE(control(panel, "MaterialLabel")->isHidden());
    EXPECT_EQ(control<QComboBox>(panel, "PartNameBox")->currentIndex(), -1);
    EXPECT_EQ(control<QLabel>(panel, "PartAttributesLabel")->text(),
              "Select parts to edit their attributes. Click \"Apply\" to apply your changes.");
}
