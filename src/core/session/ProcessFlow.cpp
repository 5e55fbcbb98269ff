#include "session/ProcessFlow.h"

#include "model/Presets.h"
#include "session/Session.h"
#include "session/SessionEditor.h"

namespace brisko {

namespace {
const QString kFineElementSize = QStringLiteral("9");
} // namespace

void prepareProgramStart(Session& session)
{
    AppState& app = SessionEditor::app(session);
    app.clearPendingApply();
    app.DesignCount = 5;
    app.CurrentDesign = 0;
    for (int position = 0; position < kPresetCount; ++position)
        SessionEditor::designs(session).entry(position).Saved = true;
    app.CurrentState = ProcessState::Set;
    app.EditedSinceEnter = 0;
    CarDesign& design = SessionEditor::design(session);
    const FieldTexts& fields = session.fields();
    design.CaseRatio = fields.CaseRatio;
    design.FrictionForce = fields.FrictionForce;
    design.ElementStepSize = fields.ElementStepSize;
    resetDesignDefaults(session);
}

void resetDesignDefaults(Session& session)
{
    CarDesign& design = SessionEditor::design(session);
    applyDefaultDesign(design);
    for (int code : kDimensionCodes)
        SessionEditor::fields(session).dimension(code) = *dimensionByCode(design, code);
    design.CaseRatio = session.fields().CaseRatio;
    design.FrictionForce = session.fields().FrictionForce;
    session.startHistory();
}

void startProgram(Session& session)
{
    session.logAction(actions::ProgramStart, kProgramVersion);
    CarDesign& design = SessionEditor::design(session);
    loadPresetShape(design, 0);
    SessionEditor::setDesignListText(session, presetListText(0));
    design.clearWeights();
    design.KeptOtherWheelDiameter = design.OtherWheelDiameter;
    session.startHistory();
}

bool endProgram(Session& session)
{
    return session.logAction(actions::ProgramEnd, kProgramVersion);
}

void prepareStateEntry(Session& session, ProcessState state)
{
    if (state != ProcessState::Dynamic)
        return;
    SessionEditor::design(session).ElementStepSize = kFineElementSize;
    SessionEditor::fields(session).ElementStepSize = kFineElementSize;
}

bool recordStateEntry(Session& session, ProcessState state, std::optional<QString> value)
{
    return session.logAction(stateAction(state), value);
}

const Action& stateAction(ProcessState state)
{
    switch (state) {
    case ProcessState::Set: return actions::SetState;
    case ProcessState::Build: return actions::BuildState;
    case ProcessState::Prop: return actions::PropertiesState;
    case ProcessState::Dynamic: return actions::DynamicState;
    case ProcessState::Race: return actions::RaceState;
    case ProcessState::Preview: return actions::PreviewState;
    case ProcessState::Print: break;
    }
    return actions::PrintState;
}

} // namespace brisko
