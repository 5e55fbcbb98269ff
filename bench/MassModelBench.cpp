#include "analysis/ChamberSizing.h"
#include "analysis/ElementScan.h"
#include "model/Presets.h"

#include <benchmark/benchmark.h>

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

// The element scan at the finest (2) and the default (9) element size.
void BM_ElementScan(benchmark::State& state)
{
    Car car(3);
    car.design.ElementStepSize = QString::number(state.range(0));
    const CarGeometry g = car.geometry();
    for (auto _ : state) {
        runElementScan(car.design, car.materials, g, car.model);
        benchmark::DoNotOptimize(car.model.TotalMass);
    }
}
BENCHMARK(BM_ElementScan)->Arg(2)->Arg(9);

} // namespace

BENCHMARK_MAIN();
