#pragma once
// What the main window lends its state controllers, the sheet's tools and the
// refresh instead of itself: the session, the values the present state keeps, the
// drawing sheet and the window's frame (its size and visibility, and the owner of
// what they make), with the window's few operations they call.
#include "mainwin/PerStateValues.h"
#include "model/AppState.h"

#include <functional>

class QWidget;

namespace brisko {
class Session;
}

namespace brisko::gui {

class DrawingArea;

struct WindowContext {
    Session& session;
    PerStateValues& perState;
    DrawingArea& sheet;
    QWidget& frame;
    // The refresh of a state, which never starts inside another one.
    std::function<void(ProcessState)> refresh;
    // Switches the window to a state (its panels, its button), without refreshing.
    std::function<void(ProcessState)> switchTo;
    // The sheet's background, paper and grid for the present state, without the car.
    std::function<void()> drawBackground;
    // Something changed that decides whether Undo and Redo may run.
    std::function<void()> undoActionsChanged;
};

} // namespace brisko::gui
