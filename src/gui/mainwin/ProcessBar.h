#pragma once
// The process bar: the seven state buttons, each showing its state's action (one
// exclusive, checkable group), with its caption (a help link) underneath.
#include "model/AppState.h"

#include <QString>
#include <array>

class QAction;
class QActionGroup;
class QToolButton;
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

struct ProcessBar {
    QWidget* bar = nullptr;
    // In the order of stateButtons().
    std::array<QToolButton*, 7> buttons{};
    std::array<QAction*, 7> actions{};

    QToolButton* button(ProcessState state) const;
    QAction* action(ProcessState state) const;
};

// Builds the bar; the actions belong to `group` (exclusive).
ProcessBar createProcessBar(QActionGroup* group);

} // namespace brisko::gui
