// Program entry: the application, the desktop prompter and the program's windows.
#include "app/Program.h"
#include "app/ProgramOptions.h"
#include "app/QtPrompter.h"
#include "mainwin/TRPWin.h"

#include <QApplication>
#include <QIcon>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brisko"));
    // The installed menu entry (brisko.desktop) and its icon belong to this program.
    QApplication::setDesktopFileName(QStringLiteral("brisko"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("brisko")));
    QApplication::setStyle(QStringLiteral("Fusion"));
    QString usage;
    const auto options = brisko::gui::parseProgramOptions(QApplication::arguments(), &usage);
    if (!options) {
        std::fputs(qPrintable(usage), stderr);
        return 2;
    }
    if (options->Help) {
        std::fputs(qPrintable(usage), stdout);
        return 0;
    }
    brisko::gui::QtPrompter prompter;
    brisko::gui::Program program(prompter, *options);
    prompter.setParentWindow(&program.mainWindow());
    program.start();
    return application.exec();
}
