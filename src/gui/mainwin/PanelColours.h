#pragma once
// The colours of the state panels, the tool panel and the drive box.
#include <QColor>

class QWidget;

namespace brisko::gui {

inline const QColor kInitialPanelColour(0, 170, 255);
inline const QColor kSilver(0xC0, 0xC0, 0xC0);

// Fills the widget's background with `colour`; does nothing for a missing widget.
void paintPanel(QWidget* panel, const QColor& colour);
QColor panelColourOf(const QWidget* panel);

} // namespace brisko::gui
