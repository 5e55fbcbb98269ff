#include "analysis/Dynamics.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>

using namespace brisko;

namespace {

DynamicInputs defaultCar()
{
    DynamicInputs in;
    std::array<float, kTorqueCurveSize> values{};
    values[0] = 0.57f;
    in.Curve = TorqueCurve::fromValues(values);
    in.Revolutions = 11.8384f;
    in.DriveWheelDiameter = 4.8f;
    in.TotalMass = 0.35f;
    in.SpringWidth = in.SampleWidth = 1.5f;
    in.ProjectedDistance = 14.87f;
    in.TractionLeft = 0.25f;
    in.FrictionForce = 0.05f;
    in.StaticFriction = 1.0f;
    in.Wheelbase = 6.0f;
    in.CentroidHeight = 2.5f;
    in.CentroidFromRear = 4.0f;
    in.WheelThickness = 0.5f;
    in.WheelDensity = 0.0023f;
    return in;
}

void fullRunWithoutDisplay(benchmark::State& state)
{
    const DynamicInputs in = defaultCar();
    DynamicRunOptions race;
    race.RequestedFrame = kNoFrame;
    for (auto _ : state)
        benchmark::DoNotOptimize(runDynamic(in, race));
}
BENCHMARK(fullRunWithoutDisplay);

} // namespace

#include "analysis/VirtualPrototype.h"
#include "model/Presets.h"

namespace {

// A full Dynamic analysis without drawing: geometry, sizing, the scan at 9 pixels,
// the spring, the statics and the run.
void dynamicAnalysis(benchmark::State& state, int preset)
{
    brisko::CarDesign design;
    brisko::MaterialLibrary materials;
    brisko::loadPresetShape(design, preset);
    brisko::VirtualPrototype vp(design, materials);
    for (auto _ : state) {
        vp.refresh(brisko::ProcessState::Dynamic, brisko::kNoFrame);
        benchmark::DoNotOptimize(vp.dynamic().Steps);
    }
}

// What a refresh of the same design cannot do without: the element scan at the
// design's element size and the run, on the regions and figures of one refresh.
// Printed beside the refresh it bounds.
void scanAndRun(benchmark::State& state, int preset)
{
    brisko::CarDesign design;
    brisko::MaterialLibrary materials;
    brisko::loadPresetShape(design, preset);
    brisko::VirtualPrototype vp(design, materials);
    vp.refresh(brisko::ProcessState::Dynamic, brisko::kNoFrame);
    const brisko::DynamicInputs in = vp.dynamicInputs();
    const int size = brisko::elementSize(design);
    brisko::DynamicRunOptions run;
    run.RequestedFrame = brisko::kNoFrame;
    for (auto _ : state) {
        benchmark::DoNotOptimize(brisko::countElements(vp.geometry(), size, 1, 1));
        benchmark::DoNotOptimize(brisko::runDynamic(in, run));
    }
}

// The same after every change of the body: each refresh meets outlines it has not
// built before (the first point moves one pixel further each time), so no region of
// the layers is taken from an earlier refresh.
// A refresh nobody draws, as the tools and the sweeps make it, or (`observer`) one the
// window draws, which also builds the regions only pictures show.
void refreshNewOutlines(benchmark::State& state, int preset, brisko::RefreshObserver& observer)
{
    brisko::CarDesign design;
    brisko::MaterialLibrary materials;
    brisko::loadPresetShape(design, preset);
    const QVector<QPoint> outer = design.OuterOutline.points();
    const QVector<QPoint> inner = design.InnerOutline.points();
    brisko::VirtualPrototype vp(design, materials);
    int shift = 0;
    for (auto _ : state) {
        shift = (shift + 1) % 1000;
        for (auto [outline, points] : {std::pair{&design.OuterOutline, outer}, std::pair{&design.InnerOutline, inner}}) {
            QVector<QPoint> moved = points;
            if (!moved.isEmpty())
                moved[0].rx() -= shift;
            outline->setPoints(moved);
        }
        vp.refresh(brisko::ProcessState::Dynamic, observer, brisko::kNoFrame);
        benchmark::DoNotOptimize(vp.dynamic().Steps);
    }
}

void dynamicAnalysisOfNewOutlines(benchmark::State& state, int preset)
{
    refreshNewOutlines(state, preset, brisko::silentObserver());
}

struct DrawnRefresh : brisko::RefreshObserver {
    bool showsRegions() const override { return true; }
};

void drawnAnalysisOfNewOutlines(benchmark::State& state, int preset)
{
    DrawnRefresh drawn;
    refreshNewOutlines(state, preset, drawn);
}

const bool registered = [] {
    for (int preset = 0; preset < brisko::kPresetCount; ++preset) {
        std::string name = brisko::presetNames().at(preset).toStdString();
        std::replace(name.begin(), name.end(), ' ', '_');
        benchmark::RegisterBenchmark(("BM_DynamicAnalysis/" + name).c_str(), dynamicAnalysis, preset)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("BM_ScanAndRun/" + name).c_str(), scanAndRun, preset)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("BM_DynamicAnalysisNewOutline/" + name).c_str(), dynamicAnalysisOfNewOutlines,
                                     preset)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("BM_DrawnAnalysisNewOutline/" + name).c_str(), drawnAnalysisOfNewOutlines, preset)
            ->Unit(benchmark::kMicrosecond);
    }
    return true;
}();

} // namespace
