// Undo of a weight on the Tow Truck with the refresh that follows it, as the window
// runs it: the snapshot put back, the record written, the present state refreshed
// (/0 the Set state, /1 the Properties state, which weighs the body and the weights
// again). Redo runs between iterations, outside the timing.
#include "BenchGuiApp.h"
#include "analysis/RefreshObserver.h"
#include "geometry/ViewLayout.h"
#include "model/Presets.h"
#include "session/DesignLoading.h"
#include "session/PartPlacement.h"
#include "session/Session.h"

#include <benchmark/benchmark.h>
#include <utility>

#include <QTemporaryDir>

using namespace brisko;

namespace {

class SilentPrompter : public Prompter {
public:
    void message(const QString&, const QString&) override {}
    Answer confirm(const QString&, const QString&) override { return Answer::No; }
    QString openFile(const FileRequest&) override { return {}; }
    QString saveFile(const FileRequest&) override { return {}; }
    std::optional<QString> inputText(const QString&, const QString&, const QString&) override { return {}; }
    std::optional<QColor> chooseColor(const QColor&) override { return {}; }
    bool choosePrinter(QPagedPaintDevice*) override { return false; }
    void openUrl(const QString&) override {}
    void beep() override {}
};

void BM_UndoWeight(benchmark::State& state)
{
    bench::ensureGuiApp();
    QTemporaryDir dir;
    SilentPrompter prompter;
    Session session(prompter);
    QString error;
    session.attachPortfolio(dir.filePath(QStringLiteral("Bench.brdp")), &error);
    loadPresetDesign(session, presetNames().indexOf(QStringLiteral("Tow Truck")));
    session.layOut(layoutView(1280, 700));
    session.startHistory();
    const ProcessState shown = state.range(0) == 0 ? ProcessState::Set : ProcessState::Prop;
    session.enterState(shown);
    session.refresh(shown, silentObserver());
    addWeight(session, QPoint(360, 300), QStringLiteral("0.5"));
    session.refresh(shown, silentObserver());
    // The window refreshes its present state when an operation that replaced the
    // design ends; here the same events run it.
    int refreshes = 0;
    bool stale = false;
    QObject::connect(&session.notifier(), &SessionNotifier::designReplaced, [&] { stale = true; });
    QObject::connect(&session.notifier(), &SessionNotifier::operationEnded, [&] {
        if (std::exchange(stale, false))
            refreshes += session.refresh(session.app().CurrentState, silentObserver()) ? 1 : 0;
    });
    for (auto _ : state) {
        if (!session.undo())
            state.SkipWithError("nothing to undo");
        state.PauseTiming();
        session.redo();
        state.ResumeTiming();
    }
    state.counters["weights"] = session.design().weightsInUse();
    state.counters["refreshesPerUndo"] = benchmark::Counter(refreshes / 2.0 / static_cast<double>(state.iterations()));
    state.counters["projectedMass"] = session.figures().Records.ProjectedMass.toDouble();
    state.SetLabel(state.range(0) == 0 ? "Set" : "Properties");
}

BENCHMARK(BM_UndoWeight)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
