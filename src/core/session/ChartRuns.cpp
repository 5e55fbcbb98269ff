#include "session/ChartRuns.h"

#include "session/Session.h"
#include "text/NumberText.h"

namespace brisko {

namespace {

// The time field's text: a time to 15 ft, or the run's length in brackets.
std::optional<double> sheetFinishTime(const Session& session)
{
    const QString& text = session.figures().Simulate.TimeTo15;
    if (text.isEmpty() || text.startsWith(QLatin1Char('[')))
        return std::nullopt;
    return toDouble(text);
}

std::optional<ChartRun> runOf(const Session& session, int position)
{
    if (position < 0 || position >= session.designs().count())
        return std::nullopt;
    const DesignListEntry& entry = session.designs().entry(position);
    const RaceTrace* trace = session.traceOf(position);
    if (!trace || !entry.Simulated)
        return std::nullopt;
    ChartRun run{entry.Name, *trace, position == session.app().CurrentDesign, {}};
    if (run.Current)
        run.FinishTime = sheetFinishTime(session);
    else if (const auto step = finishStep(*trace))
        run.FinishTime = *step / 100.0;
    return run;
}

} // namespace

std::vector<ChartRun> chartRunsOf(const Session& session, const QVector<int>& positions)
{
    std::vector<ChartRun> runs;
    for (int position : positions)
        if (auto run = runOf(session, position)) {
            if (run->Current)
                runs.insert(runs.begin(), *run);
            else
                runs.push_back(*run);
        }
    return runs;
}

QVector<int> allPositions(const Session& session)
{
    QVector<int> positions;
    for (int i = 0; i < session.designs().count(); ++i)
        positions << i;
    return positions;
}

} // namespace brisko
