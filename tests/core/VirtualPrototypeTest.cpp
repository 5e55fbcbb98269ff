#include "analysis/VirtualPrototype.h"
#include "model/Presets.h"

#include <gtest/gtest.h>

using namespace brisko;

namespace {

struct Prototype {
    CarDesign design;
    MaterialLibrary materials;
    VirtualPrototype vp{design, materials};
    explicit Prototype(int preset = 0, DriveType drive = DriveType::RWD)
    {
        loadPresetShape(design, preset);
        design.setDrive(drive);
    }
};

} // namespace

TEST(VirtualPrototypeRefresh, DefaultDesignFiguresThroughTheWholeChain)
{
    Prototype p;
    p.vp.refresh(ProcessState::Dynamic, kNoFrame);
    EXPECT_EQ(p.vp.mass().CoredLayers, 4);
    EXPECT_NEAR(p.vp.mass().CaseInnerDia, 3.8176, 1e-4);
    EXPECT_EQ(p.design.DriveWheelDiameter, "4.80");
    EXPECT_EQ(p.vp.spring().maxRealTorqueText(), "0.569999992847443");
    EXPECT_NEAR(p.vp.spring().PropulsiveForce, 0.2375, 1e-6);
    EXPECT_NEAR(p.vp.spring().Revolutions, 11.84, 0.01);
    EXPECT_NEAR(p.vp.spring().ProjectedDistance, 14.87, 0.01);
    // Masses and statics come from the scan: positive, and the weight is shared.
    EXPECT_GT(p.vp.mass().TotalMass, 0.1f);
    EXPECT_NEAR(p.vp.statics().NormalLeftRest + p.vp.statics().NormalRightRest, p.vp.mass().TotalMass, 1e-5);
    EXPECT_TRUE(p.vp.hasRun());
    EXPECT_FALSE(p.vp.dynamic().TimeTo15.isEmpty());
}

TEST(VirtualPrototypeRefresh, SkidAdvisoryOnlyFromTheDynamicState)
{
    Prototype p(1, DriveType::AWD);
    p.vp.refresh(ProcessState::Dynamic, kNoFrame);
    ASSERT_TRUE(p.vp.dynamic().Skid);
    EXPECT_TRUE(p.vp.advisories().Skid.Shown);
    EXPECT_TRUE(p.vp.advisories().Flags.Skid);
    p.vp.refresh(ProcessState::Prop);
    EXPECT_FALSE(p.vp.advisories().Skid.Shown);
    EXPECT_FALSE(p.vp.advisories().Flags.Skid);
}

TEST(VirtualPrototypeRefresh, ContactFactsFollowTheOverlaps)
{
    Prototype p;
    p.vp.refresh(ProcessState::Set);
    const ContactFacts f = p.vp.contactFacts();
    // The default wedge touches its case with both layer sets and overlaps itself.
    EXPECT_FALSE(f.A);
    EXPECT_FALSE(f.B);
    EXPECT_FALSE(f.C);
    EXPECT_TRUE(f.E && f.F && f.I); // no front case without AWD
    EXPECT_FALSE(p.vp.advisories().WindowVisible);

    // A body far from the case at the top of the sheet floats, and the case too.
    p.design.OuterOutline.setPoints({{300, 20}, {400, 20}, {400, 60}, {300, 60}});
    p.design.InnerOutline.setPoints({{300, 20}, {400, 20}, {400, 60}, {300, 60}});
    p.vp.refresh(ProcessState::Set);
    EXPECT_TRUE(p.vp.advisories().CaseFree.Shown);
    EXPECT_EQ(p.vp.advisories().CaseFree.Text, "Spring case is not connected.");
    EXPECT_TRUE(p.vp.advisories().AxleFree.Shown);
    EXPECT_TRUE(p.vp.advisories().Flags.SpringCaseFree);
}

TEST(VirtualPrototypeRefresh, RaceRefreshRecordsTheTraceWithoutFrames)
{
    Prototype p(1);
    p.vp.refresh(ProcessState::Race);
    const DynamicResult& run = p.vp.dynamic();
    EXPECT_EQ(run.Frames > 0, true);
    EXPECT_FALSE(run.FinalFrameDrawn);
    EXPECT_GE(run.Trace.Distance[1], 0.0f);
}

// The first refresh after a change must not weigh the body with the chamber of the
// refresh before: the default wedge's board is worked out by hand (25.36 square
// inches of outer board, 13.91 of cored board, 0.0023 lbm per cubic inch), and the
// wheels, axles and spring are added.
TEST(VirtualPrototypeRefresh, FirstRefreshWeighsTheBodyWithItsOwnChamber)
{
    Prototype p;
    p.vp.refresh(ProcessState::Prop);
    const float first = p.vp.mass().TotalMass;
    const float body = 25.36f * 2 * 0.5f * 0.0023f + 13.91f * 4 * 0.5f * 0.0023f;
    EXPECT_NEAR(p.vp.mass().BoardMass - body, 0.0472f, 0.002f);
    EXPECT_NEAR(first, 0.246f, 0.002f);
    p.vp.refresh(ProcessState::Prop);
    EXPECT_EQ(p.vp.mass().TotalMass, first);

    // A longer spring sizes a bigger chamber, which the very next scan must cut out.
    p.design.SpringLength = "72";
    p.vp.refresh(ProcessState::Prop);
    const float changed = p.vp.mass().TotalMass;
    p.vp.refresh(ProcessState::Prop);
    EXPECT_EQ(p.vp.mass().TotalMass, changed);
}
