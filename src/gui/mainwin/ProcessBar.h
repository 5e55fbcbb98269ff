#pragma once
// The process bar: the seven state buttons in one exclusive group, each with its
// caption (a help link) underneath.
#include "model/AppState.h"

#include <QString>
#include <array>

class QAbstractButton;
class QButtonGroup;
class QWidget;

namespace brisko::gui {

struct StateButtonInfo {
    ProcessState state;
    const char* buttonName;
    const char* hint;
    const char* captionName;
    const char* caption;
};

const std::array<StateButtonInfo, 7>& stateButtons();
// The button's object name for a state, e.g. "VPSetBtn".
QString stateButtonName(ProcessState state);

// Builds the bar; the group's ids are the ProcessState values.
QWidget* createProcessBar(QButtonGroup* group);

} // namespace brisko::gui
