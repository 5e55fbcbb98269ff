// A class's standings: 100 saved design files (the presets in every drive and
// chamber shape, in several spring lengths) read, simulated and ranked, on one
// thread and on the thread pool.
#include "output/ClassStandings.h"
#include "model/Presets.h"
#include "persist/DesignFile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QThreadPool>

#include <benchmark/benchmark.h>

using namespace brisko;

namespace {

constexpr int kClassSize = 100;

// Writes the class once for every benchmark of this file.
const QStringList& classFiles()
{
    static QTemporaryDir dir;
    static QStringList files;
    if (!files.isEmpty())
        return files;
    const QStringList lengths{QStringLiteral("36"), QStringLiteral("48"), QStringLiteral("60"), QStringLiteral("80")};
    for (const QString& length : lengths)
        for (DriveType drive : {DriveType::RWD, DriveType::FWD, DriveType::AWD})
            for (ChamberShape chamber : {ChamberShape::Circular, ChamberShape::Octagonal})
                for (int preset = 0; preset < kPresetCount && files.size() < kClassSize; ++preset) {
                    CarDesign design;
                    loadPresetShape(design, preset);
                    design.setDrive(drive);
                    design.Chamber = chamber;
                    design.SpringLength = length;
                    const QString name = QStringLiteral("Design %1").arg(files.size() + 1);
                    const QString path = QDir(dir.path()).filePath(name + kDesignFileExtension);
                    WriteDesignFile(path, design, MaterialLibrary(), name, nullptr);
                    files << path;
                }
    return files;
}

// Arg 0: one thread, the benchmark's own; 1: a pool kept between runs, as the
// window keeps one; 2: a fresh pool for every run, as brisko-class makes one.
void rankClass(benchmark::State& state)
{
    const QStringList& files = classFiles();
    const auto threads = state.range(0) == 0 ? StandingThreads::One : StandingThreads::Pool;
    QThreadPool kept;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            ClassStandings::of(files, threads, state.range(0) == 1 ? &kept : nullptr).rankedCount());
    state.counters["files"] = static_cast<double>(files.size());
    state.counters["threads"] = threads == StandingThreads::One ? 1 : kept.maxThreadCount();
}

} // namespace

BENCHMARK(rankClass)->Name("BM_ClassStandings")->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

namespace {

// Rows arriving one at a time, as the window adds them while files are analysed:
// `state.range(0)` analysed rows (copies of one analysed design with their own
// figures) and a tenth as many refused files.
void BM_StandingsRowsArriving(benchmark::State& state)
{
    const StandingRow analysed = analyseDesignFile(classFiles().front());
    const int count = int(state.range(0));
    for (auto _ : state) {
        ClassStandings standings;
        for (int i = 0; i < count; ++i) {
            StandingRow row = analysed;
            row.FileName = QStringLiteral("Design %1.brsk").arg(i);
            if (i % 10 == 9) {
                row.Refused = true;
                row.Message = QStringLiteral("unreadable");
            } else {
                row.TimeHundredths = 150 + (i * 7919) % 400;
            }
            standings.add(std::move(row));
        }
        benchmark::DoNotOptimize(standings.rankedCount());
    }
    state.SetComplexityN(count);
}
BENCHMARK(BM_StandingsRowsArriving)->Arg(250)->Arg(500)->Arg(1000)->Arg(2000)->Unit(benchmark::kMillisecond)->Complexity();

} // namespace
