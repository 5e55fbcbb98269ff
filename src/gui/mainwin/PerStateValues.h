#pragma once
// Values of the main window that every state change resets.

namespace brisko::gui {

struct PerStateValues {
    int previewTemplate = 1;  // the preview's template counter
    int dynamicStep = 0;      // the simulation's requested frame
    int buildLayer = 0;       // the 3D view's slab counter
    int highlightedPart = -1; // the part highlighted on the sheet, none
};

} // namespace brisko::gui
