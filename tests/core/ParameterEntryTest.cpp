#include "ScriptedPrompter.h"
#include "SessionArrangement.h"
#include "session/ParameterEntry.h"
#include "session/Session.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace brisko;

namespace {

const QString kSpringLengthMsg =
    "The spring length must be positive, no less than 3 inches, and no more than 240 inches.";

class ParameterEntryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        QString error;
        ASSERT_TRUE(session.attachPortfolio(dir.filePath("p.brdp"), &error)) << error.toStdString();
        QObject::connect(&session.notifier(), &SessionNotifier::refreshRequested,
                         [this](ProcessState state) { refreshes.push_back(state); });
        QObject::connect(&session.notifier(), &SessionNotifier::fieldTextReset,
                         [this](int code) { resetFields.push_back(code); });
    }

    // Stage, code, value 1 and description of every record written so far.
    std::vector<QStringList> records() const
    {
        QFile file(session.portfolio().path());
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        std::vector<QStringList> out;
        for (const QByteArray& line : file.readAll().split('\n')) {
            const QStringList f = QString::fromLatin1(line).trimmed().split(',');
            if (f.size() == 22)
                out.push_back({f[0], f[1], f[2], f[13]});
        }
        return out;
    }

    void type(int code, const QString& text)
    {
        entry.fieldEnter(code);
        entry.fieldChange(code, text);
        entry.fieldKeyPress(code);
    }

    QTemporaryDir dir;
    test::ScriptedPrompter prompter;
    Session session{prompter};
    ParameterEntry& entry = session.entry();
    std::vector<ProcessState> refreshes;
    std::vector<int> resetFields;
};

using Rec = QStringList;

} // namespace

TEST_F(ParameterEntryTest, TypingThenLeavingLogsChangeAndAcceptanceAndMarksTheDesignChanged)
{
    brisko::test::arrange(session).designs().entry(0).Saved = true;
    type(14, "2");
    EXPECT_EQ(session.app().PendingApply[14], 1);
    EXPECT_TRUE(entry.applyEnabled());
    EXPECT_TRUE(entry.fieldExit(14));
    EXPECT_EQ(session.design().SpringWidth, "2");
    EXPECT_FALSE(session.designs().entry(0).Saved);
    EXPECT_EQ(records(), (std::vector<Rec>{{"0", "14", "2", "SetSpringWidth"}, {"1", "14", "2", "SetSpringWidth"}}));
    EXPECT_EQ(session.app().PendingApply[14], 1); // survives leaving the field
}

TEST_F(ParameterEntryTest, PassingThroughAFieldWritesNothingAndChangesNoFlags)
{
    brisko::test::arrange(session).designs().entry(0).Saved = true;
    entry.fieldEnter(15);
    EXPECT_TRUE(entry.fieldExit(15));
    EXPECT_TRUE(records().empty());
    EXPECT_TRUE(session.designs().entry(0).Saved);
    EXPECT_EQ(session.app().PendingApply[15], 0);
}

TEST_F(ParameterEntryTest, AnUnacceptedValueElsewhereBlocksLeavingAndThisFieldIsPutBack)
{
    type(15, "500"); // spring length left unaccepted (no exit)
    type(14, "2");
    EXPECT_FALSE(entry.fieldExit(14));
    EXPECT_EQ(prompter.messageTexts(), QStringList{kSpringLengthMsg});
    EXPECT_EQ(prompter.prompts().front().title, "Please try again.");
    EXPECT_EQ(session.fields().dimension(14), "1.5");
    EXPECT_EQ(session.design().SpringWidth, "1.5");
    EXPECT_EQ(session.fields().dimension(15), "500"); // the other field keeps its text
    EXPECT_EQ(resetFields, std::vector<int>{14});
}

TEST_F(ParameterEntryTest, ApplyRunsPendingDimensionsInItsOrderWithOneRefreshEach)
{
    type(15, "40");
    type(14, "2");
    type(19, "2");
    type(17, "0.3");
    brisko::test::arrange(session).designs().entry(0).Saved = true;
    entry.apply();

    std::vector<Rec> applied;
    for (const auto& r : records())
        if (r[0] == "2")
            applied.push_back(r);
    EXPECT_EQ(applied, (std::vector<Rec>{{"2", "17", "0.3", "DoOtherAxleDia"},
                                         {"2", "19", "2", "DoOthrWhlDia"},
                                         {"2", "14", "2", "DoSprWid"},
                                         {"2", "15", "40", "DoSprLen"}}));
    EXPECT_EQ(refreshes.size(), 4u);
    EXPECT_EQ(session.design().SpringLength, "40");
    EXPECT_EQ(session.design().OtherAxleDiameter, "0.3");
    EXPECT_FALSE(entry.applyEnabled());
    EXPECT_FALSE(session.designs().entry(0).Saved);
    for (int code : kDimensionCodes)
        EXPECT_EQ(session.app().PendingApply[code], 0) << code;
}

TEST_F(ParameterEntryTest, ApplyPutsARefusedValueBackWithoutRecomputing)
{
    type(15, "240.001");
    entry.apply();
    EXPECT_EQ(prompter.messageTexts(), QStringList{kSpringLengthMsg});
    EXPECT_EQ(session.fields().dimension(15), "36");
    EXPECT_TRUE(refreshes.empty());
    EXPECT_EQ(session.app().PendingApply[15], 0);
}

TEST_F(ParameterEntryTest, MaterialChoiceIsLoggedAndApplyOnlyClosesItOff)
{
    ASSERT_TRUE(brisko::test::arrange(session).materials().addBoard({"Balsa", "0.25", "0.005"}));
    brisko::test::arrange(session).designs().entry(0).Saved = true;
    entry.materialChange(OuterBodySlot, 1);
    EXPECT_EQ(session.design().Materials[OuterBodySlot], 1);
    EXPECT_EQ(session.design().Materials[InnerBodySlot], 0);
    EXPECT_EQ(session.app().PendingApply[1], 1);
    EXPECT_TRUE(entry.applyEnabled());
    EXPECT_FALSE(session.designs().entry(0).Saved);
    entry.materialChange(TreadSlot, 0);
    EXPECT_EQ(records(), (std::vector<Rec>{{"1", "1", "Balsa", "OutrBrd:Balsa"},
                                           {"1", "8", "Ideal Rubber", "TreadMatl:Ideal Rubber"}}));

    entry.apply();
    EXPECT_TRUE(refreshes.empty());
    EXPECT_EQ(session.app().PendingApply[1], 0);
    EXPECT_EQ(session.app().PendingApply[8], 0);
    EXPECT_FALSE(entry.applyEnabled());
    EXPECT_EQ(records().size(), 2u);
}

TEST_F(ParameterEntryTest, MaterialIndexOutsideTheLibraryIsIgnored)
{
    entry.materialChange(SpringSlot, 3);
    entry.materialChange(SpringSlot, -1);
    EXPECT_EQ(session.design().Materials[SpringSlot], 0);
    EXPECT_TRUE(records().empty());
}

TEST_F(ParameterEntryTest, DriveSwitchKeepsTheOtherWheelTextAndRecomputes)
{
    entry.chooseDrive(DriveType::AWD);
    brisko::test::arrange(session).design().OtherWheelDiameter = "7.5"; // a refresh may correct it meanwhile
    entry.chooseDrive(DriveType::RWD);
    EXPECT_EQ(session.design().OtherWheelDiameter, "1.75");
    EXPECT_EQ(session.fields().dimension(19), "1.75");
    EXPECT_EQ(records(), (std::vector<Rec>{{"1", "11", "AllWD", "SetDrive"},
                                           {"2", "11", "AllWD", "DoDrive"},
                                           {"1", "11", "RearWD", "SetDrive"},
                                           {"2", "11", "RearWD", "DoDrive"}}));
    EXPECT_EQ(refreshes.size(), 2u);
}

TEST_F(ParameterEntryTest, SwitchingBetweenRearAndFrontDriveKeepsAnAcceptedOtherWheel)
{
    type(19, "2");
    ASSERT_TRUE(entry.fieldExit(19));
    entry.chooseDrive(DriveType::FWD);
    EXPECT_EQ(session.design().OtherWheelDiameter, "2");
    EXPECT_EQ(session.fields().dimension(19), "2");
}

TEST_F(ParameterEntryTest, ChoosingAllWheelDriveShowsTheAcceptedOtherWheelInItsDisabledField)
{
    type(19, "99"); // never accepted
    entry.chooseDrive(DriveType::AWD);
    EXPECT_EQ(session.fields().dimension(19), "1.75");
    type(14, "2");
    EXPECT_TRUE(entry.fieldExit(14)); // not blocked by a field the student can no longer edit
}

TEST_F(ParameterEntryTest, PreferenceFieldsLogWithoutPendingApply)
{
    type(kCaseRatioField, "5");
    EXPECT_TRUE(entry.fieldExit(kCaseRatioField));
    EXPECT_EQ(session.design().CaseRatio, "5");
    EXPECT_EQ(session.app().PendingApply, decltype(session.app().PendingApply){}); // no slot at all: the codes 25 and 28 have none
    type(kFrictionField, "0.2501");
    EXPECT_FALSE(entry.fieldExit(kFrictionField));
    EXPECT_EQ(session.fields().FrictionForce, "0.05");
    EXPECT_EQ(records(), (std::vector<Rec>{{"0", "25", "5", "SetCaseRatio"},
                                           {"1", "25", "5", "SetCaseRatio"},
                                           {"0", "28", "0.2501", "SetFrictionForce"}}));
}

TEST_F(ParameterEntryTest, ChamberChoiceAndPreferencesOk)
{
    entry.chooseChamber(ChamberShape::Octagonal);
    EXPECT_EQ(session.design().Chamber, ChamberShape::Octagonal);
    entry.chooseChamber(ChamberShape::Circular);
    EXPECT_EQ(records(), (std::vector<Rec>{{"1", "29", "Octagonal", "SetOctCase"},
                                           {"1", "29", "Circular", "SetCircCase"}}));

    brisko::test::arrange(session).fields().ElementStepSize = "1";
    EXPECT_FALSE(entry.preferencesOk());
    EXPECT_TRUE(refreshes.empty());
    brisko::test::arrange(session).fields().ElementStepSize = "9";
    EXPECT_TRUE(entry.preferencesOk());
    EXPECT_EQ(refreshes, std::vector<ProcessState>{ProcessState::Set});
}

TEST_F(ParameterEntryTest, ResumingTheSameFieldContinuesTheEdit)
{
    type(14, "2");
    entry.fieldEnter(14); // focus came back from another window
    EXPECT_TRUE(entry.fieldExit(14));
    EXPECT_EQ(records().back(), (Rec{"1", "14", "2", "SetSpringWidth"}));
}
