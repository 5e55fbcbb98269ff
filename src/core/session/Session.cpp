#include "session/Session.h"

#include "session/ParameterEntry.h"

#include <algorithm>

namespace brisko {

Session::Session(Prompter& prompter)
    : m_prompter(&prompter)
    , m_entry(std::make_unique<ParameterEntry>(*this))
{
    // The library tells of its changes through the notifier, whoever listens.
    m_materials.onChanged = [this](MaterialKind kind) { emit m_notifier.materialsChanged(kind); };
    showDesignInFields();
    startHistory();
}

Session::~Session() = default;

void Session::showDesignInFields()
{
    for (int code : kDimensionCodes)
        m_fields.dimension(code) = *dimensionByCode(m_design, code);
    m_fields.CaseRatio = m_design.CaseRatio;
    m_fields.FrictionForce = m_design.FrictionForce;
    m_fields.ElementStepSize = m_design.ElementStepSize;
}

bool Session::attachPortfolio(const QString& path, QString* error)
{
    if (!m_portfolio.attach(path, error))
        return false;
    m_app.PortfolioPath = path;
    return true;
}

void Session::setElementStepSize(const QString& size)
{
    const EditStep step(*this, QStringLiteral("Element size"));
    m_fields.ElementStepSize = size;
    m_design.ElementStepSize = size;
}

bool Session::logAction(int stage, int code, OptText v1, OptText v2, OptText v3, OptText v4,
                        const QString& description)
{
    if (!m_portfolio.isOpen() || m_controlsChanging)
        return true;
    RecordContext context;
    context.timeText = m_results.Time;
    context.distanceText = m_results.PoweredDistance;
    context.speedText = m_results.TopSpeed;
    context.massText = m_results.ProjectedMass;
    context.designName = m_designListText;
    context.flags = m_advisories;
    context.when = now();
    QString error;
    if (m_portfolio.append({stage, code, v1, v2, v3, v4, description}, context, &error))
        return true;
    m_prompter->message(QStringLiteral("Design portfolio"), error);
    return false;
}

std::shared_ptr<DesignSnapshot> Session::snapshot() const
{
    auto kept = std::make_shared<DesignSnapshot>(DesignSnapshot{m_design, m_fields, m_materials});
    kept->materials.onChanged = nullptr;
    return kept;
}

void Session::restore(const DesignSnapshot& snapshot)
{
    m_design = snapshot.design;
    m_fields = snapshot.fields;
    auto listener = std::move(m_materials.onChanged);
    m_materials = snapshot.materials;
    m_materials.onChanged = std::move(listener);
    // A field that shows its accepted text again waits for no Apply.
    for (int code : kDimensionCodes)
        if (m_fields.dimension(code) == *dimensionByCode(m_design, code))
            m_app.PendingApply.at(code) = 0;
    m_settled = this->snapshot();
}

void Session::startHistory()
{
    m_history.clear();
    m_settled = snapshot();
}

bool Session::mayUndoOrRedo() const
{
    return !m_controlsChanging && !m_refreshing && m_stepDepth == 0 && !m_stepsHeld;
}

bool Session::takeStep(bool forward)
{
    const QUndoStack& stack = m_history.stack();
    if (!mayUndoOrRedo() || !(forward ? stack.canRedo() : stack.canUndo()))
        return false;
    const QString name = forward ? stack.redoText() : stack.undoText();
    if (!logAction(forward ? actions::RedoStep : actions::UndoStep, name, m_designListText))
        return false;
    const SessionOperation operation(*this);
    const auto left = snapshot();
    if (forward)
        m_history.redo();
    else
        m_history.undo();
    markCurrentDesignChanged();
    for (MaterialKind kind : {MaterialKind::Board, MaterialKind::Axle, MaterialKind::Spring, MaterialKind::Tread})
        if (libraryKindDiffers(*left, *m_settled, kind))
            emit m_notifier.materialsChanged(kind);
    emit m_notifier.designChanged(aspectsBetween(*left, *m_settled));
    {
        // The fields showing the texts put back are no typing of the student's.
        const auto held = holdWhileControlsChange();
        emit m_notifier.designReplaced();
    }
    for (int code : kDimensionCodes)
        if (m_fields.dimension(code) == *dimensionByCode(m_design, code))
            m_app.PendingApply.at(code) = 0;
    m_app.EditedSinceEnter = 0;
    return true;
}

bool Session::undo()
{
    return takeStep(false);
}

bool Session::redo()
{
    return takeStep(true);
}

EditStep::EditStep(Session& session, const QString& name, std::vector<int> typed)
    : m_session(session)
    , m_outer(session.m_stepDepth == 0)
{
    ++m_session.m_stepDepth;
    if (!m_outer)
        return;
    m_session.m_stepBefore = m_session.snapshot();
    m_session.m_stepName = name;
    m_session.m_stepTyped = std::move(typed);
}

EditStep::~EditStep()
{
    --m_session.m_stepDepth;
    if (!m_outer)
        return;
    Session& s = m_session;
    auto before = std::move(s.m_stepBefore);
    auto after = s.snapshot();
    auto settled = std::make_shared<DesignSnapshot>(*after);
    for (int code : kTypedCodes) {
        const bool applied = std::find(s.m_stepTyped.begin(), s.m_stepTyped.end(), code) != s.m_stepTyped.end();
        if (applied) {
            // Before the step the field showed what it had shown when last settled.
            before->accepted(code) = s.m_settled->accepted(code);
            before->shown(code) = s.m_settled->shown(code);
        } else if (before->accepted(code) == after->accepted(code) && before->shown(code) == after->shown(code)) {
            // A text typed and not applied stays out of the settled design.
            settled->accepted(code) = s.m_settled->accepted(code);
            settled->shown(code) = s.m_settled->shown(code);
        }
    }
    s.m_settled = std::move(settled);
    s.m_stepTyped.clear();
    const DesignAspects aspects = aspectsBetween(*before, *after);
    if (s.m_history.push(s.m_stepName, std::move(before), std::move(after)))
        emit s.m_notifier.designChanged(aspects);
}

} // namespace brisko

namespace brisko {

// Forwards every step to the window's observer and keeps the session's part of it.
class Session::Bookkeeping : public RefreshObserver {
public:
    Bookkeeping(Session& session, RefreshObserver& shown)
        : m_session(session)
        , m_shown(shown)
    {
    }

    void sized(const VirtualPrototype& vp, const std::vector<int>& corrected) override
    {
        // Fields the student is still editing keep what was typed.
        for (int code : corrected) {
            m_session.m_fields.dimension(code) = *dimensionByCode(m_session.m_design, code);
            m_session.m_settled->accepted(code) = m_session.m_fields.dimension(code);
            m_session.m_settled->shown(code) = m_session.m_fields.dimension(code);
        }
        m_shown.sized(vp, corrected);
    }

    // The session's prototype is what the windows, the records and the printing draw.
    bool showsRegions() const override { return true; }
    void geometryBuilt(const VirtualPrototype& vp, ProcessState state) override { m_shown.geometryBuilt(vp, state); }
    ElementVisitor elementVisitor(ProcessState state) override { return m_shown.elementVisitor(state); }
    void massScanned(const VirtualPrototype& vp, ProcessState state) override { m_shown.massScanned(vp, state); }
    void analysed(const VirtualPrototype& vp, ProcessState state) override
    {
        m_session.m_results = figuresOf(vp).Records;
        m_shown.analysed(vp, state);
    }
    bool drawsFrames() const override { return m_shown.drawsFrames(); }
    void runStarting(const VirtualPrototype& vp, int requestedFrame) override
    {
        // The skid belongs to one run: a new run, also the race's, starts without it.
        m_session.m_advisories.Skid = false;
        m_session.m_advisories.ReservedDynamic = false;
        m_shown.runStarting(vp, requestedFrame);
    }
    void frameSimulated(const VirtualPrototype& vp, const DynamicFrame& frame) override
    {
        m_shown.frameSimulated(vp, frame);
    }
    void simulated(const VirtualPrototype& vp, int requestedFrame) override
    {
        m_session.m_results = figuresOf(vp).Records;
        m_session.keepRun();
        m_shown.simulated(vp, requestedFrame);
    }
    void advised(const VirtualPrototype& vp) override
    {
        m_session.m_advisories = vp.advisories().Flags;
        m_shown.advised(vp);
    }

private:
    Session& m_session;
    RefreshObserver& m_shown;
};

bool Session::refresh(ProcessState state, RefreshObserver& observer, int requestedFrame)
{
    if (m_refreshing)
        return false;
    const QScopedValueRollback running(m_refreshing, true);
    Bookkeeping steps(*this, observer);
    m_prototype.refresh(state, steps, requestedFrame);
    emit m_notifier.refreshed(state);
    return true;
}

bool Session::stepRun(RefreshObserver& observer, int requestedFrame)
{
    if (m_refreshing)
        return false;
    const QScopedValueRollback running(m_refreshing, true);
    Bookkeeping steps(*this, observer);
    m_prototype.stepRun(steps, requestedFrame);
    return true;
}

// The run counts for the race until the design changes again.
void Session::keepRun()
{
    const int position = m_app.CurrentDesign;
    if (position < 0 || position >= m_designs.count())
        return;
    DesignListEntry& entry = m_designs.entry(position);
    entry.Simulated = true;
    m_traces[entry.Id] = m_prototype.dynamic().Trace;
}

void Session::keepRunOf(int position, const RaceTrace& trace)
{
    if (position < 0 || position >= m_designs.count())
        return;
    DesignListEntry& entry = m_designs.entry(position);
    entry.Simulated = true;
    m_traces[entry.Id] = trace;
}

const RaceTrace* Session::traceOf(int position) const
{
    if (position < 0 || position >= m_designs.count())
        return nullptr;
    const auto found = m_traces.find(m_designs.entry(position).Id);
    return found == m_traces.end() ? nullptr : &found->second;
}

} // namespace brisko
