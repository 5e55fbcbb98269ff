// Placing the other axle and adding and removing weights with the mouse.
#include "WiredWindowHelpers.h"
#include "SessionArrangement.h"

#include "dialogs/THHWin.h"
#include "geometry/OutlineSketch.h"
#include "session/PartPlacement.h"
#include "text/NumberText.h"

#include <QPushButton>

namespace brisko::gui::test {

class PlacementTools : public ProgramFixture {
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        startWithPortfolio();
    }

    QWidget* sheet() { return win().image(); }
    const VirtualPrototype& prototype() { return prototypeOf(win()); }
    const ViewLayout& layout() { return prototype().layout(); }
    QPoint square(int column, int row) { return paperSquareCentre(layout(), column, row); }
    CarDesign& design() { return brisko::test::arrange(win().session()).design(); }
    THHWin* dialog() { return win().findChild<THHWin*>(QStringLiteral("HHWin")); }
    void pressAt(const QPoint& at) { QTest::mouseClick(sheet(), Qt::LeftButton, {}, at); }

    // Adds a weight at a view point with the mass typed into the dialog.
    void addWeight(const QPoint& at, const QString& mass)
    {
        click("AddWeightBtn");
        pressAt(at);
        ASSERT_TRUE(dialog()->isVisible());
        typeInto(dialog()->findChild<QLineEdit*>(QStringLiteral("HowHeavyEF")), mass);
        okDialog();
    }
    void okDialog() { dialog()->findChild<QPushButton*>(QStringLiteral("HowHeavyOKBtn"))->click(); }
};

TEST_F(PlacementTools, TheAxleToolRefusesInAllWheelDrive)
{
    click("AWDBtn");
    const CarDesign before = design();
    const int recordsBefore = records().size();
    prompter.clear();
    click("FrontAxleBtn");
    EXPECT_EQ(prompter.messageTexts(), QStringList({kNoOtherAxleInAwd}));
    EXPECT_EQ(prompter.promptsOf(Prompt::Message).first().title, "Please try again.");
    EXPECT_FALSE(widget<QAbstractButton>("FrontAxleBtn")->isChecked());
    EXPECT_TRUE(widget("VPPropBtn")->isEnabled());
    EXPECT_EQ(records().size(), recordsBefore);
    EXPECT_EQ(design().FrontAxle.XUnits, before.FrontAxle.XUnits);
}

TEST_F(PlacementTools, AnAxlePressJustRightOfTheDriveAxlePlacesItAndTheHeightFollowsTheWheel)
{
    // The drive axle's centre on the screen, and the pixel right of it.
    const float centre = static_cast<float>(prototype().geometry().RearCentre.x());
    const int centreX = layout().PaperLeft + nearest(centre * layout().ViewScale);
    const int y = square(0, 3).y();
    const float xUnitsBefore = design().FrontAxle.XUnits;
    const float heightBefore = design().FrontAxle.YUnits;

    click("FrontAxleBtn");
    EXPECT_FALSE(widget("VPSetBtn")->isEnabled());
    EXPECT_FALSE(widget("FrontAxleBtn")->isEnabled()) << "no exception for the tool's own button";
    pressAt(QPoint(centreX, y));
    EXPECT_FALSE(widget<QAbstractButton>("FrontAxleBtn")->isChecked());
    EXPECT_EQ(design().FrontAxle.XUnits, xUnitsBefore) << "a press on the centre line places nothing";
    EXPECT_NE(field(lastRecord(), 14), "SetFrontWheelLoc");
    EXPECT_TRUE(widget("VPSetBtn")->isEnabled());

    click("FrontAxleBtn");
    const QPoint justRight(centreX + 1, y);
    pressAt(justRight);
    const QPoint logged = drawingPointOf(layout(), justRight);
    EXPECT_EQ(design().FrontAxle.XUnits, 720.0f - logged.x());
    EXPECT_EQ(field(lastRecord(), 14), "SetFrontWheelLoc");
    EXPECT_EQ(field(lastRecord(), 3), QString::number(logged.x()));
    EXPECT_EQ(field(lastRecord(), 4), QString::number(logged.y()));
    EXPECT_EQ(design().FrontAxle.YUnits, heightBefore) << "the clicked height does not last";
    EXPECT_TRUE(widget("FrontAxleBtn")->isEnabled());
}

TEST_F(PlacementTools, TheWeightDialogRefusesMassesOutOfRangeAndStaysOpen)
{
    click("AddWeightBtn");
    pressAt(square(10, 5));
    ASSERT_NE(dialog(), nullptr);
    ASSERT_TRUE(dialog()->isVisible());
    EXPECT_EQ(field(lastRecord(), 14), "SetAddedWt");
    EXPECT_EQ(field(lastRecord(), 5), "0.125");
    auto* mass = dialog()->findChild<QLineEdit*>(QStringLiteral("HowHeavyEF"));
    for (const char* text : {"0.00005", "-0.00005", "0.0001", "-0.0001", "1.01", "abc"}) {
        prompter.clear();
        typeInto(mass, QString::fromLatin1(text));
        okDialog();
        EXPECT_EQ(prompter.messageTexts(), QStringList({kAddedWeightRefused})) << text;
        EXPECT_TRUE(dialog()->isVisible()) << text;
        EXPECT_EQ(mass->text(), QString::fromLatin1(text));
    }
    EXPECT_EQ(design().weightsInUse(), 0);
    dialog()->findChild<QPushButton*>(QStringLiteral("HowHeavyCancelBtn"))->click();
    EXPECT_FALSE(dialog()->isVisible());
    EXPECT_TRUE(widget("VPSetBtn")->isEnabled()) << "Cancel ends the tool";
    EXPECT_EQ(design().weightsInUse(), 0);
}

TEST_F(PlacementTools, WeightsTakeTheFirstFreeSlotAndTheLowestOverlappingOneIsRemoved)
{
    addWeight(square(4, 5), "0.00011");
    addWeight(square(8, 5), "-1");
    addWeight(square(12, 5), "1");
    ASSERT_EQ(design().weightsInUse(), 3);
    EXPECT_FLOAT_EQ(design().Weights[0].Mass, 0.00011f);
    EXPECT_EQ(QPoint(design().Weights[0].X, design().Weights[0].Y), drawingPointOf(layout(), square(4, 5)));
    EXPECT_FALSE(dialog()->isVisible());

    click("RemoveWeightBtn");
    pressAt(win().perState().weightMarkers[0].topLeft());
    EXPECT_FALSE(design().Weights[0].inUse());
    EXPECT_EQ(field(lastRecord(), 14), "SetRemoveWt");
    addWeight(square(12, 5), "0.5");
    EXPECT_FLOAT_EQ(design().Weights[0].Mass, 0.5f) << "slot 1 was free again";

    // Slots 1 (0.5 lb) and 3 (1 lb) point down onto the same point; the lower slot goes.
    click("RemoveWeightBtn");
    pressAt(square(12, 5) + QPoint(0, -1));
    EXPECT_FALSE(design().Weights[0].inUse());
    EXPECT_TRUE(design().Weights[2].inUse());
    EXPECT_EQ(field(lastRecord(), 5), "-0.5");
}

TEST_F(PlacementTools, AWeightsBoxTakesItsLeftAndTopEdgesButNotItsRightAndBottom)
{
    addWeight(square(10, 6), "0.25");
    const QRect box = win().perState().weightMarkers[0];
    click("RemoveWeightBtn");
    pressAt(QPoint(box.right() + 1, box.top()));
    EXPECT_TRUE(design().Weights[0].inUse());
    click("RemoveWeightBtn");
    pressAt(box.topLeft());
    EXPECT_FALSE(design().Weights[0].inUse());
}

} // namespace brisko::gui::test
