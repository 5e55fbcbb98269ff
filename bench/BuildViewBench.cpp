// Painting every slab of the 3D build view, without the pauses by the clock that the
// window makes between steps: each preset at the three picture sizes. The counters
// give the positions painted and the time the window spreads them over, which the
// painting must stay well within.
#include "analysis/VirtualPrototype.h"
#include "model/Presets.h"
#include "render/BuildPace.h"
#include "render/SlabSweep.h"

#include <benchmark/benchmark.h>

#include <QImage>
#include <algorithm>
#include <string>

using namespace brisko;

namespace {

constexpr int kAreaWidth = 1280;
constexpr int kAreaHeight = 700;

void paintAllSlabs(benchmark::State& state, int preset, int sizePosition)
{
    CarDesign design;
    MaterialLibrary materials;
    loadPresetShape(design, preset);
    VirtualPrototype vp(design, materials);
    vp.setLayout(layoutView(kAreaWidth, kAreaHeight, pictureSizeAt(sizePosition)));
    vp.sizeChamber();
    vp.rebuildGeometryForDrawing();
    const BuildScene scene = buildSceneOf(vp.geometry(), design, materials, vp.mass().CoredLayers, kAreaWidth);
    QImage sheet(kAreaWidth, kAreaHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&sheet);
        drawSlabs(painter, scene);
    }
    state.counters["slabs"] = scene.slabCount();
    int positions = 0;
    for (const Slab& slab : scene.Slabs)
        positions += paintedPositionsOf(slab);
    state.counters["positions"] = positions;
    state.counters["pacedMs"] = wholeBuildMilliseconds(pictureSizeAt(sizePosition));
}

const bool registered = [] {
    const char* sizes[] = {"Small", "Med", "Large"};
    for (int preset = 0; preset < kPresetCount; ++preset) {
        std::string name = presetNames().at(preset).toStdString();
        std::replace(name.begin(), name.end(), ' ', '_');
        for (int size = 0; size < kPictureSizePositions; ++size)
            benchmark::RegisterBenchmark(("BM_BuildSlabs/" + name + "/" + sizes[size]).c_str(), paintAllSlabs,
                                         preset, size)
                ->Unit(benchmark::kMillisecond);
    }
    return true;
}();

} // namespace
