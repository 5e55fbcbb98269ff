#include "analysis/ChamberSizing.h"
#include "analysis/ElementScan.h"
#include "model/Presets.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>

using namespace brisko;

namespace {

struct Car {
    CarDesign design;
    MaterialLibrary materials;
    MassModel model;
    explicit Car(int preset) { loadPresetShape(design, preset); }
    CarGeometry geometry()
    {
        sizeChamberAndLayers(design, materials, model);
        return buildCarGeometry(design, materials, layoutView(1100, 800), chamberGeometryOf(model));
    }
};

void BM_RebuildGeometry(benchmark::State& state)
{
    Car car(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(car.geometry());
}
BENCHMARK(BM_RebuildGeometry)->DenseRange(0, 4);

// The element scan as the program runs it (bitmaps of the composed board) beside the
// naive scan (point-in-region tests, region by region) over the same regions.
void elementScan(benchmark::State& state, int preset, int size, PointTests tests)
{
    Car car(preset);
    const CarGeometry g = car.geometry();
    for (auto _ : state)
        benchmark::DoNotOptimize(countElements(g, size, car.model.FullLayers, car.model.CoredLayers, tests));
}

void registerElementScans()
{
    for (int preset = 0; preset < kPresetCount; ++preset) {
        const std::string name = presetNames().at(preset).toStdString();
        for (int size : {72, 36, 18, 9, 4, 2}) {
            std::string label = name;
            std::replace(label.begin(), label.end(), ' ', '_');
            label += "/" + std::to_string(size);
            benchmark::RegisterBenchmark(("BM_ElementScanNaive/" + label).c_str(), elementScan, preset, size,
                                         PointTests::RegionByRegion)
                ->Unit(benchmark::kMicrosecond);
            benchmark::RegisterBenchmark(("BM_ElementScan/" + label).c_str(), elementScan, preset, size,
                                         PointTests::Masks)
                ->Unit(benchmark::kMicrosecond);
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    registerElementScans();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
