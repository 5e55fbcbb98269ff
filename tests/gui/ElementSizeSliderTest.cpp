// The element-size slider of the Analyze state.
#include "WiredWindowHelpers.h"

#include <QSlider>

namespace brisko::gui::test {

class ElementSizeSlider : public ProgramFixture {
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        startWithPortfolio();
        click("VPPropBtn");
    }
    QSlider* slider() { return widget<QSlider>("ElementSizeSlider"); }
};

TEST_F(ElementSizeSlider, ANewSizeIsLoggedAndReweighsTheBody)
{
    ASSERT_EQ(slider()->value(), 3); // 9 pixels, 1/8 in
    const QString coarse = widget<QLineEdit>("ProjectedMassEF")->text();
    const qsizetype before = records().size();
    slider()->setValue(5);
    EXPECT_EQ(win().session().design().ElementStepSize, "2");
    ASSERT_EQ(records().size(), before + 1);
    const QStringList record = lastRecord();
    EXPECT_EQ(field(record, 1), "4");
    EXPECT_EQ(field(record, 2), "301");
    EXPECT_EQ(field(record, 3), "NewStepSize");
    EXPECT_EQ(field(record, 4), "5");
    EXPECT_EQ(field(record, 14), "VPProperties");
    EXPECT_NE(widget<QLineEdit>("ProjectedMassEF")->text(), coarse);
}

TEST_F(ElementSizeSlider, TheSizeInEffectLogsNothingAndSimulateGoesBackTo9)
{
    const qsizetype before = records().size();
    slider()->setValue(3);
    EXPECT_EQ(records().size(), before);
    slider()->setValue(0);
    EXPECT_EQ(win().session().design().ElementStepSize, "72");
    click("VPDynPerfBtn");
    EXPECT_EQ(win().session().design().ElementStepSize, "9");
    click("VPPropBtn");
    EXPECT_EQ(slider()->value(), 3);
}

} // namespace brisko::gui::test
