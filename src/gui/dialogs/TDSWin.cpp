#include "dialogs/TDSWin.h"

#include "dialogs/TorqueCurveGrid.h"
#include "session/Session.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace brisko::gui {

TDSWin::TDSWin(Session& session, QWidget* parent)
    : MaterialDialog(session, "DSWin", QStringLiteral("Define a Spring Material"), "Spring",
                     QStringLiteral("Please try again."), parent)
{
    m_name = addFieldRow(QStringLiteral("Name of spring material"), "SpringNameEF", QStringLiteral("Plastic"));
    m_thickness = addFieldRow(QStringLiteral("Thickness (in)"), "SpringThicknessEF", QStringLiteral("0.0125"));
    m_density = addFieldRow(QStringLiteral("Density (lbm/cu in)"), "SpringDensityEF", QStringLiteral("0.045"));
    addTorqueCurve();
    finishLayout();
}

void TDSWin::addTorqueCurve()
{
    auto* heading = new QLabel(QStringLiteral("Experimental Torque Curve"), this);
    heading->setStyleSheet(QStringLiteral("font-weight: bold;"));
    fields()->addWidget(heading, fields()->rowCount(), 0, 1, 3, Qt::AlignBottom);
    fields()->setRowMinimumHeight(fields()->rowCount() - 1, 30);
    m_sampleWidth = addFieldRow(QStringLiteral("Width of test sample (in)"), "SpringSampleWidthEF",
                                QStringLiteral("1.5"));
    m_grid = new TorqueCurveGrid(this);
    addToTabOrder(m_grid);
    const int row = fields()->rowCount();
    fields()->addWidget(m_grid, row, 0, 1, 2, Qt::AlignRight);
    fields()->addWidget(makeGridNotes(), row, 2, Qt::AlignTop);
}

// The default maximum torque beside the first data row, and the note that the other
// cells are optional beside the second and third.
QWidget* TDSWin::makeGridNotes()
{
    auto* notes = new QWidget(this);
    auto* column = new QVBoxLayout(notes);
    column->setContentsMargins(0, m_grid->rowTop(1), 0, 0);
    column->setSpacing(0);
    const QString texts[] = {QStringLiteral("0.57"), QStringLiteral("(remaining cells"),
                             QStringLiteral("are optional)")};
    for (int i = 0; i < 3; ++i) {
        QWidget* note = i == 0 ? makeDefaultText(texts[i], notes) : new QLabel(texts[i], notes);
        note->setFixedHeight(TorqueCurveGrid::kRowHeight);
        column->addWidget(note);
    }
    column->addStretch(1);
    return notes;
}

void TDSWin::showRecord(int position)
{
    const SpringMaterial& spring = session().materials().spring(position);
    m_name->setText(spring.Name);
    m_thickness->setText(spring.Thickness);
    m_density->setText(spring.Density);
    m_sampleWidth->setText(spring.SampleWidth);
    m_grid->showEntries(spring.TorqueCurve);
}

DefinitionOutcome TDSWin::defineFromFields()
{
    m_grid->finishEditing();
    SpringMaterial spring;
    spring.Name = m_name->text();
    spring.Thickness = m_thickness->text();
    spring.Density = m_density->text();
    spring.SampleWidth = m_sampleWidth->text();
    spring.TorqueCurve = m_grid->entries();
    return defineMaterial(session(), spring, mode(), position());
}

} // namespace brisko::gui
