#include "ProgramFixture.h"
#include "SessionArrangement.h"

#include "mainwin/PanelColours.h"
#include "mainwin/SetStatePanel.h"

#include <QCoreApplication>
#include <QFrame>
#include <QPushButton>

namespace brisko::gui::test {

namespace {

struct StateCase {
    const char* button;
    ProcessState state;
    const char* stage;
    const char* code;
    const char* description;
    const char* panel; // shown in the state; nullptr for none
};

const StateCase kStates[] = {
    {"VPBuildBtn", ProcessState::Build, "3", "201", "VPBuild", "Play3DPanel"},
    {"VPPropBtn", ProcessState::Prop, "4", "301", "VPProperties", "PropStatePanel"},
    {"VPDynPerfBtn", ProcessState::Dynamic, "5", "401", "VPDynamic", "DynamicStatePanel"},
    {"VPRaceBtn", ProcessState::Race, "6", "501", "VPRace", "RaceStatePanel"},
    {"VPPreviewBtn", ProcessState::Preview, "7", "601", "VPPreview", "PreviewStatePanel"},
    {"VPPrintBtn", ProcessState::Print, "8", "701", "VPPrint", nullptr},
    {"VPSetBtn", ProcessState::Set, "1", "101", "VPSet", "SetStatePanel"},
};

const char* kPanels[] = {"SetStatePanel", "Play3DPanel", "PropStatePanel", "ElementSizeGroupBox",
                         "DynamicStatePanel", "DynamicPanel", "RaceStatePanel", "PreviewStatePanel"};

} // namespace

class StateButtons : public ProgramFixture {
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        startWithPortfolio();
    }

    void expectOnlyPanelShown(const char* shown)
    {
        for (const char* panel : kPanels) {
            const bool expected = shown && (QByteArray(panel) == shown || (QByteArray(shown) == "PropStatePanel"
                                                                            && QByteArray(panel) == "ElementSizeGroupBox")
                                            || (QByteArray(shown) == "DynamicStatePanel"
                                                && QByteArray(panel) == "DynamicPanel"));
            EXPECT_EQ(!widget(panel)->isHidden(), expected) << panel << " while in " << (shown ? shown : "Print");
        }
    }
};

TEST_F(StateButtons, EachButtonSwitchesPanelsAndLogsItsRecord)
{
    for (const StateCase& c : kStates) {
        SCOPED_TRACE(c.button);
        click(c.button);
        EXPECT_EQ(win().session().app().CurrentState, c.state);
        EXPECT_TRUE(widget<QAbstractButton>(c.button)->isChecked());
        expectOnlyPanelShown(c.panel);
        const QStringList record = lastRecord();
        ASSERT_EQ(record.size(), 22);
        EXPECT_EQ(field(record, 1), c.stage);
        EXPECT_EQ(field(record, 2), c.code);
        EXPECT_EQ(field(record, 14), c.description);
        if (c.state != ProcessState::Race)
            for (int value = 3; value <= 6; ++value)
                EXPECT_EQ(field(record, value), "-");
    }
    EXPECT_EQ(records().size(), 1 + std::size(kStates));
}

TEST_F(StateButtons, ToolPanelAndDriveBoxCarryThePanelColourOnlyInSet)
{
    QWidget* tools = widget("SetStateToolPanel");
    QWidget* drive = widget("DriveBox");
    EXPECT_EQ(panelColourOf(tools), QColor(0, 170, 255));
    click("VPBuildBtn");
    EXPECT_EQ(panelColourOf(tools), kSilver);
    EXPECT_EQ(panelColourOf(drive), kSilver);
    EXPECT_FALSE(widget("DrawOuterBtn")->isEnabled());
    click("VPSetBtn");
    EXPECT_EQ(panelColourOf(tools), QColor(0, 170, 255));
    EXPECT_EQ(panelColourOf(drive), QColor(0, 170, 255));
    EXPECT_TRUE(widget("DrawOuterBtn")->isEnabled());
}

TEST_F(StateButtons, PressingTheCurrentStateAgainLogsAgain)
{
    click("VPPropBtn");
    click("VPPropBtn");
    const auto all = records();
    ASSERT_EQ(all.size(), 3);
    EXPECT_EQ(field(all[1], 14), "VPProperties");
    EXPECT_EQ(field(all[2], 14), "VPProperties");
    EXPECT_FALSE(widget("PropStatePanel")->isHidden());
}

TEST_F(StateButtons, RaceCountsTheSimulatedAmongTheFirstSixteen)
{
    auto& designs = brisko::test::arrange(win().session()).designs();
    designs.entry(1).Simulated = true;
    designs.entry(3).Simulated = true;
    for (int i = designs.count(); i < 18; ++i)
        designs.append({QStringLiteral("d%1").arg(i), QStringLiteral("d%1").arg(i), {}, true, true});
    // entries 5..15 simulated: 11 of them, plus 2 presets, plus the current design
    // (position 0), which the race refresh has just run; 16 and 17 are beyond the track
    click("VPRaceBtn");
    EXPECT_TRUE(designs.entry(0).Simulated);
    EXPECT_EQ(field(lastRecord(), 3), "14");
}

TEST_F(StateButtons, SimulateResetsTheElementSizeAndStartsAtTheFirstStep)
{
    brisko::test::arrange(win().session()).design().ElementStepSize = QStringLiteral("36");
    click("VPDynPerfBtn");
    EXPECT_EQ(win().session().design().ElementStepSize, "9");
    EXPECT_EQ(win().perState().dynamicStep, 1);
    auto* propulsion = win().image()->findChild<QFrame*>(QStringLiteral("PropulsionLeftShape"));
    EXPECT_FALSE(propulsion->isHidden());
    EXPECT_GT(propulsion->width(), 0); // the first frame is drawn at once
    click("VPPropBtn");
    EXPECT_TRUE(propulsion->isHidden());
    EXPECT_EQ(win().perState().dynamicStep, 0);
}

TEST_F(StateButtons, PrintShowsThePaperPrototypeWindowAfterItsRecord)
{
    prompter.clear();
    click("VPPrintBtn");
    EXPECT_TRUE(prompter.promptsOf(Prompt::Print).isEmpty()) << "the window asks for the printer at Print";
    EXPECT_TRUE(win().findChild<QWidget*>(QStringLiteral("PPWin"))->isVisible());
    EXPECT_EQ(field(lastRecord(), 14), "VPPrint");
}

TEST_F(StateButtons, SetDisablesApplyAndBuildTheStepButtons)
{
    auto* apply = widget<QPushButton>("ApplyBtn");
    win().setPanel()->setApplyEnabled(true);
    ASSERT_TRUE(apply->isEnabled());
    click("VPSetBtn");
    EXPECT_FALSE(apply->isEnabled());
    click("VPBuildBtn");
    EXPECT_FALSE(widget("StepForward3DBtn")->isEnabled());
    EXPECT_FALSE(widget("ToEnd3DBtn")->isEnabled());
}

TEST_F(StateButtons, ARefreshInsideARefreshIsIgnored)
{
    click("VPPropBtn");
    int runs = 0;
    QObject::connect(&win().session().notifier(), &SessionNotifier::refreshed, [&] {
        ++runs;
        win().RefreshState(ProcessState::Prop);
    });
    win().RefreshState(ProcessState::Prop);
    EXPECT_EQ(runs, 1);
    win().RefreshState(ProcessState::Prop);
    EXPECT_EQ(runs, 2); // the guard is released after each refresh
}

TEST_F(StateButtons, ADeletedPortfolioIsReportedAndNotRecreated)
{
    ASSERT_TRUE(QFile::remove(portfolioPath()));
    prompter.clear();
    click("VPBuildBtn");
    const QStringList messages = prompter.messageTexts();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(portfolioPath()));
    EXPECT_FALSE(QFile::exists(portfolioPath()));
    EXPECT_EQ(win().session().app().CurrentState, ProcessState::Build);
    click("VPPrintBtn"); // stops at its record: no print window
    EXPECT_TRUE(prompter.promptsOf(Prompt::Print).isEmpty());
    EXPECT_FALSE(win().findChild<QWidget*>(QStringLiteral("PPWin"))->isVisible());
}

TEST_F(StateButtons, ResizingInPrintReturnsToSet)
{
    click("VPPrintBtn");
    win().showNormal();
    win().resize(900, 700);
    QCoreApplication::processEvents();
    win().resize(1000, 760);
    QCoreApplication::processEvents();
    EXPECT_EQ(win().session().app().CurrentState, ProcessState::Set);
    EXPECT_TRUE(widget<QAbstractButton>("VPSetBtn")->isChecked());
    EXPECT_FALSE(widget("SetStatePanel")->isHidden());
}

TEST_F(StateButtons, ResizingInOtherStatesRefreshesThem)
{
    click("VPRaceBtn");
    int raceRefreshes = 0;
    QObject::connect(&win().session().notifier(), &SessionNotifier::refreshed, [&](ProcessState state) {
        raceRefreshes += state == ProcessState::Race;
    });
    win().showNormal();
    win().resize(900, 700);
    QCoreApplication::processEvents();
    EXPECT_GE(raceRefreshes, 1);
    EXPECT_EQ(win().session().app().CurrentState, ProcessState::Race);
}

} // namespace brisko::gui::test
