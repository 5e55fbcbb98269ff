#include "ProgramFixture.h"

#include "dialogs/TCHWin.h"
#include "mainwin/PanelColours.h"
#include "output/HelpSite.h"

#include <QFrame>
#include <QLabel>
#include <QtTest/QTest>

namespace brisko::gui::test {

class Menus : public ProgramFixture {
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        startWithPortfolio();
        prompter.clear();
    }

    void expectHelpRecord(const QStringList& record, const char* code)
    {
        ASSERT_EQ(record.size(), 22);
        EXPECT_EQ(field(record, 1), "-3");
        EXPECT_EQ(field(record, 2), code);
        for (int number : {3, 4, 5, 6, 15, 16, 17, 18, 19, 20, 21, 22})
            EXPECT_EQ(field(record, number), "-") << "field " << number;
        EXPECT_EQ(field(record, 14), "");
    }
};

TEST_F(Menus, HelpItemsLogThenOpenTheirPages)
{
    const struct {
        const char* action;
        const char* code;
        QString url;
    } items[] = {
        {"HelpWebSite1", "80", helpPageUrl("/help/index.html")},
        {"EducationalMaterials1", "81", helpPageUrl("/briskointroduction.html")},
        {"OnlineDiscussionForum1", "82", helpPageUrl("/forum/")},
        {"BriskoHomePage1", "83", helpPageUrl("/index.html")},
        {"TLAB210HomePage1", "84", kCourseHomePage},
    };
    for (const auto& item : items) {
        SCOPED_TRACE(item.action);
        trigger(item.action);
        expectHelpRecord(lastRecord(), item.code);
        ASSERT_FALSE(urls().isEmpty());
        EXPECT_EQ(urls().last(), item.url);
    }
    EXPECT_TRUE(win().findChild<QAction*>("HelpWebSite1")->text().endsWith(kHelpSiteName));
}

TEST_F(Menus, DownloadOpensItsPageWithoutARecord)
{
    trigger("GotoDownloadPage1");
    EXPECT_EQ(urls(), QStringList{helpPageUrl("/download.html")});
    EXPECT_EQ(records().size(), 1);
}

TEST_F(Menus, PowerDesignIsHiddenAndDisabled)
{
    auto* power = win().findChild<QAction*>("PowerDesign1");
    ASSERT_NE(power, nullptr);
    EXPECT_FALSE(power->isVisible());
    EXPECT_FALSE(power->isEnabled());
}

TEST_F(Menus, ViewDesignHistoryLogsAndShowsTheHistory)
{
    trigger("ViewDesignHistory1");
    const QStringList record = lastRecord();
    EXPECT_EQ(field(record, 1), "-2");
    EXPECT_EQ(field(record, 2), "71");
    EXPECT_EQ(field(record, 3), "ViewDP");
    EXPECT_EQ(field(record, 14), "ViewDP");
    EXPECT_TRUE(win().designHistory()->isVisible());
}

TEST_F(Menus, BackgroundColourRepaintsEveryPanelAndCancelKeepsIt)
{
    const QColor chosen(200, 40, 40);
    prompter.answerColor(chosen);
    trigger("BackgroundColor1");
    const auto colours = prompter.promptsOf(Prompt::Color);
    ASSERT_EQ(colours.size(), 1);
    EXPECT_EQ(colours[0].text, QColor(0, 170, 255).name());
    for (const char* panel : {"SetStatePanel", "BuildStatePanel", "PropStatePanel", "DynamicStatePanel",
                              "RaceStatePanel", "PreviewStatePanel", "SetStateToolPanel", "DriveBox"})
        EXPECT_EQ(panelColourOf(widget(panel)), chosen) << panel;

    trigger("BackgroundColor1"); // cancelled
    EXPECT_EQ(panelColourOf(widget("SetStatePanel")), chosen);
    click("VPBuildBtn");
    click("VPSetBtn");
    EXPECT_EQ(panelColourOf(widget("DriveBox")), chosen); // the new colour returns with the Set state
}

TEST_F(Menus, CaptionsAndForceBarsAreHelpLinks)
{
    QTest::mouseClick(widget("Label7"), Qt::LeftButton);
    expectHelpRecord(lastRecord(), "72");
    EXPECT_EQ(urls().last(), helpPageUrl("/help/h-design.html"));

    click("VPBuildBtn");
    QTest::mouseClick(widget("Label20"), Qt::LeftButton);
    expectHelpRecord(lastRecord(), "87");
    EXPECT_EQ(urls().last(), helpPageUrl("/help/h-outerlayers.html"));

    click("VPPropBtn");
    const int before = records().size();
    QTest::mouseClick(widget("ProjectedMassLabel"), Qt::LeftButton);
    EXPECT_EQ(records().size(), before); // no record for the total mass
    EXPECT_EQ(urls().last(), helpPageUrl("/help/h-totalmass.html"));

    click("VPDynPerfBtn");
    QWidget* propulsion = win().image()->findChild<QFrame*>("PropulsionRightShape");
    propulsion->setGeometry(100, 100, 40, 4);
    QTest::mousePress(propulsion, Qt::LeftButton, {}, QPoint(5, 2));
    expectHelpRecord(lastRecord(), "106");
    EXPECT_EQ(urls().last(), helpPageUrl("/help/h-propulsion.html"));
    QTest::mouseRelease(propulsion, Qt::LeftButton, {}, QPoint(5, 2));
}

TEST_F(Menus, AboutLinksOpenTheSiteWithoutClosingTheBox)
{
    trigger("AboutBK");
    QTest::mouseClick(widget("Label2"), Qt::LeftButton);
    EXPECT_EQ(urls().last(), helpPageUrl("/download.html"));
    QTest::mouseClick(widget("Label4"), Qt::LeftButton);
    EXPECT_EQ(urls().last(), kHelpSiteBase + "/");
    EXPECT_TRUE(widget("About")->isVisible());
    QTest::mouseClick(widget("Image1"), Qt::LeftButton);
    EXPECT_FALSE(widget("About")->isVisible());
}

} // namespace brisko::gui::test
