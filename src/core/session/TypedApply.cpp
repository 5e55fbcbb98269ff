#include "session/TypedApply.h"

#include "session/ParameterEntry.h"
#include "session/Session.h"

namespace brisko {

bool typeAndApply(ParameterEntry& entry, const std::vector<std::pair<int, QString>>& texts)
{
    bool accepted = true;
    for (const auto& [code, text] : texts) {
        if (entry.session().fields().dimension(code) == text)
            continue;
        entry.fieldEnter(code);
        entry.fieldKeyPress(code);
        entry.fieldChange(code, text);
        accepted = entry.fieldExit(code) && accepted;
    }
    entry.apply();
    return accepted;
}

} // namespace brisko
