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

} // namespace

const QStringList& sketchToolNames()
{
    static const QStringList names = [] {
        QStringList list;
        for (const auto& tool : kTools)
            list << QString::fromLatin1(tool.name);
        return list;
    }();
    return names;
}

QWidget* createSetStateToolPanel()
{
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("SetStateToolPanel"));
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(8, 6, 8, 6);
    row->setSpacing(4);
    for (const auto& tool : kTools) {
        auto* button = new QToolButton;
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

QWidget* createDrawCancelButton()
{
    auto* rowWidget = new QWidget;
    rowWidget->setObjectName(QStringLiteral("DrawCancelRow"));
    // The row takes the room the tool bar has left: showing its button never widens
    // the window (a resize would end the 3D build drawing that shows it as "Stop").
    rowWidget->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    rowWidget->setMinimumWidth(1); // its button's own minimum would count otherwise
    auto* row = new QHBoxLayout(rowWidget);
    row->setContentsMargins(0, 0, 0, 0);
    QPushButton* cancel = makeButton(QStringLiteral("DrawCancelBtn"), QStringLiteral("Cancel"));
    cancel->hide();
    row->addWidget(cancel);
    return rowWidget;
}

QString drawingHint()
{
    return QStringLiteral("To draw a shape, click points on the drawing sheet.  Double-click to finish (or press "
                          "Cancel to abort).");
}

QWidget* createDrawHintRow()
{
    auto* rowWidget = new QWidget;
    rowWidget->setObjectName(QStringLiteral("DrawHintRow"));
    rowWidget->hide(); // shown in the part editor's place while drawing
    auto* row = new QHBoxLayout(rowWidget);
    row->setContentsMargins(12, 6, 12, 6);
    row->setAlignment(Qt::AlignTop);
    QLabel* hint = makeLabel(QStringLiteral("DrawHintLabel"), drawingHint());
    hint->setWordWrap(true);
    hint->setStyleSheet(QStringLiteral("font-size: 12pt; font-weight: bold;"));
    hint->hide();
    row->addWidget(hint, 1);
    return rowWidget;
}

} // namespace brisko::gui
