// A repaint of the Design History chart over a portfolio of 100,000 records: the
// chart as the window repaints it (only what was appended is read), beside reading
// the whole file again at every paint; and the first reading of a school year's
// portfolio of 1,000,000 records (about 90 MB), with the memory it takes.
#include "BenchGuiApp.h"
#include "render/HistoryChart.h"
#include "persist/PortfolioHistory.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <sys/resource.h>

using namespace brisko;

namespace {

constexpr int kRecords = 100000;
constexpr int kYearRecords = 1000000;
const QSize kWindow(1280, 560);

// A portfolio of `records` lines: the stages of a working session over and over,
// with figures and now and then a skid.
QString writePortfolio(const QString& path, int records)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    const char* stages[] = {"0", "1", "2", "3", "4", "5", "-2", "6", "-3", "7"};
    for (int i = 0; i < records; ++i) {
        const QByteArray seconds = QByteArray::number(1.5 + (i % 37) * 0.05, 'f', 2);
        const QByteArray feet = QByteArray::number(10 + (i % 60), 'f', 2);
        const char* skid = (i / 50) % 7 == 0 ? "1" : "0";
        file.write(QByteArray(stages[i % 10]) + ",401,-,-,-,-," + seconds + "," + feet
                   + ",1.75,0.31,My Racer,12/8/26,1:45:00 PM,VPDynamic," + skid + ",0,0,0,0,0,0,0\r\n");
    }
    return path;
}

QTemporaryDir& benchDir()
{
    static QTemporaryDir dir;
    return dir;
}

// A term's portfolio.
const QString& portfolio()
{
    static const QString path = writePortfolio(benchDir().filePath("Term.brdp"), kRecords);
    return path;
}

// A school year of a busy class.
const QString& yearPortfolio()
{
    static const QString path = writePortfolio(benchDir().filePath("Year.brdp"), kYearRecords);
    return path;
}

double peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

void paintOnce(PortfolioHistory& history, QImage& image, int offset)
{
    history.update();
    QPainter painter(&image);
    paintHistoryChart(painter, kWindow, history, offset);
}

void BM_HistoryRepaint(benchmark::State& state)
{
    brisko::bench::ensureGuiApp();
    PortfolioHistory history;
    history.setPath(portfolio());
    history.update();
    QImage image(kWindow, QImage::Format_RGB32);
    const int offset = int(state.range(0));
    for (auto _ : state) {
        paintOnce(history, image, offset);
        benchmark::DoNotOptimize(image.bits());
    }
}
BENCHMARK(BM_HistoryRepaint)->Arg(0)->Arg(kRecords - 600)->Unit(benchmark::kMillisecond);

void BM_HistoryRepaintReadingAll(benchmark::State& state)
{
    brisko::bench::ensureGuiApp();
    QImage image(kWindow, QImage::Format_RGB32);
    for (auto _ : state) {
        PortfolioHistory history;
        history.setPath(portfolio());
        paintOnce(history, image, 0);
        benchmark::DoNotOptimize(image.bits());
    }
}
BENCHMARK(BM_HistoryRepaintReadingAll)->Unit(benchmark::kMillisecond);

// The window's first paint over 1,000,000 records reads them all. Counters: the
// process's peak resident memory before the first reading and after all of them
// (run this benchmark alone for a figure of the reading itself), and the memory
// the kept points take.
void BM_HistoryFirstReadOfAYear(benchmark::State& state)
{
    const QString& path = yearPortfolio();
    const double before = peakMegabytes();
    qint64 points = 0;
    for (auto _ : state) {
        PortfolioHistory history;
        history.setPath(path);
        history.update();
        points = history.count();
        benchmark::DoNotOptimize(points);
    }
    state.counters["records"] = double(points);
    state.counters["peak_MB_before"] = before;
    state.counters["peak_MB_after"] = peakMegabytes();
}
BENCHMARK(BM_HistoryFirstReadOfAYear)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
