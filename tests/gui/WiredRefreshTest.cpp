// The refresh of the wired main window: the virtual prototype's figures in the
// panels, the sheet drawn at the window's layout, the advisories and the result
// texts that the records carry.
#include "WiredWindowHelpers.h"
#include "SessionArrangement.h"

#include "dialogs/PFWin.h"
#include "dialogs/TADWin.h"
#include "render/MassScanMarks.h"
#include "render/ViewColours.h"
#include "text/NumberText.h"

#include <QLabel>

namespace brisko::gui::test {

class WiredRefresh : public ProgramFixture {
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        startWithPortfolio();
    }

    QString text(const char* name) { return widget<QLineEdit>(name)->text(); }
    QColor pixel(const QPoint& at) { return win().image()->canvas().pixelColor(at); }
};

TEST_F(WiredRefresh, StartUpShowsTheDefaultDesignsBuildFiguresOnItsPaper)
{
    EXPECT_EQ(text("LayersCoredEF"), "4");
    EXPECT_TRUE(text("CaseIDEF").startsWith("3.817")) << text("CaseIDEF").toStdString();
    EXPECT_EQ(text("BottlesNeededEF"), "0.75");
    EXPECT_EQ(text("LayersWideEF"), "6");

    const ViewLayout& layout = prototypeOf(win()).layout();
    EXPECT_EQ(pixel(paperSquareCentre(layout, 1, 1)), colours::kSetPaper);
    // The paper grid lies where this window's layout puts it.
    const QPoint onGridLine(layout.PaperLeft + qRound(layout.PaperViewWidth / 20.0),
                            paperSquareCentre(layout, 1, 1).y());
    EXPECT_EQ(pixel(onGridLine), colours::kPaperGrid);
    const auto onSpring = pointOnPart(win(), SpringPart);
    ASSERT_TRUE(onSpring.has_value());
}

TEST_F(WiredRefresh, TheLayoutFollowsTheWindowSize)
{
    win().showNormal();
    win().resize(1280, 860);
    const float smaller = prototypeOf(win()).layout().ViewScale;
    win().resize(1600, 1000);
    const ViewLayout& layout = prototypeOf(win()).layout();
    EXPECT_GT(layout.ViewScale, smaller);
    const QPoint corner = win().image()->mapTo(&win(), QPoint(0, 0));
    EXPECT_EQ(layout.PaperViewHeight, qRound(540 * layout.ViewScale))
        << "sheet scaled into " << win().height() - corner.y() - 50;
    EXPECT_EQ(pixel(paperSquareCentre(layout, 1, 1)), colours::kSetPaper);
    EXPECT_EQ(win().image()->canvas().size(), win().image()->size());
}

// The chamber's diameter follows the spring's length; its width sets the layers.
TEST_F(WiredRefresh, ApplyingSpringDimensionsResizesTheChamberAndLayers)
{
    const QString diameter = text("CaseIDEF");
    win().setPanel()->selectPart(SpringPart);
    typeInto(widget<QLineEdit>("SpringWidthEF"), "2");
    click("ApplyBtn");
    EXPECT_EQ(win().session().design().SpringWidth, "2");
    EXPECT_EQ(field(lastRecord(), 14), "DoSprWid");
    EXPECT_EQ(text("LayersCoredEF"), "6");
    EXPECT_EQ(text("CaseWidthEF"), "3");
    EXPECT_EQ(text("CaseIDEF"), diameter);

    typeInto(widget<QLineEdit>("SpringLengthEF"), "48");
    click("ApplyBtn");
    EXPECT_GT(toDouble(text("CaseIDEF")).value_or(0), toDouble(diameter).value_or(0));
}

// The sheet's figures are those of the design alone: after a longer spring, Analyze
// weighs the body with the new, larger chamber cut out, even with no refresh between.
TEST_F(WiredRefresh, AnalyzeWeighsTheBodyWithTheChamberOfThisRefresh)
{
    auto expectedMass = [this] {
        CarDesign design = win().session().design();
        MaterialLibrary materials = win().session().materials();
        VirtualPrototype alone(design, materials);
        alone.refresh(ProcessState::Prop);
        return massFieldTexts(alone.mass()).TotalMass;
    };
    click("VPPropBtn");
    EXPECT_EQ(text("ProjectedMassEF"), expectedMass());

    brisko::test::arrange(win().session()).design().SpringLength = QStringLiteral("72"); // changed with no refresh between
    click("VPPropBtn");
    EXPECT_EQ(text("ProjectedMassEF"), expectedMass());
}

TEST_F(WiredRefresh, AnOversizedSpringWidthIsCorrectedInItsField)
{
    win().setPanel()->selectPart(SpringPart);
    typeInto(widget<QLineEdit>("SpringWidthEF"), "5.9");
    click("ApplyBtn");
    brisko::test::arrange(win().session()).design().SpringWidth = QStringLiteral("7"); // as a design file might carry it
    click("VPSetBtn");
    EXPECT_EQ(win().session().design().SpringWidth, "6");
    EXPECT_EQ(win().session().fields().dimension(14), "6");
    EXPECT_EQ(widget<QLineEdit>("SpringWidthEF")->text(), "6");
}

TEST_F(WiredRefresh, AnalyzeAndSimulateFillTheirFiguresAndTheRecordsCarryThem)
{
    click("VPPropBtn");
    const QString mass = text("ProjectedMassEF");
    ASSERT_GT(toDouble(mass).value_or(0), 0.0) << mass.toStdString();
    EXPECT_GT(toDouble(text("RevsEF")).value_or(0), 0.0);
    EXPECT_EQ(field(lastRecordNamed(records(), "VPProperties"), 10), resultForm(mass).value_or("?"));

    click("VPDynPerfBtn");
    const QString time = text("TimeEF");
    ASSERT_FALSE(time.isEmpty());
    EXPECT_NE(time, "0");
    const QStringList dynamic = lastRecordNamed(records(), "VPDynamic");
    EXPECT_EQ(field(dynamic, 7), resultForm(time).value_or("?"));
    EXPECT_EQ(field(dynamic, 8), resultForm(text("PoweredDistanceEF")).value_or("?"));
    EXPECT_EQ(field(dynamic, 9), resultForm(text("TopSpeedEF")).value_or("?"));
    EXPECT_TRUE(win().session().designs().entry(0).Simulated);
    EXPECT_TRUE(win().session().traceOf(0) != nullptr);
}

TEST_F(WiredRefresh, AnalyzeMarksTheCentreOfMassOverTheElementGrid)
{
    click("VPPropBtn");
    const VirtualPrototype& prototype = prototypeOf(win());
    const QPoint centre = centroidViewPoint(prototype.layout(), prototype.mass());
    const int half = nearest(15 * prototype.layout().ViewScale) / 2;
    EXPECT_EQ(pixel(centre + QPoint(-half, -half)), kCentroidColour);
    EXPECT_EQ(pixel(centre + QPoint(half, -half)), QColor(Qt::white));
    const QImage sheet = win().image()->canvas();
    int whiteEdges = 0, greyEdges = 0;
    for (int y = 0; y < sheet.height(); y += 3)
        for (int x = 0; x < sheet.width(); ++x) {
            const QColor c = sheet.pixelColor(x, y);
            whiteEdges += c == kOuterElementColour;
            greyEdges += c == kInnerElementColour;
        }
    EXPECT_GT(whiteEdges, 100);
    EXPECT_GT(greyEdges, 100);

    // Simulate weighs the same elements but draws no grid.
    click("VPDynPerfBtn");
    const QImage simulated = win().image()->canvas();
    int simulatedGrey = 0;
    for (int y = 0; y < simulated.height(); y += 3)
        for (int x = 0; x < simulated.width(); ++x)
            simulatedGrey += simulated.pixelColor(x, y) == kInnerElementColour;
    EXPECT_EQ(simulatedGrey, 0);
}

TEST_F(WiredRefresh, ASimulatedDesignLosesItsMarkWhenChanged)
{
    click("VPDynPerfBtn");
    ASSERT_TRUE(win().session().designs().entry(0).Simulated);
    click("VPSetBtn");
    win().setPanel()->selectPart(SpringPart);
    typeInto(widget<QLineEdit>("SpringLengthEF"), "30");
    click("ApplyBtn");
    EXPECT_FALSE(win().session().designs().entry(0).Simulated);
    EXPECT_TRUE(win().session().traceOf(0) != nullptr) << "the last run stays until the next one";
}

TEST_F(WiredRefresh, AFloatingBodyShowsTheCaseAdvisory)
{
    CarDesign& design = brisko::test::arrange(win().session()).design();
    for (BodyOutline* outline : {&design.OuterOutline, &design.InnerOutline}) {
        QVector<QPoint> moved = outline->points();
        for (QPoint& p : moved)
            p = QPoint(p.x() / 3 + 450, p.y() / 3 + 100); // shrunk into the paper's upper right
        outline->setPoints(moved);
    }
    click("VPSetBtn");
    TADWin& advisories = program->advisories();
    EXPECT_TRUE(advisories.isVisible());
    auto* caseFree = advisories.findChild<QLabel*>(QStringLiteral("CaseFreeLabel"));
    EXPECT_FALSE(caseFree->isHidden());
    EXPECT_EQ(caseFree->text(), "Spring case is not connected.");
    EXPECT_TRUE(win().session().advisories().SpringCaseFree);
}

TEST_F(WiredRefresh, TheDefaultDesignRaisesNoAdvisory)
{
    EXPECT_FALSE(program->advisories().isVisible());
    EXPECT_EQ(win().session().advisories(), AdvisoryFlags{});
}

TEST_F(WiredRefresh, PreferencesOpenWithoutBlocking)
{
    trigger("Preferences1");
    TPFWin* preferences = win().preferences();
    EXPECT_TRUE(preferences->isVisible());
    EXPECT_EQ(preferences->windowModality(), Qt::WindowModal);
    preferences->reject();
    EXPECT_FALSE(preferences->isVisible());
}

} // namespace brisko::gui::test
