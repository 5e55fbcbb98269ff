#pragma once
// The places where the analyses, drawing, files and dialogs built elsewhere plug
// into the main window. Each starts with a harmless default; the engine integration
// replaces them.
#include "model/AppState.h"

#include <functional>
#include <map>

namespace brisko::gui {

struct MainWindowSeams {
    // Draws the sheet background (entering Prop, new designs). Default: the blank sheet.
    std::function<void()> drawSheetBackground;
    // Recomputes the sheet scale and the display copies of the geometry.
    std::function<void()> recomputeLayout;
    // Stops a running 3D build drawing (on leaving the Build state); the
    // state's refresh follows once it has unwound.
    std::function<void()> stopBuildDrawing;
    // The window was resized: a 3D build drawing laid out for another size stops,
    // and the state's refresh follows once it has unwound.
    std::function<void()> buildDrawingResized;
    // A 3D build drawing is under way.
    std::function<bool()> isBuildDrawing;
    // Stops a running 3D build drawing and runs `then` once it has unwound; runs
    // `then` at once when none runs.
    std::function<void(std::function<void()> then)> afterBuildDrawing;

    // The part editor on entering and leaving the Set state: select "Outer layer",
    // show its attributes and highlight; hide all part-attribute controls.
    std::function<void()> enterSetPartEditor;
    std::function<void()> leaveSetPartEditor;

    // Offers to save the current design; its SaveOutcome.
    std::function<int()> offerToSave;
    std::function<void()> openDesign;
    std::function<void()> saveDesignAs;
    std::function<void()> showPreferences;
    std::function<void()> showPowerDesigner;
    std::function<void()> showDesignHistory;
};

// Values every state change resets.
struct PerStateValues {
    int previewTemplate = 1;  // the preview's template counter
    int dynamicStep = 0;      // the simulation's requested frame
    int buildLayer = 0;       // the 3D view's slab counter
    int highlightedPart = -1; // the part highlighted on the sheet, none
};

} // namespace brisko::gui
