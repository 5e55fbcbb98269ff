#include "analysis/VirtualPrototype.h"

#include "model/DesignFigures.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <iterator>

namespace brisko {

VirtualPrototype::VirtualPrototype(CarDesign& design, const MaterialLibrary& materials)
    : m_design(design)
    , m_materials(materials)
{
}

// Everything buildCarGeometry reads from the design, the materials, the layout
// and the sizing. Figures are compared bit for bit: equal inputs give equal regions.
struct VirtualPrototype::GeometryInputs {
    ChamberShape Chamber;
    DriveType Drive;
    float FrontX, FrontY;
    BodyOutline Outer, Inner;
    QString DriveAxle, OtherAxle, DriveWheel, OtherWheel, SpringLength, SpringThickness;
    ViewLayout Layout;
    ChamberGeometry Sizing;
    PrinterFrame Printer;
    ShownRegions Shown;

    GeometryInputs(const CarDesign& d, const MaterialLibrary& m, const ViewLayout& layout, const ChamberGeometry& sizing,
                   PrinterFrame printer, ShownRegions shown)
        : Chamber(d.Chamber)
        , Drive(d.Drive)
        , FrontX(d.FrontAxle.XUnits)
        , FrontY(d.FrontAxle.YUnits)
        , Outer(d.OuterOutline)
        , Inner(d.InnerOutline)
        , DriveAxle(d.DriveAxleDiameter)
        , OtherAxle(d.OtherAxleDiameter)
        , DriveWheel(d.DriveWheelDiameter)
        , OtherWheel(d.OtherWheelDiameter)
        , SpringLength(d.SpringLength)
        , SpringThickness(springOf(d, m).Thickness)
        , Layout(layout)
        , Sizing(sizing)
        , Printer(printer)
        , Shown(shown)
    {
    }

    bool operator==(const GeometryInputs& o) const
    {
        static_assert(sizeof(ViewLayout) == 9 * 4 && sizeof(ChamberGeometry) == 3 * 4,
                      "every field of the layout and the sizing is compared below");
        const auto same = [](float a, float b) { return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b); };
        const ViewLayout& v = Layout;
        const ViewLayout& w = o.Layout;
        return Chamber == o.Chamber && Drive == o.Drive && same(FrontX, o.FrontX) && same(FrontY, o.FrontY)
            && sameOutline(Outer, o.Outer) && sameOutline(Inner, o.Inner) && DriveAxle == o.DriveAxle
            && OtherAxle == o.OtherAxle && DriveWheel == o.DriveWheel && OtherWheel == o.OtherWheel
            && SpringLength == o.SpringLength && SpringThickness == o.SpringThickness && same(v.ViewScale, w.ViewScale)
            && v.PaperViewWidth == w.PaperViewWidth && v.PaperViewHeight == w.PaperViewHeight
            && v.PaperLeft == w.PaperLeft && same(v.PrinterScaleX, w.PrinterScaleX)
            && same(v.PrinterScaleY, w.PrinterScaleY) && same(v.PictureSize, w.PictureSize)
            && v.PictureShiftX == w.PictureShiftX && v.PictureShiftY == w.PictureShiftY
            && same(Sizing.ChamberRadius, o.Sizing.ChamberRadius) && same(Sizing.CaseRadius, o.Sizing.CaseRadius)
            && same(Sizing.DriveAxleHeight, o.Sizing.DriveAxleHeight) && Printer == o.Printer && Shown == o.Shown;
    }

    // The points and the printer copy with its scales (BodyOutline's own == reads the points only).
    static bool sameOutline(const BodyOutline& a, const BodyOutline& b)
    {
        return a.points() == b.points() && a.printerPoints() == b.printerPoints()
            && a.printerScale() == b.printerScale();
    }
};

void VirtualPrototype::rebuildGeometry(PrinterFrame printer, ShownRegions shown)
{
    // A missing inner outline follows the outer one from now on.
    if (m_design.InnerOutline.count() < 2 && m_design.OuterOutline.count() >= 2)
        m_design.InnerOutline = m_design.OuterOutline;
    auto inputs = std::make_shared<const GeometryInputs>(m_design, m_materials, m_layout, chamberGeometryOf(m_mass),
                                                         printer, shown);
    if (m_geometryInputs && *m_geometryInputs == *inputs)
        return;
    if (m_kept) {
        const auto same = std::find_if(m_kept->begin(), m_kept->end(), [&inputs](const BuiltRegions& r) {
            return r.Inputs && *r.Inputs == *inputs;
        });
        if (same != m_kept->end()) {
            m_geometry = std::move(same->Geometry);
            m_geometryInputs = std::move(same->Inputs);
            m_kept->erase(same);
            return;
        }
    }
    m_geometry = buildCarGeometry(m_design, m_materials, m_layout, chamberGeometryOf(m_mass), printer, shown);
    m_geometryInputs = std::move(inputs);
}

namespace {
constexpr int kCorrectableCodes[] = {14, 18, 19}; // spring width, drive and other wheel diameters
} // namespace

void VirtualPrototype::sizeChamber()
{
    QString before[std::size(kCorrectableCodes)];
    for (std::size_t i = 0; i < std::size(kCorrectableCodes); ++i)
        before[i] = *dimensionByCode(m_design, kCorrectableCodes[i]);
    sizeChamberAndLayers(m_design, m_materials, m_mass);
    m_hasSizing = true;
    m_corrected.clear();
    for (std::size_t i = 0; i < std::size(kCorrectableCodes); ++i)
        if (*dimensionByCode(m_design, kCorrectableCodes[i]) != before[i])
            m_corrected.push_back(kCorrectableCodes[i]);
}

void VirtualPrototype::computeSpringFigures()
{
    const SpringMaterial& spring = springOf(m_design, m_materials);
    SpringInputs in;
    in.SpringWidth = figure(m_design.SpringWidth);
    in.SpringLength = figure(m_design.SpringLength);
    in.ArborDiameter = figure(m_design.DriveAxleDiameter);
    in.DriveWheelDiameter = figure(m_design.DriveWheelDiameter);
    in.CaseInnerDia = m_mass.CaseInnerDia;
    in.Thickness = figure(spring.Thickness);
    in.SampleWidth = figure(spring.SampleWidth);
    in.Curve = TorqueCurve::fromTexts(spring.TorqueCurve);
    const float revolutions = m_spring.Revolutions;
    const float distance = m_spring.ProjectedDistance;
    m_spring = brisko::computeSpringFigures(in);
    // Revolutions and distance belong to their own step; keep the last ones until it runs.
    m_spring.Revolutions = revolutions;
    m_spring.ProjectedDistance = distance;
}

bool VirtualPrototype::runMassStep(int startAt, const ElementVisitor& visit)
{
    if (m_geometry.RegionsValid && startAt == 0)
        settleElementSize(m_design); // the scan reads the element size
    const bool scanned = brisko::runMassStep(m_design, m_materials, m_geometry, m_mass, startAt, visit);
    m_massScanned = m_massScanned || scanned;
    return scanned;
}

void VirtualPrototype::computeRevolutionsAndStatics()
{
    const SpringMaterial& spring = springOf(m_design, m_materials);
    m_spring.Revolutions = springRevolutions(m_mass.CaseInnerDia, figure(spring.Thickness),
                                             figure(m_design.SpringLength), figure(m_design.DriveAxleDiameter));
    m_spring.ProjectedDistance = projectedDistance(figure(m_design.DriveWheelDiameter), m_spring.Revolutions);

    StaticInputs in;
    in.Drive = m_design.Drive;
    in.TotalMass = m_mass.TotalMass;
    in.CentroidFromRear = m_mass.CentroidFromRear;
    in.CentroidHeight = m_mass.CentroidHeight;
    in.Wheelbase = m_mass.Wheelbase;
    in.PropulsiveForce = m_spring.PropulsiveForce;
    in.StaticFriction = figure(m_materials.tread(m_design.Materials[TreadSlot]).StaticFriction);
    m_statics = computeStatics(in);
    m_hasAnalysis = true;
    m_runIsLatest = false;
}

DynamicInputs VirtualPrototype::dynamicInputs() const
{
    const SpringMaterial& spring = springOf(m_design, m_materials);
    const BoardMaterial& wheel = boardOf(m_design, m_materials, DriveWheelSlot);
    DynamicInputs in;
    in.Drive = m_design.Drive;
    in.Revolutions = m_spring.Revolutions;
    in.DriveWheelDiameter = figure(m_design.DriveWheelDiameter);
    in.TotalMass = m_mass.TotalMass;
    in.SpringWidth = figure(m_design.SpringWidth);
    in.SampleWidth = figure(spring.SampleWidth);
    in.ProjectedDistance = m_spring.ProjectedDistance;
    in.TractionLeft = m_statics.TractionLeft;
    in.TractionRight = m_design.Drive == DriveType::AWD ? m_statics.TractionRight : 0.0f;
    in.FrictionForce = figure(m_design.FrictionForce);
    in.StaticFriction = figure(m_materials.tread(m_design.Materials[TreadSlot]).StaticFriction);
    in.Wheelbase = m_mass.Wheelbase;
    in.CentroidHeight = m_mass.CentroidHeight;
    in.CentroidFromRear = m_mass.CentroidFromRear;
    in.WheelThickness = figure(wheel.Thickness);
    in.WheelDensity = figure(wheel.Density);
    in.Curve = TorqueCurve::fromTexts(spring.TorqueCurve);
    return in;
}

const DynamicResult& VirtualPrototype::simulate(const DynamicRunOptions& options)
{
    m_dynamic = runDynamic(dynamicInputs(), options);
    m_hasRun = true;
    m_runIsLatest = true;
    m_lastRunSkidded = m_dynamic.Skid;
    return m_dynamic;
}

void VirtualPrototype::simulateObserved(RefreshObserver& observer, int requestedFrame, bool display)
{
    observer.runStarting(*this, requestedFrame);
    simulate({requestedFrame, display, [this, &observer](const DynamicFrame& frame) {
                  observer.frameSimulated(*this, frame);
              }});
    observer.simulated(*this, requestedFrame);
}

ContactFacts VirtualPrototype::contactFacts() const
{
    // A fact holds when the overlap it names is empty: the two parts do not touch.
    const OverlapResults& o = m_geometry.Overlaps;
    const bool awd = m_design.Drive == DriveType::AWD;
    ContactFacts f;
    f.A = !o.OuterMeetsCase;
    f.B = !o.InnerMeetsCase;
    f.C = !o.InnerMeetsOuter;
    f.D = !o.CasesOverlap;
    f.E = !awd || !o.InnerMeetsFrontCase;
    f.F = !awd || !o.OuterMeetsFrontCase;
    f.G = !o.OuterMeetsOtherAxle;
    f.H = !o.InnerMeetsOtherAxle;
    f.I = !awd || !o.ChambersOverlap;
    return f;
}

const AdvisoryDisplay& VirtualPrototype::checkAdvisories(ProcessState state)
{
    AdvisoryInputs in;
    in.Facts = contactFacts();
    in.Drive = m_design.Drive;
    in.CaseOuterDia = m_mass.CaseOuterDia;
    in.State = static_cast<int>(state);
    in.LastRunSkidded = m_lastRunSkidded;
    in.MassKnown = m_massScanned && state >= ProcessState::Prop && state <= ProcessState::Race;
    in.TotalMass = m_mass.TotalMass;
    m_advisories = brisko::checkAdvisories(in);
    return m_advisories;
}

namespace {

bool analyses(ProcessState state)
{
    return state == ProcessState::Prop || state == ProcessState::Dynamic || state == ProcessState::Race;
}

bool advises(ProcessState state)
{
    return state == ProcessState::Set || state == ProcessState::Build || state == ProcessState::Prop
        || state == ProcessState::Dynamic;
}

} // namespace

void VirtualPrototype::refresh(ProcessState state, RefreshObserver& observer, int requestedFrame)
{
    sizeChamber();
    observer.sized(*this, m_corrected);
    rebuildGeometry(PrinterFrame::Left, observer.showsRegions() ? ShownRegions::Built : ShownRegions::Left);
    observer.geometryBuilt(*this, state);
    if (analyses(state)) {
        computeSpringFigures();
        runMassStep(0, observer.elementVisitor(state));
        observer.massScanned(*this, state);
        computeRevolutionsAndStatics();
        observer.analysed(*this, state);
        if (state == ProcessState::Dynamic)
            simulateObserved(observer, requestedFrame, observer.drawsFrames());
        else if (state == ProcessState::Race)
            simulateObserved(observer, kNoFrame, false);
    }
    if (advises(state)) {
        checkAdvisories(state);
        observer.advised(*this);
    }
}

void VirtualPrototype::stepRun(RefreshObserver& observer, int requestedFrame)
{
    computeSpringFigures();
    computeRevolutionsAndStatics();
    simulateObserved(observer, requestedFrame, observer.drawsFrames());
}

} // namespace brisko
