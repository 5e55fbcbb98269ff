#pragma once
// The advisories window's labels for the result of a build-advisory check.
#include "analysis/Advisories.h"
#include "dialogs/TADWin.h"

namespace brisko::gui {

AdvisoryDisplay advisoryDisplayOf(const brisko::AdvisoryDisplay& checked);

} // namespace brisko::gui
