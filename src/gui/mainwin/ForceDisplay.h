#pragma once
// The force bars and their labels drawn over the sheet in the Prop and Dynamic
// states. The analyses move and size them; this file creates and resets them.
#include <QStringList>

class QWidget;

namespace brisko::gui {

const QStringList& forceShapeNames(); // the eight bars, `NormalForceLeftShape` ... `MassShape`
const QStringList& forceLabelNames(); // `InertiaLabel` ... `NFRightLabel`

// Creates the bars and labels as hidden children of the drawing area.
void createForceDisplay(QWidget* image);
// Zero length: normal-force and mass bars get height 0, the others width 0.
void zeroForceShapes(QWidget* image);
void showForceShapes(QWidget* image, bool visible);
// Hides every bar and every label.
void hideForceDisplay(QWidget* image);

} // namespace brisko::gui
