#pragma once
// Renaming the current design.
#include <QString>

namespace brisko {

class Session;

inline constexpr int kMaxDesignNameLength = 32;

// The name without the characters that would break file names and portfolio
// records: ",", "/", "\" and ":".
QString SanitizeName(const QString& name);

// Asks for a new name until it is acceptable or the student gives up; presets are
// refused. True when the current entry was renamed.
bool RenameDesign(Session& session);

} // namespace brisko
