#pragma once
// The file dialogs of design files.
#include "ui/Prompter.h"

#include <QString>

namespace brisko {

class Session;

// The save dialog for the current entry: titled "Save car as:", in the design
// portfolio's folder, proposing the entry's name (with "My " before a preset's).
// The chosen path with its extension forced to ".brsk"; empty when cancelled.
FileRequest designSaveRequest(const Session& session);
QString AskDesignFileName(Session& session);

// The open dialog, "Choose a .brsk file", in the portfolio's folder; empty when cancelled.
FileRequest designOpenRequest(const Session& session);
QString askOpenDesignFileName(Session& session);

} // namespace brisko
