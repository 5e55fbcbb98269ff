#include "mainwin/ToolPanel.h"

#include "mainwin/WidgetFactory.h"

#include <QHBoxLayout>
#include <algorithm>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

namespace brisko::gui {

namespace {

struct ToolInfo {
    const char* name;
    const char* caption;
    const char* hint;
};

const ToolInfo kTools[] = {
    {"DrawOuterBtn", "Outer", "Draw outer layer shape"},
    {"DrawInnerBtn", "Inner", "Draw inner layer shape"},
    {"FrontAxleBtn", "Axle", "Place the front axle"},
    {"AddWeightBtn", "+ Weight", "Add a weight"},
    {"RemoveWeightBtn", "\u2212 Weight", "Remove a weight"},
};

QWidget* createToolPanel(DesignTools& tools)
{
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("SetStateToolPanel"));
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(8, 6, 8, 6);
    row->setSpacing(4);
    QAbstractButton** places[] = {&tools.drawOuter, &tools.drawInner, &tools.frontAxle, &tools.addWeight,
                                 &tools.removeWeight};
    int slot = 0;
    for (const auto& tool : kTools) {
        auto* button = new QToolButton;
        *places[slot++] = button;
        button->setObjectName(QString::fromLatin1(tool.name));
        button->setText(QString::fromUtf8(tool.caption));
        button->setToolTip(QString::fromLatin1(tool.hint));
        button->setMinimumHeight(44);
        // Wide enough for its caption in the window's font.
        button->setMinimumWidth(std::max(58, button->fontMetrics().horizontalAdvance(button->text()) + 16));
        row->addWidget(button);
    }
    return panel;
}

QWidget* createCancelRow(DesignTools& tools)
{
    auto* rowWidget = new QWidget;
    rowWidget->setObjectName(QStringLiteral("DrawCancelRow"));
    // The row takes the room the tool bar has left: showing its button never widens
    // the window (a resize would end the 3D build drawing that shows it as "Stop").
    rowWidget->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    rowWidget->setMinimumWidth(1); // its button's own minimum would count otherwise
    auto* row = new QHBoxLayout(rowWidget);
    row->setContentsMargins(0, 0, 0, 0);
    tools.cancel = makeButton(QStringLiteral("DrawCancelBtn"), QStringLiteral("Cancel"));
    tools.cancel->hide();
    row->addWidget(tools.cancel);
    return rowWidget;
}

QWidget* createHintRow(DesignTools& tools)
{
    auto* rowWidget = new QWidget;
    rowWidget->setObjectName(QStringLiteral("DrawHintRow"));
    rowWidget->hide(); // shown in the part editor's place while drawing
    auto* row = new QHBoxLayout(rowWidget);
    row->setContentsMargins(12, 6, 12, 6);
    row->setAlignment(Qt::AlignTop);
    tools.hint = makeLabel(QStringLiteral("DrawHintLabel"), drawingHint());
    tools.hint->setWordWrap(true);
    tools.hint->setStyleSheet(QStringLiteral("font-size: 12pt; font-weight: bold;"));
    tools.hint->hide();
    row->addWidget(tools.hint, 1);
    return rowWidget;
}

} // namespace

QString drawingHint()
{
    return QStringLiteral("To draw a shape, click points on the drawing sheet.  Double-click to finish (or press "
                          "Cancel to abort).");
}

DesignTools createDesignTools()
{
    DesignTools tools;
    tools.panel = createToolPanel(tools);
    tools.cancelRow = createCancelRow(tools);
    tools.hintRow = createHintRow(tools);
    return tools;
}

} // namespace brisko::gui
