#pragma once
// `SetStateToolPanel`: the sketching and placement tools of the Set state, with
// "Cancel" beside them and the hint row that shows under the sheet while one runs.
#include <QList>
#include <QString>

class QAbstractButton;
class QLabel;
class QPushButton;
class QWidget;

namespace brisko::gui {

class DriveBox;

struct DesignTools {
    QWidget* panel = nullptr;               // `SetStateToolPanel`
    QAbstractButton* drawOuter = nullptr;   // `DrawOuterBtn`
    QAbstractButton* drawInner = nullptr;   // `DrawInnerBtn`
    QAbstractButton* frontAxle = nullptr;   // `FrontAxleBtn`
    QAbstractButton* addWeight = nullptr;   // `AddWeightBtn`
    QAbstractButton* removeWeight = nullptr; // `RemoveWeightBtn`
    QWidget* cancelRow = nullptr;           // `DrawCancelRow`
    QPushButton* cancel = nullptr;          // `DrawCancelBtn` ("Cancel", hidden, its room kept)
    QWidget* hintRow = nullptr;             // `DrawHintRow`, in the part editor's place
    QLabel* hint = nullptr;                 // `DrawHintLabel`
    DriveBox* drive = nullptr;              // `DriveBox`, beside the tools (the window makes it)

    // The five tool buttons in the tool bar's order.
    QList<QAbstractButton*> buttons() const { return {drawOuter, drawInner, frontAxle, addWeight, removeWeight}; }
};

// The tool panel, the Cancel row and the hint row, each hidden where it starts so.
DesignTools createDesignTools();
// The hint shown under the sheet while an outline is drawn.
QString drawingHint();

} // namespace brisko::gui
