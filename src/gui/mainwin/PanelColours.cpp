#include "mainwin/PanelColours.h"

#include <QPalette>
#include <QWidget>

namespace brisko::gui {

void paintPanel(QWidget* panel, const QColor& colour)
{
    if (!panel)
        return;
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, colour);
    panel->setPalette(palette);
    panel->setAutoFillBackground(true);
}

QColor panelColourOf(const QWidget* panel)
{
    return panel ? panel->palette().color(QPalette::Window) : QColor();
}

} // namespace brisko::gui
