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
#include "session/DesignHistory.h"
#include "session/SessionNotifier.h"
#include "ui/Prompter.h"

#include <QDateTime>
#include <QRandomGenerator>
#include <QScopedValueRollback>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace brisko {

inline const QString kProgramVersion = QStringLiteral("4.0.2"); // as logged by start and end

using OptText = std::optional<QString>;


namespace test {
class SessionArrangement;
}

// The session's parts are read through its const accessors. They change through
// the session's operations only: the use cases of the session folder (sketching,
// typed values, design files, the design list, the process flow), which reach the
// parts through SessionEditor (session/SessionEditor.h, compiled into the session
// library alone), and the few named operations below. The windows only call
// operations; tests arrange a session through operations or the test support's
// SessionArrangement.
class ParameterEntry;

class Session {
public:
    explicit Session(Prompter& prompter);
    ~Session();

    const CarDesign& design() const { return m_design; }
    const AppState& app() const { return m_app; }
    const MaterialLibrary& materials() const { return m_materials; }
    const DesignList& designs() const { return m_designs; }
    const Portfolio& portfolio() const { return m_portfolio; }
    const AdvisoryFlags& advisories() const { return m_advisories; }
    const ResultTexts& results() const { return m_results; }
    const QString& designListText() const { return m_designListText; } // the DesignList box's text
    const FieldTexts& fields() const { return m_fields; }

    // Records go to the portfolio at `path` from now on; false with the reason when
    // it cannot be opened for appending.
    bool attachPortfolio(const QString& path, QString* error);
    // The program is in `state` now (the panels follow the state buttons).
    void enterState(ProcessState state) { m_app.CurrentState = state; }
    // While an operation owns the window (a drawing, a placing tool, the 3D build)
    // no step is taken back or done again.
    void holdSteps(bool held) { m_stepsHeld = held; }
    // The element size chosen on the slider, shown and accepted at once.
    void setElementStepSize(const QString& size);

    // Puts the design's accepted texts into the field texts.
    void showDesignInFields();
    // What the logic asks of the window that shows the session; without one nothing
    // happens.
    void requestRefresh(ProcessState state) { emit m_notifier.refreshRequested(state); }
    void announceDesignOpened() { emit m_notifier.designOpened(); }
    void announceDesignReplaced() { emit m_notifier.designReplaced(); }
    void announceDesignListChanged() { emit m_notifier.designListChanged(); }

    Prompter& prompter() { return *m_prompter; }

    // The virtual prototype of the design, laid out for the window that shows it.
    const VirtualPrototype& prototype() const { return m_prototype; }
    // The window's sheet laid out anew (its size or the 3D picture's changed).
    void layOut(const ViewLayout& layout) { m_prototype.setLayout(layout); }
    // The regions rebuilt in the present layout, without a refresh (the build view's).
    const CarGeometry& rebuildGeometry()
    {
        m_prototype.rebuildGeometry();
        return m_prototype.geometry();
    }
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
    // What the part editor's and the Preferences' controls do.
    ParameterEntry& entry() { return *m_entry; }

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

    // While the window changes its own controls (locking them while one operation
    // owns the sheet, and unlocking them), nothing those controls report on the way
    // (a focus leaving a box, an edit finished) is the student's doing: no design is
    // switched, opened or saved, and nothing is logged, for as long as the guard lives.
    [[nodiscard]] QScopedValueRollback<bool> holdWhileControlsChange()
    {
        return QScopedValueRollback<bool>(m_controlsChanging, true);
    }
    bool controlsChanging() const { return m_controlsChanging; }

    // Clears Saved and Simulated of a design-list entry.
    void markDesignChanged(int position) { m_designs.markChanged(position); }
    void markCurrentDesignChanged() { m_designs.markChanged(m_app.CurrentDesign); }

    // Undo and Redo. Every edit of the design, its field texts or its materials
    // that an operation finishes is one step (see EditStep). A step is taken back
    // or done again only while nothing else owns the design: no drawing or placing
    // tool on, no refresh running, the controls not being locked or unlocked.
    const QUndoStack& undoStack() const { return m_history.stack(); }
    bool mayUndoOrRedo() const;
    // The step before (after) the present design comes back exactly: the design, its
    // field texts and materials; the design counts as changed, the record is written
    // and the window shows it all again and refreshes the present state. False when
    // there was nothing to take back (do again) or it was refused.
    bool undo();
    bool redo();
    // The design now shown starts with no steps (a design loaded, switched, new or
    // removed).
    void startHistory();

    // Draws the names of new designs; tests may seed it.
    QRandomGenerator& nameDraw() { return m_nameDraw; }

    // The time of the records and printed pages; tests may fix the clock.
    QDateTime now() const { return m_clock(); }
    void setClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }

private:
    friend class EditStep;
    friend class SessionOperation;
    friend class SessionEditor;
    friend class test::SessionArrangement;
    CarDesign& editDesign() { return m_design; }
    AppState& editApp() { return m_app; }
    MaterialLibrary& editMaterials() { return m_materials; }
    DesignList& editDesigns() { return m_designs; }
    FieldTexts& editFields() { return m_fields; }
    void setDesignListText(const QString& text) { m_designListText = text; }
    class Bookkeeping;
    std::shared_ptr<DesignSnapshot> snapshot() const;
    void restore(const DesignSnapshot& snapshot);
    bool takeStep(bool forward);
    void keepRun();

    CarDesign m_design;
    AppState m_app;
    MaterialLibrary m_materials;
    DesignList m_designs;
    Portfolio m_portfolio;
    AdvisoryFlags m_advisories;
    ResultTexts m_results;
    QString m_designListText = QStringLiteral("Default design");
    FieldTexts m_fields;
    QRandomGenerator m_nameDraw = QRandomGenerator::securelySeeded();
    std::function<QDateTime()> m_clock = [] { return QDateTime::currentDateTime(); };
    Prompter* m_prompter;
    SessionNotifier m_notifier;
    std::unique_ptr<ParameterEntry> m_entry;
    VirtualPrototype m_prototype{m_design, m_materials};
    std::map<quint64, RaceTrace> m_traces; // by design-list entry
    bool m_refreshing = false;
    bool m_controlsChanging = false;
    DesignHistory m_history{[this](const DesignSnapshot& s) { restore(s); }};
    // The design as the last step (or load, Undo, Redo) left it: the texts a typed
    // value had before the student typed it come from here.
    std::shared_ptr<DesignSnapshot> m_settled;
    int m_stepDepth = 0;
    bool m_stepsHeld = false;
    int m_operationDepth = 0;
    std::shared_ptr<DesignSnapshot> m_stepBefore;
    QString m_stepName;
    std::vector<int> m_stepTyped;
};

// One step of the undo stack, from its construction to its end: what the session
// holds at the start is the state before, what it holds at the end the state
// after; nothing is kept when they are equal. `typed` names the fields whose
// accepted value the step applies: before the step they held the text the student
// had not yet typed. A step inside another is part of it (the outer name counts).
class EditStep {
public:
    EditStep(Session& session, const QString& name, std::vector<int> typed = {});
    ~EditStep();
    EditStep(const EditStep&) = delete;
    EditStep& operator=(const EditStep&) = delete;

private:
    Session& m_session;
    bool m_outer;
};

// One operation of the session, from its construction to its end. The changes it
// tells of (designReplaced, designChanged, materialsChanged) are shown once: when
// the outermost operation ends, the notifier tells operationEnded.
class SessionOperation {
public:
    explicit SessionOperation(Session& session)
        : m_session(session)
    {
        ++m_session.m_operationDepth;
    }
    ~SessionOperation()
    {
        if (--m_session.m_operationDepth == 0)
            emit m_session.m_notifier.operationEnded();
    }
    SessionOperation(const SessionOperation&) = delete;
    SessionOperation& operator=(const SessionOperation&) = delete;

private:
    Session& m_session;
};

} // namespace brisko
