#pragma once
// The virtual prototype of the design in memory and the one refresh that runs a
// design-process state's steps in order. The main window, the command-line tool,
// the benchmarks and the tests all refresh through it; the window only listens.
#include "analysis/Advisories.h"
#include "analysis/ChamberSizing.h"
#include "analysis/Dynamics.h"
#include "analysis/ElementScan.h"
#include "analysis/MassModel.h"
#include "analysis/RefreshObserver.h"
#include "analysis/Spring.h"
#include "analysis/Statics.h"
#include "geometry/CarGeometry.h"
#include "geometry/ViewLayout.h"
#include "model/AppState.h"
#include "model/CarDesign.h"
#include "model/MaterialLibrary.h"

#include <memory>

namespace brisko {

class VirtualPrototype {
    struct GeometryInputs;

public:
    VirtualPrototype(CarDesign& design, const MaterialLibrary& materials);

    // The regions of a refresh and what they were built from. Offered regions built
    // before, a refresh takes the ones built from the same figures instead of building
    // them again: a sweep's combinations that differ only in what no region reads (the
    // spring width, a wheel the sizing corrects anyway) skip the geometry.
    struct BuiltRegions {
        CarGeometry Geometry;
        std::shared_ptr<const GeometryInputs> Inputs;
    };
    BuiltRegions takeRegions() { return {std::move(m_geometry), std::move(m_geometryInputs)}; }
    // The refreshes take what they use out of `kept`, which must outlive the prototype.
    void offerRegions(std::vector<BuiltRegions>* kept) { m_kept = kept; }

    void setLayout(const ViewLayout& layout) { m_layout = layout; }
    const ViewLayout& layout() const { return m_layout; }

    // Rebuilds every region with the chamber figures of the last sizing; a refresh
    // leaves out the printer frame, which only the templates read, and a refresh
    // nobody draws the regions only pictures show.
    void rebuildGeometry(PrinterFrame printer = PrinterFrame::Built, ShownRegions shown = ShownRegions::Built);
    // Sizes the chamber and the layers; may correct three dimension texts.
    void sizeChamber();
    // The regions rebuilt for a picture drawn outside a refresh (the build view).
    void rebuildGeometryForDrawing() { rebuildGeometry(); }
    // Maximum real torque and propulsive force.
    void computeSpringFigures();
    // The spring mass, and the element scan while the layers exist and startAt is 0.
    bool runMassStep(int startAt, const ElementVisitor& visit = {});
    // Revolutions and projected distance, then the static forces.
    void computeRevolutionsAndStatics();
    // The run down the floor from the figures just computed.
    const DynamicResult& simulate(const DynamicRunOptions& options);
    // The simulation as a refresh runs it, its frames told to the observer.
    void simulateObserved(RefreshObserver& observer, int requestedFrame, bool display);
    // The advisories of a refresh of the given state.
    const AdvisoryDisplay& checkAdvisories(ProcessState state);

    // The refresh of a state: the chamber and layer sizing, the regions built from
    // its fresh figures (so they never lag behind a changed spring), then the
    // state's work, then the build advisories where the state has them. Prop,
    // Dynamic and Race analyse; Dynamic runs up to `requestedFrame`, Race to the end.
    void refresh(ProcessState state, RefreshObserver& observer, int requestedFrame = kNoFrame);
    void refresh(ProcessState state, int requestedFrame = kNoFrame) { refresh(state, silentObserver(), requestedFrame); }
    // One more step of the Dynamic state: the spring figures, revolutions and
    // statics again and the run up to `requestedFrame`; the masses stay.
    void stepRun(RefreshObserver& observer, int requestedFrame);

    const CarDesign& design() const { return m_design; }
    const MassModel& mass() const { return m_mass; }
    const CarGeometry& geometry() const { return m_geometry; }
    const SpringFigures& spring() const { return m_spring; }
    const StaticResult& statics() const { return m_statics; }
    const DynamicResult& dynamic() const { return m_dynamic; }
    bool hasRun() const { return m_hasRun; }
    bool hasSizing() const { return m_hasSizing; }
    bool hasAnalysis() const { return m_hasAnalysis; }
    // The distance field shows the run's distance: no analysis came after the run.
    bool runIsLatest() const { return m_runIsLatest; }
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
    bool m_hasSizing = false;
    bool m_hasAnalysis = false;
    bool m_runIsLatest = false;
    std::vector<int> m_corrected;
    bool m_lastRunSkidded = false;
    bool m_massScanned = false; // the masses are those of a scan, not the starting zeros
    AdvisoryDisplay m_advisories;
    // What the regions in m_geometry were built from, so that a refresh that
    // changed none of it keeps them.
    std::shared_ptr<const GeometryInputs> m_geometryInputs;
    std::vector<BuiltRegions>* m_kept = nullptr;
};

} // namespace brisko
