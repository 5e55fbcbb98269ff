#include "dialogs/TDAWin.h"

#include "session/Session.h"

#include <QLineEdit>

namespace brisko::gui {

TDAWin::TDAWin(Session& session, QWidget* parent)
    : MaterialDialog(session, "DAWin", QStringLiteral("Define an Axle Material"), "Axle",
                     QStringLiteral("Colors not available"), parent)
{
    m_name = addFieldRow(QStringLiteral("Name of axle material"), "AxleNameEF", QStringLiteral("Oak"));
    m_density = addFieldRow(QStringLiteral("Density (lbm/cu in)"), "AxleDensityEF", QStringLiteral("0.027"));
    finishLayout();
}

void TDAWin::showRecord(int position)
{
    const AxleMaterial& axle = session().materials().axle(position);
    m_name->setText(axle.Name);
    m_density->setText(axle.Density);
}

DefinitionOutcome TDAWin::defineFromFields()
{
    return defineMaterial(session(), AxleMaterial{m_name->text(), m_density->text()}, mode(), position());
}

} // namespace brisko::gui
