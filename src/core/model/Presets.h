#pragma once
// The five protected preset designs, the defaults and the name of a new design.
#include "model/CarDesign.h"

#include <QStringList>

class QRandomGenerator;

namespace brisko {

inline constexpr int kPresetCount = 5;

// Names table: "Default Design", "Racer", "Pickup", "Tow Truck", "Wheelie".
const QStringList& presetNames();
// Text of the design-list item: "Default design" for position 0.
QString presetListText(int position);

// Sets both outlines of the preset at `position` (0..4), each point plus `origin`.
void loadPresetShape(CarDesign& design, int position, QPoint origin = {});

// The design part of the reset: the eight dimension texts, RWD, all materials 0,
// the front axle defaults. Leaves case ratio, friction, chamber and step size.
void applyDefaultDesign(CarDesign& design);

// "Untitled design " + two letters A..Y + a number 0..999, e.g. "Untitled design KQ38".
QString untitledName(QRandomGenerator& random);

} // namespace brisko
