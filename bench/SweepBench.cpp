// The Power Designer's sweep without a window, and the Set state's refresh of a
// full-HD drawing area: geometry, sizing and the picture painted into an image.
#include "BenchGuiApp.h"
#include "analysis/PowerSweep.h"
#include "render/SetStateView.h"
#include "model/Presets.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace {

// Runs a sweep of 10 widths x 10 lengths x the wheels from `wheelFrom` to `wheelTo`
// by `wheelStep` over the preset, to its end, in every iteration.
void sweepPreset(benchmark::State& state, int preset, const char* wheelFrom, const char* wheelTo,
                 const char* wheelStep)
{
    brisko::CarDesign design;
    brisko::MaterialLibrary materials;
    brisko::loadPresetShape(design, preset);
    brisko::SweepFormTexts form;
    form.Width = {QStringLiteral("1"), QStringLiteral("1.9"), QStringLiteral("0.1")};
    form.Length = {QStringLiteral("30"), QStringLiteral("48"), QStringLiteral("2")};
    form.Wheel = {QString::fromLatin1(wheelFrom), QString::fromLatin1(wheelTo), QString::fromLatin1(wheelStep)};
    const brisko::SweepPlan plan = *brisko::checkSweepForm(form).Plan;
    for (auto _ : state) {
        brisko::PowerSweep sweep(design, materials, plan);
        while (sweep.runNext()) {
        }
        benchmark::DoNotOptimize(sweep.best().Time);
        state.counters["combinations"] = sweep.tried();
    }
}

// 10 widths x 10 lengths x 10 wheels of the default design.
void sweepOfAThousand(benchmark::State& state)
{
    sweepPreset(state, 0, "4", "6.25", "0.25");
}
BENCHMARK(sweepOfAThousand)->Name("BM_Sweep")->Unit(benchmark::kMillisecond);

// The Racer's 10 widths x 10 lengths x 100 wheels on the pool (processor time of
// every thread), the end-to-end sweep of the README without its output: the sizing
// gives every wheel the chamber's size, so each length's regions come back at
// every wheel.
void sweepOfTenThousand(benchmark::State& state)
{
    sweepPreset(state, 1, "2", "6.95", "0.05");
}
BENCHMARK(sweepOfTenThousand)->Name("BM_SweepRacer10000")->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

void setRefreshFullHd(benchmark::State& state, int preset)
{
    brisko::bench::ensureGuiApp();
    brisko::CarDesign design;
    brisko::MaterialLibrary materials;
    brisko::loadPresetShape(design, preset);
    brisko::MassModel model;
    for (auto _ : state) {
        const brisko::SetStateView view = brisko::renderSetStateView(design, materials, model, QSize(1920, 1080));
        benchmark::DoNotOptimize(view.Image.constBits());
    }
}

const bool registered = [] {
    benchmark::RegisterBenchmark("BM_SetRefresh1920x1080/Default_Design", setRefreshFullHd, 0)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_SetRefresh1920x1080/Tow_Truck", setRefreshFullHd, 3)
        ->Unit(benchmark::kMillisecond);
    return true;
}();

} // namespace
