#pragma once
// The virtual prototype of the design in memory: each refresh of the main window
// runs these steps in order, and the command-line tool and the tests run the same
// steps without any window.
#include "analysis/Advisories.h"
#include "analysis/ChamberSizing.h"
#include "analysis/Dynamics.h"
#include "analysis/ElementScan.h"
#include "analysis/MassModel.h"
#include "analysis/Spring.h"
#include "analysis/Statics.h"
#include "geometry/CarGeometry.h"
#include "geometry/ViewLayout.h"
#include "model/AppState.h"
#include "model/CarDesign.h"
#include "model/MaterialLibrary.h"

namespace brisko {

class VirtualPrototype {
public:
    VirtualPrototype(CarDesign& design, const MaterialLibrary& materials);

    void setLayout(const ViewLayout& layout) { m_layout = layout; }
    const ViewLayout& layout() const { return m_layout; }

    // Rebuilds every region with the chamber figures of the previous sizing.
    void rebuildGeometry();
    // Sizes the chamber and the layers; may correct three dimension texts.
    void sizeChamber();
    // Rebuilds the regions with the fresh chamber figures, as the design view does.
    void rebuildGeometryForDrawing();
    // Maximum real torque and propulsive force.
    void computeSpringFigures();
    // The spring mass, and the element scan while the layers exist and startAt is 0.
    bool runMassStep(int startAt, const ElementVisitor& visit = {});
    // Revolutions and projected distance, then the static forces.
    void computeRevolutionsAndStatics();
    // The run down the floor from the figures just computed.
    const DynamicResult& simulate(const DynamicRunOptions& options);
    // The advisories of a refresh of the given state.
    const AdvisoryDisplay& checkAdvisories(ProcessState state);

    // Whole refreshes without drawing: Set, Build, Prop, Dynamic (and Race, which
    // simulates without display). The regions are rebuilt after the sizing, so the
    // figures depend on the design alone, never on the previous refresh.
    void refresh(ProcessState state, int requestedFrame = kNoFrame);

    const CarDesign& design() const { return m_design; }
    const MassModel& mass() const { return m_mass; }
    const CarGeometry& geometry() const { return m_geometry; }
    const SpringFigures& spring() const { return m_spring; }
    const StaticResult& statics() const { return m_statics; }
    const DynamicResult& dynamic() const { return m_dynamic; }
    bool hasRun() const { return m_hasRun; }
    const AdvisoryDisplay& advisories() const { return m_advisories; }

    DynamicInputs dynamicInputs() const;
    ContactFacts contactFacts() const;

private:
    CarDesign& m_design;
    const MaterialLibrary& m_materials;
    ViewLayout m_layout = layoutView(1280, 850);
    MassModel m_mass;
    CarGeometry m_geometry;
    SpringFigures m_spring;
    StaticResult m_statics;
    DynamicResult m_dynamic;
    bool m_hasRun = false;
    bool m_lastRunSkidded = false;
    bool m_massScanned = false; // the masses are those of a scan, not the starting zeros
    AdvisoryDisplay m_advisories;
};

} // namespace brisko
