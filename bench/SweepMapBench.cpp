// The sweep map of a large sweep, as the Power Designer rebuilds and repaints it while
// the sweep runs: the map built from the trials, and the map painted at the window's
// size. The trials are made up (times that grow with the wheel), so no simulation
// is timed.
#include "BenchGuiApp.h"
#include "dialogs/SweepMapView.h"
#include "render/SweepMap.h"
#include "text/NumberText.h"

#include <QImage>
#include <QSignalSpy>
#include <benchmark/benchmark.h>

namespace {

// Widths x lengths x 10 wheels; all three vary, so the map is one line per spring.
std::vector<brisko::SweepTrial> madeUpTrials(int widths, int lengths, brisko::SweepPlan& plan)
{
    plan = {{1, 1 + 0.1f * (widths - 1), 0.1f}, {30, 30 + 2.0f * (lengths - 1), 2}, {4, 6.25, 0.25}};
    std::vector<brisko::SweepTrial> trials;
    for (float d : brisko::sweepValues(plan.Wheel))
        for (float l : brisko::sweepValues(plan.Length))
            for (float w : brisko::sweepValues(plan.Width)) {
                const float time = 1.0f + 0.2f * d + 0.01f * l - 0.05f * w;
                trials.push_back({{brisko::numberText(w), brisko::numberText(l), brisko::numberText(d)},
                                  l < 31 ? QStringLiteral("[0.9]") : brisko::numberText(time)});
            }
    return trials;
}

void buildMap(benchmark::State& state)
{
    brisko::SweepPlan plan;
    const auto trials = madeUpTrials(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), plan);
    for (auto _ : state) {
        const brisko::SweepMap map = brisko::sweepMap(trials, &plan);
        benchmark::DoNotOptimize(map.Series.data());
    }
    state.counters["combinations"] = static_cast<double>(trials.size());
}
BENCHMARK(buildMap)->Name("BM_SweepMapBuild")->Args({10, 10})->Args({30, 40})->Args({100, 100})->Unit(benchmark::kMillisecond);

void paintMap(benchmark::State& state)
{
    brisko::bench::ensureGuiApp();
    brisko::SweepPlan plan;
    const auto trials = madeUpTrials(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), plan);
    const brisko::SweepMap map = brisko::sweepMap(trials, &plan);
    QImage image(600, 360, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        brisko::paintSweepMap(painter, image.size(), map);
    }
    state.counters["combinations"] = static_cast<double>(trials.size());
}
BENCHMARK(paintMap)->Name("BM_SweepMapPaint")->Args({10, 10})->Args({30, 40})->Args({100, 100})->Unit(benchmark::kMillisecond);

// The window's longest turn for the map while a large sweep runs: a trial more taken
// and the map repainted, which shows the last picture and starts the next one (the
// trials copied for the painting thread). The picture is painted between turns,
// untimed; before it was painted off the window's thread, a turn built and painted
// the whole map (BM_SweepMapBuild plus BM_SweepMapPaint).
constexpr std::ptrdiff_t kTurns = 3;

void windowTurn(benchmark::State& state)
{
    brisko::bench::ensureGuiApp();
    brisko::SweepPlan plan;
    const auto trials = madeUpTrials(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), plan);
    brisko::gui::SweepMapView view;
    view.resize(600, 360);
    view.show();
    view.startSweep(plan);
    // The last few trials arrive one a turn; no list grows past its room meanwhile.
    std::vector<brisko::SweepTrial> sofar;
    sofar.reserve(trials.size());
    sofar.assign(trials.begin(), trials.end() - kTurns);
    view.follow(sofar);
    QSignalSpy shown(&view, &brisko::gui::SweepMapView::pictureShown);
    for (auto _ : state) {
        sofar.push_back(trials[sofar.size()]);
        view.follow(sofar);
        view.endSweep(); // lets the next picture start at once
        view.repaint();
        state.PauseTiming();
        shown.wait(60000);
        state.ResumeTiming();
    }
    state.counters["combinations"] = static_cast<double>(trials.size());
}
BENCHMARK(windowTurn)->Name("BM_SweepMapWindowTurn")->Args({100, 100})->Args({100, 1000})->Unit(benchmark::kMillisecond)->Iterations(kTurns);

} // namespace
