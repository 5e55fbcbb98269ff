#include "session/ProcessFlow.h"

#include "model/Presets.h"
#include "session/Session.h"

namespace brisko {

namespace {
const QString kFineElementSize = QStringLiteral("9");
} // namespace

void prepareProgramStart(Session& session)
{
    AppState& app = session.editApp();
    app.clearPendingApply();
    app.DesignCount = 5;
    app.CurrentDesign = 0;
    for (int position = 0; position < kPresetCount; ++position)
        session.editDesigns().entry(position).Saved = true;
    app.CurrentState = ProcessState::Set;
    app.EditedSinceEnter = 0;
    app.EditMode.clear();
    CarDesign& design = session.editDesign();
    const FieldTexts& fields = session.fields();
    design.CaseRatio = fields.CaseRatio;
    design.FrictionForce = fields.FrictionForce;
    design.ElementStepSize = fields.ElementStepSize;
    resetDesignDefaults(session);
}

void resetDesignDefaults(Session& session)
{
    CarDesign& design = session.editDesign();
    applyDefaultDesign(design);
    for (int code : kDimensionCodes)
        session.editFields().dimension(code) = *dimensionByCode(design, code);
    design.CaseRatio = session.fields().CaseRatio;
    design.FrictionForce = session.fields().FrictionForce;
    session.clearEditMode();
    session.startHistory();
}

void startProgram(Session& session)
{
    session.logAction(actions::ProgramStart, kProgramVersion);
    CarDesign& design = session.editDesign();
    loadPresetShape(design, 0);
    session.setDesignListText(presetListText(0));
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
    session.editDesign().ElementStepSize = kFineElementSize;
    session.editFields().ElementStepSize = kFineElementSize;
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
