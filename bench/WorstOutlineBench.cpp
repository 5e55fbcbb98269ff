// The slowest outlines a design file may hold: stars of up to 256 points whose
// every edge crosses many others, as the outer and the inner outline, refreshed
// for the Dynamic state as brisko-figures and the window's every refresh run them.
// Each refresh meets outlines it has not built before (the first point moves one
// unit each time), so nothing is taken from an earlier refresh.
#include "analysis/VirtualPrototype.h"
#include "model/Presets.h"

#include <benchmark/benchmark.h>

#include <QtMath>

namespace {

// `points` points on an ellipse reaching as far beyond the paper as a design file
// may (x from -70 to 790, y from -70 to 610), each `step` points further round
// than the one before: a step near half the count crosses nearly every edge.
QVector<QPoint> star(int points, int step, int shift)
{
    QVector<QPoint> out;
    for (int i = 0; i < points; ++i) {
        const double angle = 2 * M_PI * double(i) * step / points;
        out << QPoint(360 + qRound(430 * std::cos(angle)), 270 + qRound(340 * std::sin(angle)));
    }
    out[0].rx() += shift;
    return out;
}

void BM_WorstOutline(benchmark::State& state)
{
    const int points = int(state.range(0));
    const int step = int(state.range(1));
    brisko::CarDesign design;
    brisko::MaterialLibrary materials;
    brisko::loadPresetShape(design, 1);
    brisko::VirtualPrototype vp(design, materials);
    int shift = 0;
    for (auto _ : state) {
        shift = (shift + 1) % 50;
        design.OuterOutline.setPoints(star(points, step, shift));
        design.InnerOutline.setPoints(star(points, step, -shift));
        vp.refresh(brisko::ProcessState::Dynamic, brisko::kNoFrame);
        benchmark::DoNotOptimize(vp.dynamic().Steps);
    }
}
BENCHMARK(BM_WorstOutline)
    ->Args({256, 1})   // a plain ellipse of 256 points
    ->Args({255, 127}) // every edge crosses nearly every other
    ->Args({256, 127})
    ->Args({256, 101})
    ->Args({127, 63})
    ->Unit(benchmark::kMillisecond);

} // namespace
