#include "PdfPages.h"
#include "WiredWindowHelpers.h"

#include "output/PaperPrototype.h"
#include "output/TPPWin.h"

#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>

namespace brisko::gui::test {

namespace {

class PaperPrototypeWindow : public ProgramFixture {
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        startWithPortfolio();
        click("VPPrintBtn");
        window = win().findChild<TPPWin*>(QStringLiteral("PPWin"));
        ASSERT_NE(window, nullptr);
    }

    QString pdf() const { return dir.filePath(QStringLiteral("out.pdf")); }

    // The print dialog confirmed with the printer pointed at a PDF file.
    void confirmPrintingTo(const QString& path, QPageSize::PageSizeId paper = QPageSize::Letter)
    {
        prompter.answerPrint(true, [path, paper](QPagedPaintDevice& device) {
            auto& printer = dynamic_cast<QPrinter&>(device);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
            printer.setPageSize(QPageSize(paper));
        });
    }

    void printChoice(const char* radio)
    {
        window->findChild<QRadioButton*>(QString::fromLatin1(radio))->click();
        window->findChild<QPushButton*>(QStringLiteral("PPPrintBtn"))->click();
    }

    QStringList descriptionsSince(int count) const
    {
        QStringList out;
        const auto all = records();
        for (int i = count; i < all.size(); ++i)
            out << field(all[i], 3) + QLatin1Char(' ') + field(all[i], 14);
        return out;
    }

    QString plan() const { return window->findChild<QLabel*>(QStringLiteral("PPPagesLabel"))->text(); }

    // The Racer's spring made 240 in long in the Set state, then back to Print.
    void lengthenTheSpring()
    {
        click("VPSetBtn");
        win().setPanel()->selectPart(SpringPart);
        typeInto(widget<QLineEdit>("SpringLengthEF"), QStringLiteral("240"));
        click("ApplyBtn");
        click("VPPrintBtn");
    }

    TPPWin* window = nullptr;
};

} // namespace

TEST_F(PaperPrototypeWindow, TheReportPrintsTheFiguresTheWindowShows)
{
    click("AWDBtn");
    click("VPRaceBtn"); // the whole run, shown in every panel
    const DesignReportTexts report =
        paperPrototypeOf(win().session().design(), win().session().materials(), win().session().designListText()).Report;
    // A run short of 15 ft prints its speed in brackets, as its time.
    QString speed = report.SpeedAt15;
    if (report.TimeTo15.startsWith(QLatin1Char('[')))
        speed = speed.mid(1).chopped(1);
    const std::pair<const char*, QString> shown[] = {
        {"TimeEF", report.TimeTo15},           {"TopSpeedEF", speed},
        {"PoweredDistanceEF", report.ProjectedDistance}, {"ProjectedMassEF", report.TotalMass},
        {"FoamMassEF", report.BoardMass},      {"RevsEF", report.Revolutions},
        {"MaxRealTorqueEF", report.MaxTorque}, {"CaseWidthEF", report.ChamberWidth},
        {"LayersCoredEF", report.CoredLayers}, {"TrueCentroidEF", report.CentroidX},
    };
    for (const auto& [name, printed] : shown)
        EXPECT_EQ(win().findChild<QLineEdit*>(QString::fromLatin1(name))->text(), printed) << name;
}

TEST_F(PaperPrototypeWindow, OpensBesideTheMainWindowWithItsFiveChoices)
{
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isModal());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Paper Prototype"));
    const QStringList expected{"Print Report Only", "Print One Inner Layer Template", "Print One Outer Layer Template",
                               "Print Wheel Templates", "Print Entire Set "};
    const char* names[] = {"PPSummaryBtn", "PPOneCoredBtn", "PPOneFullBtn", "PPWheelBtn", "PPAllBtn"};
    for (int i = 0; i < 5; ++i) {
        auto* radio = window->findChild<QRadioButton*>(QString::fromLatin1(names[i]));
        ASSERT_NE(radio, nullptr) << names[i];
        EXPECT_EQ(radio->text(), expected[i]);
        EXPECT_EQ(radio->isChecked(), i == 0);
    }
    EXPECT_TRUE(window->findChild<QPushButton*>(QStringLiteral("PPPrintBtn"))->isDefault());
    EXPECT_FALSE(window->findChild<QPushButton*>(QStringLiteral("PPPreviewBtn"))->isEnabled());
    window->findChild<QPushButton*>(QStringLiteral("PPCancelBtn"))->click();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(PaperPrototypeWindow, EachChoiceRecordsAfterItsPagesAndTheWindowStays)
{
    const int before = records().size();
    confirmPrintingTo(pdf());
    printChoice("PPSummaryBtn");
    EXPECT_EQ(brisko::test::pdfPageSizes(pdf()).size(), 1);
    const QStringList last = lastRecord();
    EXPECT_EQ(field(last, 1), "8");
    EXPECT_EQ(field(last, 2), "701");
    for (int f = 3; f <= 6; ++f)
        EXPECT_EQ(field(last, f), "S");
    EXPECT_EQ(field(last, 14), "PrintSummary");

    confirmPrintingTo(pdf());
    printChoice("PPOneCoredBtn");
    confirmPrintingTo(pdf());
    printChoice("PPOneFullBtn");
    confirmPrintingTo(pdf());
    printChoice("PPWheelBtn");
    EXPECT_EQ(brisko::test::pdfPageSizes(pdf()).size(), 2) << "4.80 in drive wheels, 1.75 in other wheels";
    EXPECT_EQ(descriptionsSince(before),
              QStringList({"S PrintSummary", "I PrintOneInner", "O PrintOneOuter", "W PrintWheels"}));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(win().session().app().CurrentState, ProcessState::Print);
}

TEST_F(PaperPrototypeWindow, EntireSetIsOneDocumentTurningFromPortraitToLandscape)
{
    const int before = records().size();
    confirmPrintingTo(pdf(), QPageSize::A4);
    printChoice("PPAllBtn");
    const QVector<QSizeF> pages = brisko::test::pdfPageSizes(pdf());
    ASSERT_EQ(pages.size(), 9); // report, 1 + 4 + 1 layers, two wheel pages
    EXPECT_FALSE(brisko::test::isLandscape(pages[0]));
    for (int i = 1; i < pages.size(); ++i)
        EXPECT_TRUE(brisko::test::isLandscape(pages[i])) << i;
    EXPECT_EQ(descriptionsSince(before),
              QStringList({"S PrintSummary", "O PrintOneOuter", "I PrintOneInner", "I PrintOneInner",
                           "I PrintOneInner", "I PrintOneInner", "O PrintOneOuter", "W PrintWheels"}));
    EXPECT_EQ(window->pageCounter(), 6);
}

TEST_F(PaperPrototypeWindow, CancelledDialogOrPaperTooSmallForTheReportPrintsAndRecordsNothing)
{
    const int before = records().size();
    prompter.answerPrint(false);
    printChoice("PPAllBtn");
    EXPECT_EQ(prompter.promptsOf(Prompt::Print).size(), 1);

    confirmPrintingTo(pdf(), QPageSize::A5);
    printChoice("PPSummaryBtn");
    const QStringList messages = prompter.messageTexts();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("7.5 x 10 inches"))) << messages[0].toStdString();
    EXPECT_TRUE(messages[0].contains(QStringLiteral("5.33 x 7.77 inches"))) << messages[0].toStdString();
    EXPECT_FALSE(QFile::exists(pdf()));
    EXPECT_EQ(records().size(), before);
    EXPECT_TRUE(plan().contains(QStringLiteral("prints nothing"))) << plan().toStdString();
}

TEST_F(PaperPrototypeWindow, TemplatesLargerThanThePaperPrintInTilesTheWindowAnnounces)
{
    EXPECT_TRUE(plan().contains(QStringLiteral("This choice prints 1 page."))) << plan().toStdString();
    lengthenTheSpring();
    ASSERT_EQ(win().session().design().DriveWheelDiameter, QStringLiteral("10.7"));
    const int before = records().size();
    confirmPrintingTo(pdf()); // Letter
    printChoice("PPOneFullBtn");
    EXPECT_EQ(brisko::test::pdfPageSizes(pdf()).size(), 4);
    EXPECT_EQ(descriptionsSince(before), QStringList({"O PrintOneOuter"}));
    EXPECT_EQ(plan(), QStringLiteral("On the printer's paper (Letter / ANSI A): This choice prints 4 pages. Parts "
                                     "larger than the paper's printable area will be tiled, printed at full size on "
                                     "pages that overlap by 0.5 in and are taped together: outer layer (4 tiles)."));

    window->findChild<QRadioButton*>(QStringLiteral("PPAllBtn"))->click();
    EXPECT_TRUE(plan().startsWith(QStringLiteral("On the printer's paper (Letter / ANSI A): This choice prints 34 pages.")))
        << plan().toStdString();
    window->findChild<QRadioButton*>(QStringLiteral("PPWheelBtn"))->click();
    EXPECT_TRUE(plan().contains(QStringLiteral("prints 9 pages"))) << "two 10.7 in drive wheels in 4 tiles, the others";
    EXPECT_TRUE(plan().contains(QStringLiteral("drive wheel 1 (4 tiles), drive wheel 2 (4 tiles)."))) << plan().toStdString();

    confirmPrintingTo(pdf(), QPageSize::A5);
    printChoice("PPOneCoredBtn");
    EXPECT_GT(brisko::test::pdfPageSizes(pdf()).size(), 4) << "smaller paper, more tiles";
    EXPECT_EQ(descriptionsSince(before), QStringList({"O PrintOneOuter", "I PrintOneInner"}));
}

TEST_F(PaperPrototypeWindow, ExportTemplatesWritesTheSvgCuttingTemplates)
{
    prompter.answerFile(dir.filePath(QStringLiteral("Mine.svg")));
    trigger("ExportTemplates1");
    for (const char* name : {"outer layer", "inner layer", "drive wheel", "other wheel"})
        EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("Mine %1.svg").arg(QString::fromLatin1(name))))) << name;
    ASSERT_FALSE(prompter.messageTexts().isEmpty());
    EXPECT_TRUE(prompter.messageTexts().last().contains(QStringLiteral("Mine outer layer.svg")));
}

} // namespace brisko::gui::test
