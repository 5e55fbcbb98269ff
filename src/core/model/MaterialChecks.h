#pragma once
// The checks a material definition must pass before it is stored, in the order the
// definition dialogs run them. Pure functions over the typed texts: the caller shows
// the refusal in a message box with its caption.
#include "model/MaterialLibrary.h"

#include <QString>
#include <optional>

namespace brisko {

struct MaterialRefusal {
    QString message;
    QString caption;
    bool operator==(const MaterialRefusal&) const = default;
};

// The first failing check of each kind, or nothing when every text is acceptable. A
// name must also be one line of single-byte text, as the design file holds it.
std::optional<MaterialRefusal> checkBoard(const BoardMaterial& board);
std::optional<MaterialRefusal> checkAxle(const AxleMaterial& axle);
// The torque entries are the grid's texts: entry 0 must be a maximum torque; entries
// 1 to 48 may be empty (not measured) or a torque from 0 to 10 in-lb.
std::optional<MaterialRefusal> checkSpring(const SpringMaterial& spring);
std::optional<MaterialRefusal> checkTread(const TreadMaterial& tread);

// The curve as it is stored: a torque entry that is empty (or blank) becomes "0".
SpringMaterial withUnmeasuredAsZero(SpringMaterial spring);

} // namespace brisko
