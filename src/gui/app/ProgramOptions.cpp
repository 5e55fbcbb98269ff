#include "app/ProgramOptions.h"

#include <QCommandLineParser>

namespace brisko::gui {

std::optional<ProgramOptions> parseProgramOptions(const QStringList& arguments, QString* usage)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Brisko, the toy car design tool"));
    parser.addHelpOption();
    const QCommandLineOption powerDesigner(QStringLiteral("power-designer"),
                                           QStringLiteral("Show History > Power Design... for this run."));
    parser.addOption(powerDesigner);
    const bool parsed = parser.parse(arguments);
    const bool refused = !parsed || !parser.positionalArguments().isEmpty();
    if (usage)
        *usage = (parsed ? QString() : parser.errorText() + QLatin1Char('\n')) + parser.helpText();
    if (refused)
        return std::nullopt;
    return ProgramOptions{parser.isSet(powerDesigner), parser.isSet(QStringLiteral("help"))};
}

} // namespace brisko::gui
