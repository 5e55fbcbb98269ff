#pragma once
// Small builders for the named controls of the main window.
#include <QString>

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace brisko::gui {

QLabel* makeLabel(const QString& name, const QString& text, const QString& hint = {});
// A caption that opens a help page when clicked.
QLabel* makeLinkLabel(const QString& name, const QString& text, const QString& hint = {});
// The longest number text a figure can have: a sign, "0.000" and 15 significant
// digits (smaller values switch to the exponent form, which is no longer).
QString longestFigureText();
// A read-only figure field (`...EF`), wide enough for the longest number text.
QLineEdit* makeFigureField(const QString& name);
QPushButton* makeButton(const QString& name, const QString& text, const QString& hint = {});

inline constexpr int kFigureRows = 3;

// Puts the `index`th figure of a panel into `grid`: caption and field side by side,
// filled column by column, three to a column.
QLineEdit* addFigure(QGridLayout* grid, int index, QLabel* caption, const QString& fieldName);

// A panel with the given object name and a bold heading in its first row.
QWidget* makeNamedPanel(const QString& name);

} // namespace brisko::gui
