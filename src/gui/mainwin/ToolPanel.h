#pragma once
// `SetStateToolPanel`: the sketching and placement tools of the Set state.
#include <QStringList>

class QWidget;

namespace brisko::gui {

const QStringList& sketchToolNames(); // DrawOuterBtn, DrawInnerBtn, FrontAxleBtn, AddWeightBtn, RemoveWeightBtn

QWidget* createSetStateToolPanel();
// `DrawCancelBtn` ("Cancel", hidden, its room kept), shown while drawing.
QWidget* createDrawCancelButton();
// `DrawHintLabel` (hidden) in a row that takes the part editor's place while drawing.
// The hint shown under the sheet while an outline is drawn.
QString drawingHint();
QWidget* createDrawHintRow();

} // namespace brisko::gui
