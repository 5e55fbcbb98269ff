#pragma once
// The read-out under the part list: what the part under the pointer is made of.
#include "model/CarDesign.h"
#include "model/MaterialLibrary.h"

#include <QString>

namespace brisko {

// Names of the parts as the read-out writes them, by part index 0..7.
QString partReadoutName(int part);

// For -1 (no part) the invitation to select parts; otherwise "Highlighted: ",
// the part's name and, in brackets, its material and dimensions.
QString partReadout(int part, const CarDesign& design, const MaterialLibrary& materials);

} // namespace brisko
