#pragma once
// Everything the program holds for the life of a run, without any window: the
// design, the program state, the materials, the design list, the portfolio, the
// texts of the result fields that records carry, and the prompter. The main window
// owns one Session and shows it; tests drive a Session directly.
#include "model/AdvisoryFlags.h"
#include "analysis/FigureSheet.h"
#include "analysis/RaceTrace.h"
#include "analysis/VirtualPrototype.h"
#include "model/AppState.h"
#include "model/CarDesign.h"
#include "model/MaterialLibrary.h"
#include "persist/ActionRecord.h"
#include "persist/DesignList.h"
#include "persist/Portfolio.h"
#include "session/ActionCodes.h"
#include "session/SessionNotifier.h"
#include "ui/Prompter.h"

#include <QDateTime>
#include <QRandomGenerator>
#include <array>
#include <functional>
#include <map>
#include <optional>

namespace brisko {

inline const QString kProgramVersion = QStringLiteral("4.0.2"); // as logged by start and end

using OptText = std::optional<QString>;

// Texts shown in the dimension and preference fields. While the student types they
// may differ from the accepted texts held in the design.
struct FieldTexts {
    std::array<QString, 8> dimensions; // by action code 14..21
    QString CaseRatio;
    QString FrictionForce;
    QString ElementStepSize;

    QString& dimension(int code) { return dimensions.at(code - 14); }
    const QString& dimension(int code) const { return dimensions.at(code - 14); }
};

class Session {
public:
    explicit Session(Prompter& prompter);

    CarDesign design;
    AppState app;
    MaterialLibrary materials;
    DesignList designs;
    Portfolio portfolio;
    AdvisoryFlags advisories;
    ResultTexts results;
    QString designListText = QStringLiteral("Default design"); // the DesignList box's text
    FieldTexts fields;

    // Puts the design's accepted texts into the field texts.
    void showDesignInFields();
    // What the logic asks of the window that shows the session; without one nothing
    // happens.
    void requestRefresh(ProcessState state) { emit m_notifier.refreshRequested(state); }
    void requestState(ProcessState to) { emit m_notifier.stateRequested(to); }
    void announceDesignReplaced() { emit m_notifier.designReplaced(); }

    Prompter& prompter() { return *m_prompter; }

    // The virtual prototype of the design, laid out for the window that shows it.
    VirtualPrototype& prototype() { return m_prototype; }
    const VirtualPrototype& prototype() const { return m_prototype; }
    // The figures of everything computed so far.
    FigureSheet figures() const { return figuresOf(m_prototype); }

    // The one refresh of a state (see VirtualPrototype::refresh), keeping what the
    // session holds of it: corrected field texts, the advisory flags, the result
    // texts of the records and the run of the current design-list entry. A refresh
    // asked for while one is running (an animation lets events through) is refused.
    bool refresh(ProcessState state, RefreshObserver& observer, int requestedFrame = kNoFrame);
    // One more step of the Dynamic state's run.
    bool stepRun(RefreshObserver& observer, int requestedFrame);
    bool isRefreshing() const { return m_refreshing; }

    // Where windows hear about the session's changes.
    SessionNotifier& notifier() { return m_notifier; }

    // The last run of the design at `position` in the design list, none before its
    // first run. Runs belong to list entries and follow them when others are removed.
    const RaceTrace* traceOf(int position) const;
    // Keeps a run made outside the session's own refresh (the class standings) as
    // the last run of the entry at `position`, which then counts as simulated.
    void keepRunOf(int position, const RaceTrace& trace);

    // Appends one record to the portfolio. Without a portfolio nothing is written
    // and true is returned. A failure shows a message naming the file and returns
    // false: the operation that was logging stops there.
    bool logAction(int stage, int code, OptText v1 = {}, OptText v2 = {}, OptText v3 = {}, OptText v4 = {},
                   const QString& description = {});
    bool logAction(const Action& action, OptText v1 = {}, OptText v2 = {}, OptText v3 = {}, OptText v4 = {})
    {
        return logAction(action.Stage, action.Code, v1, v2, v3, v4, action.description());
    }

    // Clears Saved and Simulated of a design-list entry.
    void markDesignChanged(int position) { designs.markChanged(position); }
    void markCurrentDesignChanged() { designs.markChanged(app.CurrentDesign); }

    // Draws the names of new designs; tests may seed it.
    QRandomGenerator random = QRandomGenerator::securelySeeded();

    // The clock of the records; tests may fix it.
    std::function<QDateTime()> clock = [] { return QDateTime::currentDateTime(); };

private:
    class Bookkeeping;
    void keepRun();

    Prompter* m_prompter;
    SessionNotifier m_notifier;
    VirtualPrototype m_prototype{design, materials};
    std::map<quint64, RaceTrace> m_traces; // by design-list entry
    bool m_refreshing = false;
};

} // namespace brisko
