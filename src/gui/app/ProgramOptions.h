#pragma once
// The command line of `brisko`: `--power-designer` shows the Power Designer's menu
// item for this run, whatever the teacher's setting says. Anything else is refused
// with the usage text.
#include <QStringList>
#include <optional>

namespace brisko::gui {

struct ProgramOptions {
    bool PowerDesigner = false;
    bool Help = false; // --help: print the usage and end
};

// The options of `arguments` (the program's name first); none when they are refused.
// `usage` gets the text to print after --help or a refusal.
std::optional<ProgramOptions> parseProgramOptions(const QStringList& arguments, QString* usage);

} // namespace brisko::gui
