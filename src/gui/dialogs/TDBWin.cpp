#include "dialogs/TDBWin.h"

#include "session/Session.h"

#include <QLineEdit>

namespace brisko::gui {

TDBWin::TDBWin(Session& session, QWidget* parent)
    : MaterialDialog(session, "DBWin", QStringLiteral("Define a Board Material"), "Board",
                     QStringLiteral("Please try again."), parent)
{
    m_name = addFieldRow(QStringLiteral("Board Name"), "BoardNameEF", QStringLiteral("Foamcore"));
    m_thickness = addFieldRow(QStringLiteral("Board thickness (inches)"), "BoardThicknessEF", QStringLiteral("0.50"));
    m_density = addFieldRow(QStringLiteral("Board density (lbm/cu in)"), "BoardDensityEF", QStringLiteral("0.0023"));
    finishLayout();
}

void TDBWin::showRecord(int position)
{
    const BoardMaterial& board = session().materials().board(position);
    m_name->setText(board.Name);
    m_thickness->setText(board.Thickness);
    m_density->setText(board.Density);
}

DefinitionOutcome TDBWin::defineFromFields()
{
    return defineMaterial(session(), BoardMaterial{m_name->text(), m_thickness->text(), m_density->text()}, mode(),
                          position());
}

} // namespace brisko::gui
