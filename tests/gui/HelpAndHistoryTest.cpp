// The help links, the About box from the menu and the Design History window,
// through the started program.
#include "ProgramFixture.h"

#include "dialogs/TCHWin.h"
#include "mainwin/HelpLinks.h"
#include "render/HistoryChart.h"
#include "text/NumberText.h"
#include "output/HelpSite.h"
#include "persist/DesignFile.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest/QTest>

namespace brisko::gui::test {

class HelpAndHistory : public ProgramFixture {
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        startWithPortfolio();
        prompter.clear();
        prompter.onOpenUrl = [this](const QString&) { recordsWhenOpened << records().size(); };
    }

    // Clicks a caption, or presses a force bar, wherever it is shown.
    void activate(QWidget* control)
    {
        if (control->rect().isEmpty())
            control->resize(40, 6);
        const QPoint inside(2, 2);
        QTest::mousePress(control, Qt::LeftButton, {}, inside);
        QTest::mouseRelease(control, Qt::LeftButton, {}, inside);
    }

    QList<int> recordsWhenOpened;
};

// Every link writes its record (stage -3, its code) before its page is asked for;
// the links without a code write none.
TEST_F(HelpAndHistory, EveryLinkLogsBeforeItOpensItsPage)
{
    click("VPDynPerfBtn");
    for (const HelpLink& link : helpLinkTable()) {
        SCOPED_TRACE(link.control.toStdString());
        auto* control = win().findChild<QWidget*>(link.control);
        ASSERT_NE(control, nullptr);
        const int before = records().size();
        recordsWhenOpened.clear();
        prompter.clear();
        activate(control);
        ASSERT_EQ(urls(), QStringList{helpPageUrl(link.path)});
        const int written = link.code ? 1 : 0;
        EXPECT_EQ(recordsWhenOpened, QList<int>{before + written});
        EXPECT_EQ(records().size(), before + written);
        if (written) {
            EXPECT_EQ(field(lastRecord(), 1), "-3");
            EXPECT_EQ(field(lastRecord(), 2), QString::number(link.code));
        }
    }
}

TEST_F(HelpAndHistory, BothTractionLinesOpenTheTractionPage)
{
    click("VPDynPerfBtn");
    activate(win().findChild<QWidget*>("TractionRightShape"));
    EXPECT_EQ(urls(), QStringList{helpPageUrl("/help/h-traction.html")});
    EXPECT_EQ(field(lastRecord(), 2), "107");
}

TEST_F(HelpAndHistory, MenuLinksLogBeforeTheyOpen)
{
    for (const char* item : {"HelpWebSite1", "EducationalMaterials1", "OnlineDiscussionForum1", "BriskoHomePage1",
                             "TLAB210HomePage1"}) {
        const int before = records().size();
        recordsWhenOpened.clear();
        trigger(item);
        EXPECT_EQ(recordsWhenOpened, QList<int>{before + 1}) << item;
    }
}

TEST_F(HelpAndHistory, AboutFromTheMenuTwiceLeavesDesignAndRecords)
{
    auto* width = widget<QLineEdit>("SpringWidthEF");
    width->setText(QStringLiteral("2.5"));
    auto designBytes = [this] { return designFileBytes(win().session().design(), win().session().materials(), {}); };
    const QByteArray design = designBytes();
    const int recordsBefore = records().size();
    for (int time = 0; time < 2; ++time) {
        trigger("AboutBK");
        auto* about = widget<QDialog>("About");
        ASSERT_TRUE(about->isVisible());
        EXPECT_TRUE(about->isModal());
        click("StartDesigningBtn");
        EXPECT_FALSE(about->isVisible());
    }
    EXPECT_EQ(designBytes(), design);
    EXPECT_EQ(width->text(), "2.5");
    EXPECT_EQ(records().size(), recordsBefore);
    EXPECT_FALSE(widget("PortfolioWin")->isVisible());
}

TEST_F(HelpAndHistory, HistoryOpensBesideTheWindowAndPages)
{
    click("VPPropBtn");
    trigger("ViewDesignHistory1");
    auto* history = win().designHistory();
    ASSERT_TRUE(history->isVisible());
    EXPECT_EQ(history->windowTitle(), "Design History");
    EXPECT_EQ(history->windowModality(), Qt::NonModal);
    EXPECT_EQ(field(lastRecord(), 14), "ViewDP");
    EXPECT_EQ(widget<QPushButton>("BitBtn1")->text(), "Previous page ");
    EXPECT_EQ(widget<QPushButton>("NextBtn")->text(), "Next page");

    history->grab();
    EXPECT_TRUE(history->message().isEmpty());
    const int page = nearest(history->chartWidth() / 2.0); // a half to the even neighbour
    click("NextBtn");
    click("NextBtn");
    EXPECT_EQ(history->offset(), 2 * page);
    click("BitBtn1");
    EXPECT_EQ(history->offset(), page);
    click("BitBtn1");
    EXPECT_EQ(history->offset(), 0);
}

// However small the student makes it, the window shows the chart down to its last
// row ("Print"), with the labels in their column beside it, not on it.
TEST_F(HelpAndHistory, HistoryIsNeverTooSmallForItsRowsAndItsLabelsStandBesideTheChart)
{
    trigger("ViewDesignHistory1");
    auto* history = win().designHistory();
    history->resize(200, 200);
    QCoreApplication::processEvents();
    auto* labels = history->findChild<QWidget*>("HistoryLabels");
    auto* chart = history->findChild<QWidget*>("HistoryChart");
    ASSERT_TRUE(labels && chart);
    EXPECT_GE(chart->height(), kHistoryChartMinimumHeight);
    EXPECT_GE(chart->width(), 400);
    EXPECT_LE(labels->geometry().right(), chart->geometry().left());
    EXPECT_EQ(labels->geometry().top(), chart->geometry().top());

    const QImage shot = history->grab().toImage();
    const QPoint chartAt = chart->geometry().topLeft();
    EXPECT_EQ(shot.pixelColor(chartAt + QPoint(30, 540)), QColor(128, 128, 128)); // the "Print" row's line
    int ink = 0;
    for (int y = 534; y <= 546; ++y)
        for (int x = labels->geometry().left(); x < labels->geometry().right(); ++x)
            ink += qGray(shot.pixel(x, labels->geometry().top() + y)) < 96 ? 1 : 0;
    EXPECT_GT(ink, 0); // "Print"
}

TEST_F(HelpAndHistory, AnUnreadablePortfolioShowsAMessageAndTheEmptyGrid)
{
    trigger("ViewDesignHistory1");
    QFile::remove(portfolioPath());
    win().designHistory()->grab();
    EXPECT_TRUE(win().designHistory()->message().contains("cannot be read")) << win().designHistory()->message().toStdString();
}

} // namespace brisko::gui::test

namespace brisko::gui::test {

// Damaged lines among the records are left out of the chart and counted under it.
TEST_F(HelpAndHistory, DamagedPortfolioLinesAreCountedUnderTheChart)
{
    trigger("ViewDesignHistory1");
    auto* history = win().designHistory();
    history->grab();
    auto* note = history->findChild<QLabel*>("SkippedLinesLabel");
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(note->text().isEmpty());
    {
        QFile file(portfolioPath());
        ASSERT_TRUE(file.open(QIODevice::Append));
        file.write("5,401,-,-,cut short\r\n");
        file.write(QByteArray("\x00\x01\xff binary\r\n", 12));
        file.write("99999999999,401,-,-,-,-,2.00,30.00,1.50,0.25,Racer,1/1/26,1:45:00 PM,VPDynamic,0,0,0,0,0,0,0,0\r\n");
    }
    history->grab();
    EXPECT_EQ(note->text(), "3 damaged lines of the portfolio were skipped and are not drawn.");
    EXPECT_TRUE(note->isVisible());
}

} // namespace brisko::gui::test
