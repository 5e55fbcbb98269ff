#pragma once
// What a refresh tells the one who shows it, step by step. The window draws and
// lets events through here; a headless refresh listens to nothing. An observer
// never computes: every figure comes from the prototype it is handed.
#include "analysis/Dynamics.h"
#include "analysis/ElementScan.h"
#include "model/AppState.h"

#include <vector>

namespace brisko {

class VirtualPrototype;

class RefreshObserver {
public:
    virtual ~RefreshObserver() = default;

    // The chamber and layers are sized; `corrected` lists the dimension codes
    // (14..21) whose texts the sizing rewrote.
    virtual void sized(const VirtualPrototype&, const std::vector<int>& /*corrected*/) {}
    // Whether the design's regions are drawn from this refresh: if not, those only a
    // picture shows are left out.
    virtual bool showsRegions() const { return false; }
    // The regions of this refresh are built: the sheet background and the design view.
    virtual void geometryBuilt(const VirtualPrototype&, ProcessState) {}
    // Asked before the element scan: a visitor for every counted element, or none.
    virtual ElementVisitor elementVisitor(ProcessState) { return {}; }
    // The masses and the centre of mass are known.
    virtual void massScanned(const VirtualPrototype&, ProcessState) {}
    // Spring figures, revolutions and the static forces are known.
    virtual void analysed(const VirtualPrototype&, ProcessState) {}
    // Whether the run's frames are to be shown (the Dynamic state on screen).
    virtual bool drawsFrames() const { return false; }
    virtual void runStarting(const VirtualPrototype&, int /*requestedFrame*/) {}
    virtual void frameSimulated(const VirtualPrototype&, const DynamicFrame&) {}
    virtual void simulated(const VirtualPrototype&, int /*requestedFrame*/) {}
    // The build advisories of this refresh are checked.
    virtual void advised(const VirtualPrototype&) {}
};

// Listens to nothing: the refresh of the command-line tool, the benchmarks and sweeps.
inline RefreshObserver& silentObserver()
{
    static RefreshObserver none;
    return none;
}

} // namespace brisko
