#pragma once
// The force bars and their labels drawn over the sheet in the Prop and Dynamic
// states. The analyses move and size them; this file creates and resets them.
#include <array>

class QFrame;
class QLabel;

namespace brisko::gui {

class DrawingArea;

// The propulsion and traction bars of one axle with their figures.
struct ForcePair {
    QFrame* Propulsion = nullptr; // `PropulsionLeftShape` / `PropulsionRightShape`
    QFrame* Traction = nullptr;   // `TractionLeftShape` / `TractionRightShape`
    QLabel* PropulsionLabel = nullptr; // `PropLeftLabel` / `PropRightLabel`
    QLabel* TractionLabel = nullptr;   // `TracLeftLabel` / `TracRightLabel`
};

// The eight bars and eight labels, children of the drawing area; all null until
// createForceDisplay made them.
struct ForceWidgets {
    QFrame* NormalLeft = nullptr;  // `NormalForceLeftShape`
    QFrame* NormalRight = nullptr; // `NormalForceRightShape`
    ForcePair Left;                // the drive (rear) axle
    ForcePair Right;               // the front axle in AWD
    QFrame* Inertia = nullptr;     // `InertiaShape`
    QFrame* Mass = nullptr;        // `MassShape`
    QLabel* NormalLeftLabel = nullptr;  // `NFLeftLabel`
    QLabel* NormalRightLabel = nullptr; // `NFRightLabel`
    QLabel* InertiaLabel = nullptr;
    QLabel* MassLabel = nullptr;

    std::array<QFrame*, 8> shapes() const
    {
        return {NormalLeft, NormalRight, Left.Propulsion, Right.Propulsion, Left.Traction, Right.Traction,
                Inertia, Mass};
    }
    std::array<QLabel*, 8> labels() const
    {
        return {InertiaLabel, MassLabel, Left.PropulsionLabel, Right.PropulsionLabel, Left.TractionLabel,
                Right.TractionLabel, NormalLeftLabel, NormalRightLabel};
    }
};

// Creates the bars and labels as hidden children of the drawing area, once.
void createForceDisplay(DrawingArea* image);
// Zero length: normal-force and mass bars get height 0, the others width 0.
void zeroForceShapes(DrawingArea* image);
void showForceShapes(DrawingArea* image, bool visible);
// Hides every bar and every label.
void hideForceDisplay(DrawingArea* image);

} // namespace brisko::gui
