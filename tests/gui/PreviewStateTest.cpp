// The Preview state's pages of the body templates and the Print state's template
// picture, through the real widgets.
#include "WiredWindowHelpers.h"

#include "render/PreviewPage.h"

#include <QLabel>

namespace brisko::gui::test {

class PreviewState : public ProgramFixture {
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        startWithPortfolio();
        click("VPPreviewBtn");
    }

    QString page() { return widget<QLabel>("PreviewLabel")->text(); }
    bool enabled(const char* name) { return widget<QWidget>(name)->isEnabled(); }
    // Half way up the rear chamber: board on an outer layer, a hole on a cored one.
    bool chamberIsBoard()
    {
        const VirtualPrototype& vp = prototypeOf(win());
        const CarGeometry& g = vp.geometry();
        const QPointF inChamber = g.RearCentre - QPointF(0, vp.mass().chamberRadiusUnits() / 2.0f);
        return win().image()->canvas().pixelColor(g.Layout.viewFrame().point(inChamber)) == kPreviewLayerGrey;
    }
    void expectPreviewRecord(const char* value)
    {
        EXPECT_EQ(field(lastRecord(), 1), "7");
        EXPECT_EQ(field(lastRecord(), 2), "601");
        EXPECT_EQ(field(lastRecord(), 3), value);
        EXPECT_EQ(field(lastRecord(), 14), "VPPreview");
    }
};

TEST_F(PreviewState, FourCoredAndTwoOuterLayersPageThroughSixPages)
{
    ASSERT_EQ(prototypeOf(win()).mass().CoredLayers, 4);
    EXPECT_EQ(page(), "1 of 6");
    EXPECT_TRUE(widget<QWidget>("PreviewStatePanel")->isVisible());
    EXPECT_TRUE(enabled("StepPVBtn"));
    EXPECT_FALSE(enabled("RewindPvBtn"));
    expectPreviewRecord("-");
    EXPECT_TRUE(chamberIsBoard());
    for (int k = 2; k <= 6; ++k) {
        click("StepPVBtn");
        EXPECT_EQ(page(), QString::number(k) + " of 6");
        EXPECT_EQ(chamberIsBoard(), k == 6) << "page " << k;
        EXPECT_EQ(enabled("StepPVBtn"), k < 6);
        expectPreviewRecord("NextPreview");
    }
    EXPECT_TRUE(enabled("RewindPvBtn"));
}

TEST_F(PreviewState, RewindOnPageFourReturnsToTheFirstPage)
{
    for (int k = 2; k <= 4; ++k)
        click("StepPVBtn");
    ASSERT_EQ(page(), "4 of 6");
    click("RewindPvBtn");
    EXPECT_EQ(page(), "1 of 6");
    EXPECT_FALSE(enabled("RewindPvBtn"));
    EXPECT_TRUE(enabled("StepPVBtn"));
    EXPECT_TRUE(chamberIsBoard());
    expectPreviewRecord("RewindPreview");
    // Leaving and coming back starts at page 1 again.
    click("StepPVBtn");
    click("VPSetBtn");
    click("VPPreviewBtn");
    EXPECT_EQ(page(), "1 of 6");
}

TEST_F(PreviewState, EnteringPrintShowsTheCoredTemplateOnTheSheet)
{
    prompter.answerPrint(false);
    click("VPPrintBtn");
    const VirtualPrototype& vp = prototypeOf(win());
    const CarGeometry& g = vp.geometry();
    const QImage& sheet = win().image()->canvas();
    // The board silver around the chamber, the chamber itself left as the sheet.
    const float r = vp.mass().chamberRadiusUnits();
    EXPECT_EQ(sheet.pixelColor(g.Layout.viewFrame().point(g.RearCentre - QPointF(0, r + 9.0f))),
              QColor(192, 192, 192));
    EXPECT_EQ(sheet.pixelColor(g.Layout.viewFrame().point(g.RearCentre - QPointF(0, r / 2.0f))),
              win().panelColour());
}

} // namespace brisko::gui::test
