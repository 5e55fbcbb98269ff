#pragma once
// The session's side of the program's run: what starting and ending do to the
// design and the portfolio, and what entering each design-process state does
// before and after its refresh. The main window shows and hides panels around it.
#include "model/AppState.h"
#include "session/ActionCodes.h"

#include <QString>
#include <optional>

namespace brisko {

class Session;

// Before the portfolio is chosen: the five presets listed and saved, preset 0
// current, the Set state without edits, and the default design whose texts come
// from the preference fields.
void prepareProgramStart(Session& session);
// The default design in the design and its dimension fields, no tool armed.
void resetDesignDefaults(Session& session);
// Start-up: the record of the start, then preset 0 without weights as the design.
void startProgram(Session& session);
// The record of the end; false when it could not be written.
bool endProgram(Session& session);

// Before a state's refresh: Simulate always runs on the fine element size.
void prepareStateEntry(Session& session, ProcessState state);
// The record of a state's entry after its refresh; `value` is the Race state's
// count of racing designs. False when it could not be written.
bool recordStateEntry(Session& session, ProcessState state, std::optional<QString> value = {});

// The record of each state's entry and work.
const Action& stateAction(ProcessState state);

} // namespace brisko
