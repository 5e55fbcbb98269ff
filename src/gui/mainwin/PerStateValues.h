#pragma once
// Values of the main window that every state change resets.
#include "model/CarDesign.h"

#include <QRect>
#include <array>

namespace brisko::gui {

struct PerStateValues {
    int previewTemplate = 1;  // the preview's template counter
    int dynamicStep = 0;      // the simulation's requested frame
    int buildLayer = 0;       // the 3D view's slab counter
    int highlightedPart = -1; // the part highlighted on the sheet, none
    // Where the sheet's design view last drew each weight's marker (the remove tool's targets).
    std::array<QRect, kWeightSlots> weightMarkers{};
};

} // namespace brisko::gui
