#pragma once
// The ranges a typed value must lie in: the dimensions and preferences of the main
// window, the properties of the material definition dialogs, the mass of an added
// weight, and the positions on the paper. The checks of typed input and the design
// file reader use the same ranges, so a file the program wrote always reads back.
#include <QString>

#include <optional>

namespace brisko {

// How a typed number is held before it is compared: dimensions and preferences
// are single-precision figures compared with exact bounds (a typed "0.01" falls
// just below 0.01); material properties compare the typed number itself.
enum class Held { Single, Exact };

struct ValueRange {
    double low;
    double high;
    Held held = Held::Single;

    // The text converts completely and its value lies within both ends.
    bool accepts(const QString& text) const;
    bool accepts(double value) const { return value >= low && value <= high; }
    // "from 0.1 to 6"
    QString text() const;
};

namespace bounds {

// Dimensions (inches).
inline constexpr ValueRange DriveWheelDiameter{0.01, 7.5};
inline constexpr ValueRange OtherWheelDiameter{0.25, 7.5};
inline constexpr ValueRange DriveAxleDiameter{0.0001, 2};
inline constexpr ValueRange DriveAxleLength{0.0001, 36};
inline constexpr ValueRange OtherAxleDiameter{0.0001, 1};
inline constexpr ValueRange OtherAxleLength{0.0001, 36};
inline constexpr ValueRange SpringWidth{0.1, 6};
inline constexpr ValueRange SpringLength{3, 240};
// A drive wheel above 7.5 in stays only beside a wider chamber, and the chamber
// sizing gives it the chamber's size; the largest chamber the ranges allow (a
// 240 in strip 0.125 in thick at a 4 % ratio on a 2 in arbor) is under 32 in.
inline constexpr ValueRange DriveWheelBesideLargeChamber{0.01, 32};

// Preferences.
inline constexpr ValueRange CaseRatio{4, 99};          // percent
inline constexpr ValueRange FrictionForce{0.01, 0.25}; // lb
inline constexpr ValueRange ElementStepSize{2, 72};    // drawing pixels

// Material properties, as the definition dialogs accept them.
inline constexpr ValueRange BoardThickness{0.05, 6, Held::Exact};
inline constexpr ValueRange BoardDensity{0.0001, 0.5, Held::Exact};
inline constexpr ValueRange AxleDensity{0.0001, 0.5, Held::Exact};
inline constexpr ValueRange SpringThickness{0.0001, 0.125, Held::Exact};
inline constexpr ValueRange SpringDensity{0.0001, 0.5, Held::Exact};
inline constexpr ValueRange SpringSampleWidth{0.0001, 6, Held::Exact};
inline constexpr ValueRange MaximumTorque{0.0001, 10, Held::Exact}; // torque entry 0, in-lb
// Entries 1 to 48 of a torque curve are optional: an empty cell is stored as 0.
inline constexpr ValueRange FurtherTorque{0, 10, Held::Exact};
inline constexpr ValueRange TreadFriction{0.0001, 2, Held::Exact};

// Positions in drawing pixels. Outline points and weights are placed on the paper
// (720 by 540); a file may hold them up to an inch beyond its edges.
inline constexpr int kPaperMargin = 72;
inline constexpr ValueRange PointX{-kPaperMargin, 720 + kPaperMargin};
inline constexpr ValueRange PointY{-kPaperMargin, 540 + kPaperMargin};

} // namespace bounds

// An added weight's mass (lb, single precision): from -1 to 1 and not strictly
// between -0.0001 and 0.0001.
bool acceptsWeightMass(float mass);
inline const QString kWeightMassRangeText = QStringLiteral("from -1 to -0.0001 or from 0.0001 to 1");

} // namespace brisko
