#pragma once
// Placing parts with the mouse, over the session: the other axle at a chosen
// distance from the paper's right edge, and added weights put into their slots and
// taken out of them, each with its record.
#include "geometry/CarGeometry.h"

#include <QPoint>
#include <QRect>
#include <array>
#include <QString>
#include <optional>

namespace brisko {

class Session;

inline const QString kNoOtherAxleInAwd =
    QStringLiteral("The non-drive axle cannot be placed, because a four-wheel drive car does not have one.");
inline const QString kAddedWeightRefused =
    QStringLiteral("Added weights must be nonzero and are limited to 1 pound (positive or negative).  If you need to "
                   "add more than that, you may use multiple weights.");

// The other axle is placed by a press inside FrontAxleZone right of the drive
// axle's centre: XUnits from the press, the record written. False when the press
// lies elsewhere; nothing changes then.
bool placeOtherAxle(Session& session, const CarGeometry& geometry, const QPoint& viewPoint);

// The mass of a weight typed as `text`: a number held in single precision with
// -1 <= m <= 1 and not strictly between -0.0001 and 0.0001 (compared in extended
// precision). None for any other text.
std::optional<float> addedWeightMass(const QString& text);

// The first free slot (0-based), none when all 256 hold a weight.
std::optional<int> firstFreeWeightSlot(const CarDesign& design);

enum class AddWeightOutcome { Stored, Refused, Full };

// Puts a weight of the typed mass at `drawingPoint` into the first free slot of the
// session's design.
AddWeightOutcome addWeight(Session& session, const QPoint& drawingPoint, const QString& massText);

// Where the view last drew each weight's marker (the view's, not the design's).
using WeightMarkerBoxes = std::array<QRect, kWeightSlots>;

// The lowest slot (0-based) in use whose marker box holds the view point (left and
// top edges inside, right and bottom edges outside); none when no box does.
std::optional<int> weightSlotAt(const CarDesign& design, const WeightMarkerBoxes& markers, const QPoint& viewPoint);

// Frees the weight under the point and writes its record; false when none is there.
bool removeWeightAt(Session& session, const WeightMarkerBoxes& markers, const QPoint& viewPoint);

} // namespace brisko
