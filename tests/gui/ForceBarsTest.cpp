// The force bars over the design view: the resting normal forces in Analyze and the
// frame's bars in Simulate, at the wheels of each drive type.
#include "WiredWindowHelpers.h"

#include "mainwin/PanelColours.h"
#include "text/NumberText.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <cmath>

namespace brisko::gui::test {

namespace {

int barLength(float force, float scale)
{
    return static_cast<int>(std::nearbyint(150.0f * force / scale)); // halves go to the even neighbour
}

} // namespace

class ForceBars : public ProgramFixture {
protected:
    void SetUp() override
    {
        ProgramFixture::SetUp();
        startWithPortfolio();
    }

    QFrame* bar(const char* name) { return widget<QFrame>(name); }
    QLabel* label(const char* name) { return widget<QLabel>(name); }

    // Screen x of the wheels' contact points and of the ground line, from the layout.
    int viewX(float drawingX)
    {
        const ViewLayout& layout = prototypeOf(win()).layout();
        return static_cast<int>(std::nearbyint(drawingX * layout.ViewScale)) + layout.PaperLeft;
    }
    int rearX() { return viewX(prototypeOf(win()).mass().CaseOuterDia / 2.0f * 72.0f); }
    int groundY()
    {
        return static_cast<int>(std::nearbyint(576.0f * prototypeOf(win()).layout().ViewScale));
    }
};

TEST_F(ForceBars, AnalyzeStandsTheRestingNormalForcesOnTheGroundAtTheWheels)
{
    click("VPPropBtn");
    const StaticResult& statics = prototypeOf(win()).statics();
    const float mass = prototypeOf(win()).mass().TotalMass;
    ASSERT_GT(mass, 0.0f);
    EXPECT_EQ(statics.BarScale, mass);

    QFrame* left = bar("NormalForceLeftShape");
    QFrame* right = bar("NormalForceRightShape");
    ASSERT_TRUE(left->isVisible());
    ASSERT_TRUE(right->isVisible());
    EXPECT_EQ(left->height(), barLength(statics.NormalLeftRest, mass));
    EXPECT_EQ(right->height(), barLength(statics.NormalRightRest, mass));
    EXPECT_NEAR(left->height() + right->height(), 150, 1); // the two share the whole weight
    EXPECT_EQ(left->width(), 4);

    // Standing on the ground line, at the drive axle and at the front axle.
    EXPECT_EQ(left->x(), rearX());
    EXPECT_EQ(left->y() + left->height(), groundY());
    EXPECT_EQ(right->x(), viewX(720.0f - win().session().design().FrontAxle.XUnits));
    EXPECT_EQ(right->y() + right->height(), groundY());

    EXPECT_EQ(label("NFLeftLabel")->text(), numberText(statics.NormalLeftRest).left(5) + " lb");
    EXPECT_EQ(label("NFRightLabel")->text(), numberText(statics.NormalRightRest).left(5) + " lb");
    EXPECT_TRUE(label("NFLeftLabel")->isVisible());
    EXPECT_EQ(label("NFLeftLabel")->y(), groundY() - 40);
    EXPECT_EQ(label("NFRightLabel")->y(), groundY() - 30);
    EXPECT_GT(label("NFLeftLabel")->x(), left->x() + left->width());

    EXPECT_FALSE(bar("PropulsionLeftShape")->isVisible());
    EXPECT_FALSE(bar("TractionLeftShape")->isVisible());
}

TEST_F(ForceBars, LeavingAnalyzeHidesTheBarsAndTheirLabels)
{
    click("VPPropBtn");
    click("VPSetBtn");
    EXPECT_FALSE(bar("NormalForceLeftShape")->isVisible());
    EXPECT_FALSE(label("NFLeftLabel")->isVisible());
    EXPECT_FALSE(label("NFRightLabel")->isVisible());
}

TEST_F(ForceBars, SimulateLaysTheRearPropulsionAndTractionBackwardsAlongTheGround)
{
    click("VPDynPerfBtn");
    const DynamicResult& run = prototypeOf(win()).dynamic();
    QFrame* propulsion = bar("PropulsionLeftShape");
    QFrame* traction = bar("TractionLeftShape");
    ASSERT_TRUE(propulsion->isVisible());
    ASSERT_GT(propulsion->width(), 0);
    EXPECT_EQ(propulsion->height(), 4);
    // Rear-wheel drive pushes to the right: the bars run from the axle to the left.
    EXPECT_EQ(propulsion->x() + propulsion->width(), rearX());
    EXPECT_EQ(propulsion->y(), groundY());
    EXPECT_EQ(traction->x() + traction->width(), rearX());
    EXPECT_EQ(traction->y(), groundY() + 6);
    EXPECT_EQ(panelColourOf(traction), QColor(255, 0, 0));
    const QColor expected = run.Skid ? QColor(255, 0, 255) : QColor(0, 0, 255);
    EXPECT_EQ(panelColourOf(propulsion), expected);
    EXPECT_TRUE(label("PropLeftLabel")->text().endsWith(" lb"));
    EXPECT_LE(label("PropLeftLabel")->text().size(), 9);
    EXPECT_EQ(label("PropLeftLabel")->pos(), QPoint(rearX() - 50, groundY() - 20));
    // Below the bars, or beside the propulsion figure where the drawing area ends
    // too close below the ground; whole and uncovered either way.
    QLabel* tractionText = label("TracLeftLabel");
    const QWidget* area = tractionText->parentWidget();
    if (groundY() + 10 + tractionText->height() <= area->height())
        EXPECT_EQ(tractionText->pos(), QPoint(rearX() - 20, groundY() + 10));
    EXPECT_TRUE(area->rect().contains(tractionText->geometry()));
    EXPECT_FALSE(tractionText->geometry().intersects(label("PropLeftLabel")->geometry()));
    EXPECT_TRUE(bar("NormalForceLeftShape")->isVisible());

    // Only all-wheel drive has a front pair.
    EXPECT_FALSE(bar("PropulsionRightShape")->isVisible());
    EXPECT_FALSE(bar("TractionRightShape")->isVisible());
    EXPECT_FALSE(label("PropRightLabel")->isVisible());
    EXPECT_FALSE(label("TracRightLabel")->isVisible());
    EXPECT_TRUE(widget<QLabel>("DynamicRevsRightLabel")->text().isEmpty());
}

TEST_F(ForceBars, AllWheelDriveShowsTheFrontPairAtTheMirroredAxle)
{
    click("AWDBtn");
    ASSERT_EQ(win().session().design().Drive, DriveType::AWD);
    click("VPDynPerfBtn");
    const int frontX = viewX(720.0f - prototypeOf(win()).mass().CaseOuterDia / 2.0f * 72.0f);
    QFrame* propulsion = bar("PropulsionRightShape");
    ASSERT_TRUE(propulsion->isVisible());
    EXPECT_TRUE(bar("TractionRightShape")->isVisible());
    EXPECT_TRUE(label("PropRightLabel")->isVisible());
    EXPECT_TRUE(label("TracRightLabel")->isVisible());
    ASSERT_GT(propulsion->width(), 0);
    EXPECT_EQ(propulsion->x() + propulsion->width(), frontX); // extends to the left
    EXPECT_EQ(bar("NormalForceRightShape")->x(), frontX);
    EXPECT_EQ(label("PropRightLabel")->pos(), QPoint(frontX - 40, groundY() - 20));
    EXPECT_TRUE(widget<QLabel>("DynamicRevsRightLabel")->text().endsWith(": Front"));

    // Back to rear-wheel drive: the front pair goes at the next frame drawn.
    click("VPSetBtn");
    click("RWDBtn");
    click("VPDynPerfBtn");
    EXPECT_FALSE(bar("PropulsionRightShape")->isVisible());
    EXPECT_FALSE(label("PropRightLabel")->isVisible());
}

TEST_F(ForceBars, FrontWheelDriveLaysTheRearBarsForwards)
{
    click("FWDBtn");
    ASSERT_EQ(win().session().design().Drive, DriveType::FWD);
    click("VPDynPerfBtn");
    QFrame* propulsion = bar("PropulsionLeftShape");
    ASSERT_GT(propulsion->width(), 0);
    EXPECT_EQ(propulsion->x(), rearX());
    EXPECT_FALSE(bar("PropulsionRightShape")->isVisible());
}

// At the screens of school laptops and lab projectors, in every drive, no two force
// labels of a frame overlap and every bar and label lies inside the drawing area.
TEST_F(ForceBars, SimulateLabelsNeverOverlapAndEveryBarStaysOnTheSheetAtEverySize)
{
    for (const QSize& size : {QSize(1024, 768), QSize(1366, 768), QSize(1600, 1000)}) {
        showNormalAt(size);
        for (const char* drive : {"RWDBtn", "FWDBtn", "AWDBtn"}) {
            click("VPSetBtn");
            click(drive);
            click("VPDynPerfBtn");
            click("ToEndDynamicBtn");
            QApplication::processEvents();
            const std::string where = std::to_string(size.width()) + "x" + std::to_string(size.height()) + " " + drive;
            const QRect sheet = win().image()->rect();
            QList<QWidget*> labels;
            for (QWidget* shown : win().image()->findChildren<QWidget*>()) {
                if (!shown->isVisible())
                    continue;
                EXPECT_TRUE(sheet.contains(shown->geometry())) << where << " " << shown->objectName().toStdString();
                if (qobject_cast<QLabel*>(shown))
                    labels << shown;
            }
            for (int i = 0; i < labels.size(); ++i)
                for (int j = i + 1; j < labels.size(); ++j)
                    EXPECT_FALSE(labels[i]->geometry().intersects(labels[j]->geometry()))
                        << where << " " << labels[i]->objectName().toStdString() << " over "
                        << labels[j]->objectName().toStdString();
        }
    }
}

} // namespace brisko::gui::test
