#pragma once
// Dimension texts entered as if the student had typed each one into its field,
// left the field and pressed Apply: the same checks and the same records.
#include <QString>
#include <utility>
#include <vector>

namespace brisko {

class ParameterEntry;

// Types each (field code, text) whose text differs from the field's, then applies.
// False when a text was refused (its field keeps its accepted text).
bool typeAndApply(ParameterEntry& entry, const std::vector<std::pair<int, QString>>& texts);

} // namespace brisko
