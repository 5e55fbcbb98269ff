#pragma once
// The pictures on the seven state buttons, drawn in code.
#include "model/AppState.h"

#include <QIcon>

namespace brisko::gui {

QIcon stateIcon(ProcessState state);

} // namespace brisko::gui
