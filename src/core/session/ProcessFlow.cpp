#include "session/ProcessFlow.h"

#include "model/Presets.h"
#include "session/Session.h"

namespace brisko {

namespace {
const QString kFineElementSize = QStringLiteral("9");
} // namespace

void startProgram(Session& session)
{
    session.logAction(actions::ProgramStart, kProgramVersion);
    loadPresetShape(session.design, 0);
    session.designListText = presetListText(0);
    session.design.clearWeights();
    session.design.KeptOtherWheelDiameter = session.design.OtherWheelDiameter;
}

bool endProgram(Session& session)
{
    return session.logAction(actions::ProgramEnd, kProgramVersion);
}

void prepareStateEntry(Session& session, ProcessState state)
{
    if (state != ProcessState::Dynamic)
        return;
    session.design.ElementStepSize = kFineElementSize;
    session.fields.ElementStepSize = kFineElementSize;
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
