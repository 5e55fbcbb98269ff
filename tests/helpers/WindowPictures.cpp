// Writes pictures of the main window for a look at its layout, as PNG files in the
// folder given: the started window in every state, the window with each preset,
// and the About box. Offscreen unless QT_QPA_PLATFORM says otherwise.
//   brisko_window_pictures FOLDER
#include "OffscreenScreen.h"
#include "ScriptedPrompter.h"
#include "app/Program.h"
#include "mainwin/TRPWin.h"
#include "output/BuildView.h"
#include "output/TAbout.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPixmap>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdio>

using namespace brisko;

namespace {

void click(QWidget& window, const char* name)
{
    if (auto* button = window.findChild<QAbstractButton*>(QString::fromLatin1(name)))
        button->click();
}

} // namespace

int main(int argc, char** argv)
{
    QTemporaryFile screenConfig;
    test::useOffscreenDesktop(screenConfig);
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fputs("usage: brisko_window_pictures FOLDER\n", stderr);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "could not make %s\n", argv[1]);
        return 1;
    }
    QTemporaryDir work; // the portfolio and the settings of this run alone
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, work.filePath(QStringLiteral("settings")));
    test::ScriptedPrompter prompter;
    gui::Program program(prompter, gui::ProgramOptions{});
    program.quitApplication = [] {};
    gui::TRPWin& window = program.mainWindow();
    window.findChild<gui::BuildView*>()->setStartingSizeBuildMilliseconds(0); // the whole car at once
    program.start();
    click(window, "StartDesigningBtn");
    prompter.answerFile(work.filePath(QStringLiteral("Mine")));
    click(window, "ContinueBtn");
    // The maximised start reaches the window late; it is let through first.
    QApplication::processEvents();
    window.showNormal();
    QApplication::processEvents();
    window.resize(1600, 1000);
    QApplication::processEvents();

    bool allWritten = true;
    auto save = [&](const QPixmap& picture, const QString& name) {
        const QString path = folder.filePath(QStringLiteral("brisko-%1.png").arg(name));
        const bool saved = picture.save(path);
        std::fprintf(saved ? stdout : stderr, "%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
        allWritten = allWritten && saved;
    };
    save(window.grab(), QStringLiteral("main"));
    for (const char* state : {"VPPropBtn", "VPDynPerfBtn", "VPRaceBtn", "VPPreviewBtn", "VPBuildBtn"}) {
        click(window, state);
        QApplication::processEvents();
        save(window.grab(), QString::fromLatin1(state));
    }
    click(window, "VPSetBtn");
    auto* list = window.findChild<QComboBox*>(QStringLiteral("DesignList"));
    for (int position = 0; list && position < list->count(); ++position) {
        emit list->activated(position);
        QApplication::processEvents();
        save(window.grab(), list->itemText(position).toLower().replace(QLatin1Char(' '), QLatin1Char('-')));
    }
    program.about().showCentred();
    QApplication::processEvents();
    save(program.about().grab(), QStringLiteral("about"));
    return allWritten ? 0 : 1;
}
