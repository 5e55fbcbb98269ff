#include "mainwin/FigureFields.h"

#include <QLineEdit>

namespace brisko::gui {

void FigureField::show(const QString& text) const
{
    m_edit->setText(text);
    m_edit->setCursorPosition(0); // long number texts show their leading digits
}

namespace {

template <class Group>
void showGroup(const Group& figures, auto& fields)
{
    if (fields)
        zipFigures(figures, *fields, [](const char*, const QString& text, FigureField& field) { field.show(text); });
}

} // namespace

void showFigures(const FigureSheet& sheet, PanelFigureFields& fields)
{
    showGroup(sheet.Build, fields.Build);
    showGroup(sheet.Analyze, fields.Analyze);
    showGroup(sheet.Simulate, fields.Simulate);
}

} // namespace brisko::gui
