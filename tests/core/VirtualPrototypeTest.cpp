#include "analysis/VirtualPrototype.h"
#include "analysis/FigureSheet.h"
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

// Whether two parts touch is decided on the drawing, never on the window's size.
TEST(VirtualPrototypeRefresh, AdvisoriesAreTheSameAtEveryWindowWidth)
{
    for (int preset = 0; preset < kPresetCount; ++preset)
        for (DriveType drive : {DriveType::RWD, DriveType::FWD, DriveType::AWD})
            for (ChamberShape chamber : {ChamberShape::Circular, ChamberShape::Octagonal})
                for (ProcessState state : {ProcessState::Set, ProcessState::Dynamic}) {
                    AdvisoryFlags flags[3];
                    const ViewLayout layouts[3] = {layoutView(1280, 850), layoutView(1280 - 180, 800 - 150),
                                                   layoutView(1920 - 180, 1080 - 150)};
                    for (int i = 0; i < 3; ++i) {
                        Prototype p(preset, drive);
                        p.design.Chamber = chamber;
                        p.vp.setLayout(layouts[i]);
                        p.vp.refresh(state, kFirstFrame);
                        flags[i] = p.vp.advisories().Flags;
                    }
                    EXPECT_EQ(flags[1], flags[0]) << preset << " " << int(drive) << " " << int(chamber);
                    EXPECT_EQ(flags[2], flags[0]) << preset << " " << int(drive) << " " << int(chamber);
                }
}

// An outline whose edge passes within a fraction of a pixel of the case touches it
// or not by the drawing alone: small windows once rounded the gap away.
TEST(VirtualPrototypeRefresh, ACaseJustClearOfTheBodyIsFreeAtEverySize)
{
    for (int width : {500, 700, 1280, 1920}) {
        Prototype p;
        p.vp.refresh(ProcessState::Set);
        const QRect caseBox = p.vp.geometry().rearCaseDrawing().boundingRect();
        // A body standing one drawing pixel clear of the case's right edge.
        const int left = caseBox.right() + 2;
        p.design.OuterOutline.clear();
        for (QPoint at : {QPoint(left, 300), QPoint(700, 300), QPoint(700, 530), QPoint(left, 530)})
            p.design.OuterOutline.append(at);
        p.design.InnerOutline = p.design.OuterOutline;
        p.vp.setLayout(layoutView(width, width * 3 / 4));
        p.vp.refresh(ProcessState::Set);
        EXPECT_FALSE(p.vp.geometry().Overlaps.OuterMeetsCase) << width;
        EXPECT_FALSE(p.vp.geometry().Overlaps.InnerMeetsCase) << width;
    }
}

namespace {
struct DrawingObserver : RefreshObserver {
    bool showsRegions() const override { return true; }
};
} // namespace

// A refresh nobody draws (the tools, the sweeps, the class standings) builds no region
// only a picture shows, and its figures and advisories are those of one the window draws.
TEST(VirtualPrototypeRefresh, AHeadlessRefreshLeavesOutWhatOnlyPicturesShowWithTheSameFigures)
{
    for (int preset = 0; preset < 5; ++preset)
        for (DriveType drive : {DriveType::RWD, DriveType::AWD}) {
            Prototype headless(preset, drive), drawn(preset, drive);
            headless.vp.refresh(ProcessState::Dynamic, kNoFrame);
            DrawingObserver window;
            drawn.vp.refresh(ProcessState::Dynamic, window, kNoFrame);
            EXPECT_TRUE(figuresOf(headless.vp) == figuresOf(drawn.vp)) << preset;
            EXPECT_EQ(headless.vp.advisories().Skid.Shown, drawn.vp.advisories().Skid.Shown);
            const CarGeometry& h = headless.vp.geometry();
            const CarGeometry& d = drawn.vp.geometry();
            EXPECT_TRUE(h.DriveWheelRegion.isEmpty() && h.SpringView.isEmpty() && h.MarkView.isEmpty());
            EXPECT_TRUE(h.RearCase.Picture.of(h.Shape).isEmpty() && h.DriveAxleRegion.Picture.isEmpty());
            EXPECT_FALSE(d.DriveWheelRegion.isEmpty() || d.TreadRegion.isEmpty() || d.SpringView.isEmpty());
            EXPECT_FALSE(d.RearCase.Picture.of(d.Shape).isEmpty() || d.DriveAxleRegion.Picture.isEmpty());
            EXPECT_EQ(h.RearCase.View.of(h.Shape), d.RearCase.View.of(d.Shape)) << "the off-paper tests read the view";
            // Drawing the headless prototype afterwards builds what was left out.
            headless.vp.rebuildGeometryForDrawing();
            EXPECT_EQ(headless.vp.geometry().DriveWheelRegion, d.DriveWheelRegion);
            EXPECT_EQ(headless.vp.geometry().InnerLayerView, d.InnerLayerView);
        }
}

// The off-paper tests, which a headless refresh answers without composing the view's
// layers, answer as the window's: bodies on the paper, over each edge, and bodies
// whose outline is on the paper while the layer reaches beyond it.
TEST(VirtualPrototypeRefresh, AHeadlessRefreshFindsLayersOffThePaperAsTheWindowsDoes)
{
    const QPoint shifts[] = {{0, 0}, {-150, 0}, {0, -400}, {300, 0}, {0, 120}, {-40, 60}};
    int offPaper = 0;
    for (int preset = 0; preset < 5; ++preset)
        for (DriveType drive : {DriveType::RWD, DriveType::AWD})
            for (const QPoint& shift : shifts) {
                Prototype headless(preset, drive), drawn(preset, drive);
                for (CarDesign* design : {&headless.design, &drawn.design})
                    for (BodyOutline* outline : {&design->OuterOutline, &design->InnerOutline}) {
                        QVector<QPoint> points = outline->points();
                        for (QPoint& p : points)
                            p += shift;
                        outline->setPoints(points);
                    }
                headless.vp.refresh(ProcessState::Prop, kNoFrame);
                DrawingObserver window;
                drawn.vp.refresh(ProcessState::Prop, window, kNoFrame);
                const OverlapResults& h = headless.vp.geometry().Overlaps;
                const OverlapResults& d = drawn.vp.geometry().Overlaps;
                SCOPED_TRACE(testing::Message() << preset << " shifted " << shift.x() << "," << shift.y());
                EXPECT_EQ(h.OuterOffPaper, d.OuterOffPaper);
                EXPECT_EQ(h.InnerOffPaper, d.InnerOffPaper);
                offPaper += d.OuterOffPaper + d.InnerOffPaper;
            }
    EXPECT_GT(offPaper, 20) << "most shifted bodies leave the paper";
}
