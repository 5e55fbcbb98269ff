// The session's part of a refresh: the result texts the records carry, the runs
// that the race replays, and no refresh inside another.
#include "SessionFixture.h"
#include "SessionArrangement.h"

#include "model/Presets.h"
#include "text/NumberText.h"

namespace brisko::test {

namespace {

// Asks for another refresh from inside a run, as an event let through would.
class ReenteringObserver : public RefreshObserver {
public:
    explicit ReenteringObserver(Session& s)
        : session(s)
    {
    }
    void runStarting(const VirtualPrototype&, int) override { inner = session.refresh(ProcessState::Set, *this); }
    Session& session;
    bool inner = true;
};

} // namespace

class SessionRefresh : public SessionFixture {
protected:
    SessionRefresh() { loadPresetShape(brisko::test::arrange(session).design(), 0); }
};

TEST_F(SessionRefresh, RecordsCarryTheFiguresOfTheLastAnalysisAndRun)
{
    session.refresh(ProcessState::Prop, silentObserver());
    const FigureSheet analysed = session.figures();
    EXPECT_NE(analysed.Analyze.TotalMass, "0");
    EXPECT_EQ(session.results().ProjectedMass, analysed.Analyze.TotalMass);
    EXPECT_EQ(session.results().PoweredDistance, analysed.Details.ProjectedDistance);
    EXPECT_EQ(session.results().Time, "0");

    session.refresh(ProcessState::Dynamic, silentObserver(), kFirstFrame);
    session.logAction(5, 401, {}, {}, {}, {}, QStringLiteral("VPDynamic"));
    const QStringList record = records().last();
    const FigureSheet run = session.figures();
    const QString time = run.Simulate.TimeTo15;
    EXPECT_EQ(record.value(6), time.startsWith('[') ? time : formatFixed(toDouble(time).value_or(0), 2));
    EXPECT_EQ(session.results().PoweredDistance, run.Simulate.RunDistance);
}

// The race replays the runs of list entries; removing another design never hands
// one entry's run to its neighbour.
TEST_F(SessionRefresh, RunsFollowTheirDesignListEntry)
{
    brisko::test::arrange(session).designs().append({QStringLiteral("First"), QStringLiteral("First"), {}, false, false});
    brisko::test::arrange(session).designs().append({QStringLiteral("Second"), QStringLiteral("Second"), {}, false, false});
    brisko::test::arrange(session).app().CurrentDesign = 6;
    session.refresh(ProcessState::Race, silentObserver());
    EXPECT_TRUE(session.designs().entry(6).Simulated);
    ASSERT_NE(session.traceOf(6), nullptr);
    EXPECT_EQ(session.traceOf(5), nullptr);

    brisko::test::arrange(session).designs().removeAt(5);
    EXPECT_NE(session.traceOf(5), nullptr) << "Second moved up with its run";
    EXPECT_EQ(session.traceOf(6), nullptr);
}

TEST_F(SessionRefresh, ARefreshAskedForDuringARunIsRefused)
{
    ReenteringObserver observer(session);
    EXPECT_TRUE(session.refresh(ProcessState::Dynamic, observer, kFirstFrame));
    EXPECT_FALSE(observer.inner);
    EXPECT_FALSE(session.isRefreshing());
}

} // namespace brisko::test
