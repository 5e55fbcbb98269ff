#pragma once
// File menu "Export Templates...": the layers and wheels of the current design as
// SVG cutting templates at true size, named after the file the student chooses.
#include "session/Session.h"

namespace brisko::gui {

void exportTemplates(Session& session);

} // namespace brisko::gui
