#pragma once
// One state of the design process as the main window shows it: the panels it owns
// and what entering and leaving it show, hide and stop. The window keeps the frame,
// the state buttons and the menus, and switches from one controller to the next.
#include "model/AppState.h"

#include <QList>

class QWidget;

namespace brisko::gui {

class StateController {
public:
    virtual ~StateController() = default;

    // The panels that are this state's, painted in the window's panel colour.
    virtual QList<QWidget*> panels() const = 0;
    // Entered: the session is in the state and its button is down; the refresh follows.
    virtual void enter() = 0;
    // Left, before the next state is entered.
    virtual void leave() = 0;
    // The refresh has built the regions: the state draws its own picture on the sheet
    // (the states that show the design view leave it to the refresh).
    virtual void drawSheet() {}
};

} // namespace brisko::gui
