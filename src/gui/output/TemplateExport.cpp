#include "output/TemplateExport.h"

#include "mainwin/BusyCursor.h"
#include "output/TemplateSvg.h"

#include <QDir>
#include <QFileInfo>

namespace brisko::gui {

void exportTemplates(Session& session)
{
    FileRequest request;
    request.title = QStringLiteral("Export Templates");
    request.filter = QStringLiteral("SVG cutting templates|*.svg");
    request.proposedName = session.designListText();
    request.confirmOverwrite = false; // the templates take names of their own
    const QString chosen = session.prompter().saveFile(request);
    if (chosen.isEmpty())
        return;
    const QFileInfo file(chosen);
    QString error;
    QStringList written;
    {
        BusyCursor busy;
        const PaperPrototype prototype = paperPrototypeOf(session.design(), session.materials(), session.designListText());
        written = exportTemplateSvgs(prototype, file.absolutePath(), file.completeBaseName(), &error);
    }
    if (written.isEmpty()) {
        session.prompter().message(QStringLiteral("Export Templates"), error);
        return;
    }
    QStringList names;
    for (const QString& path : written)
        names << QFileInfo(path).fileName();
    session.prompter().message(QStringLiteral("Export Templates"),
                               QStringLiteral("The cutting templates are saved at full size (in inches) in %1:\n%2")
                                   .arg(QDir::toNativeSeparators(file.absolutePath()), names.join(QLatin1Char('\n'))));
}

} // namespace brisko::gui
