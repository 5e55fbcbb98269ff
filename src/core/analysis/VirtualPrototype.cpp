#include "analysis/VirtualPrototype.h"

#include "analysis/DesignFigures.h"

namespace brisko {

VirtualPrototype::VirtualPrototype(CarDesign& design, const MaterialLibrary& materials)
    : m_design(design)
    , m_materials(materials)
{
}

void VirtualPrototype::rebuildGeometry()
{
    m_geometry = buildCarGeometry(m_design, m_materials, m_layout, chamberGeometryOf(m_mass));
}

void VirtualPrototype::sizeChamber()
{
    sizeChamberAndLayers(m_design, m_materials, m_mass);
}

void VirtualPrototype::rebuildGeometryForDrawing()
{
    rebuildGeometry();
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
    m_lastRunSkidded = m_dynamic.Skid;
    return m_dynamic;
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

void VirtualPrototype::refresh(ProcessState state, int requestedFrame)
{
    // The sizing reads only the design and the materials; the regions are then built
    // once, from its fresh figures, so they never lag behind a changed spring.
    sizeChamber();
    rebuildGeometryForDrawing();
    switch (state) {
    case ProcessState::Prop:
    case ProcessState::Dynamic:
    case ProcessState::Race:
        computeSpringFigures();
        runMassStep(0);
        computeRevolutionsAndStatics();
        if (state != ProcessState::Prop)
            simulate({state == ProcessState::Race ? kNoFrame : requestedFrame, false, {}});
        break;
    default:
        break;
    }
    if (state == ProcessState::Set || state == ProcessState::Build || state == ProcessState::Prop
        || state == ProcessState::Dynamic)
        checkAdvisories(state);
}

} // namespace brisko
