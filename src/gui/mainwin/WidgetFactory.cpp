#include "mainwin/WidgetFactory.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace brisko::gui {

QLabel* makeLabel(const QString& name, const QString& text, const QString& hint)
{
    auto* label = new QLabel(text);
    label->setObjectName(name);
    if (!hint.isEmpty())
        label->setToolTip(hint);
    return label;
}

QLabel* makeLinkLabel(const QString& name, const QString& text, const QString& hint)
{
    QLabel* label = makeLabel(name, text, hint.isEmpty() ? QStringLiteral("Click for help") : hint);
    label->setCursor(Qt::PointingHandCursor);
    label->setProperty("helpLink", true);
    return label;
}

QString longestFigureText()
{
    return QStringLiteral("-0.000") + QString(15, QLatin1Char('8'));
}

namespace {

// The frame, the window's padding (4 px a side) and the edit's own text margins.
constexpr int kFieldChrome = 2 * (1 + 4 + 2) + 4;
constexpr int kCaptionWidth = 80;

} // namespace

QLineEdit* makeFigureField(const QString& name)
{
    auto* field = new QLineEdit;
    field->setObjectName(name);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::NoFocus);
    field->setAlignment(Qt::AlignRight);
    field->setFixedWidth(field->fontMetrics().horizontalAdvance(longestFigureText()) + kFieldChrome);
    return field;
}

QPushButton* makeButton(const QString& name, const QString& text, const QString& hint)
{
    auto* button = new QPushButton(text);
    button->setObjectName(name);
    if (!hint.isEmpty())
        button->setToolTip(hint);
    return button;
}

QLineEdit* addFigure(QGridLayout* grid, int index, QLabel* caption, const QString& fieldName)
{
    const int row = index % kFigureRows;
    const int column = (index / kFigureRows) * 2;
    caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // A long caption takes two lines, so the whole-text fields fit a 1280 wide window.
    caption->setWordWrap(true);
    caption->setFixedWidth(kCaptionWidth);
    grid->addWidget(caption, row, column);
    QLineEdit* field = makeFigureField(fieldName);
    caption->setBuddy(field);
    grid->addWidget(field, row, column + 1);
    return field;
}

QWidget* makeNamedPanel(const QString& name)
{
    auto* panel = new QWidget;
    panel->setObjectName(name);
    return panel;
}

} // namespace brisko::gui
