#pragma once
// Placing, sizing, colouring and labelling the force bars over the design view: the
// green normal-force bars standing on the ground line at the wheels, and the blue
// propulsion and red traction bars lying along it.
#include "analysis/Dynamics.h"
#include "geometry/ViewLayout.h"
#include "model/CarDesign.h"

#include <QPoint>

namespace brisko::gui {

class DrawingArea;

inline constexpr int kBarThickness = 4;
inline constexpr int kTractionDrop = 6; // the traction bar lies this far below the propulsion bar

// Where the wheels touch the ground, in the drawing area's pixels.
struct WheelContacts {
    QPoint Rear;  // the drive (left) wheels
    QPoint Front; // the other (right) wheels, or the mirrored drive axle in AWD
};

// The rear axle stands CaseOuterDia / 2 inches from the paper's left edge, the front
// one at the front axle's place (mirrored from the rear one in AWD); the ground line
// lies 36 drawing pixels below the paper.
WheelContacts wheelContacts(const ViewLayout& layout, float caseOuterDia, const CarDesign& design);

// The green bars with their labels, made visible.
void showNormalForceBars(DrawingArea* image, const WheelContacts& at, float scale, float right, float left);
// Hides the two normal-force bars and their labels.
void hideNormalForceBars(DrawingArea* image);
// Hides only the two normal-force bars (the run's start keeps the labels).
void hideNormalForceShapes(DrawingArea* image);
// The propulsion and traction bars of one frame; the right pair shows in AWD only.
void showPropulsionBars(DrawingArea* image, const WheelContacts& at, DriveType drive, const DynamicFrame& frame);

} // namespace brisko::gui
