#include "dialogs/TDTWin.h"

#include "session/Session.h"

#include <QLineEdit>

namespace brisko::gui {

TDTWin::TDTWin(Session& session, QWidget* parent)
    : MaterialDialog(session, "DTWin", QStringLiteral("Define a Tread Material"), "Tread",
                     QStringLiteral("Please try again."), parent)
{
    m_name = addFieldRow(QStringLiteral("Name of tread material"), "TreadNameEF", QStringLiteral("Ideal rubber"));
    m_friction = addFieldRow(QStringLiteral("Coefficient of static friction"), "TreadFrictionEF",
                             QStringLiteral("1.0"));
    finishLayout();
}

void TDTWin::showRecord(int position)
{
    const TreadMaterial& tread = session().materials().tread(position);
    m_name->setText(tread.Name);
    m_friction->setText(tread.StaticFriction);
}

DefinitionOutcome TDTWin::defineFromFields()
{
    return defineMaterial(session(), TreadMaterial{m_name->text(), m_friction->text()}, mode(), position());
}

} // namespace brisko::gui
