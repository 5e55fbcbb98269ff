// The GUI tests need one application object for all widgets.
#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <gtest/gtest.h>

namespace {

// Qt's offscreen screen is 800 x 600 unless told otherwise; the tests see a desktop
// monitor on which the main window opens at its full size.
void configureOffscreenScreen(QTemporaryFile& config)
{
    if (qgetenv("QT_QPA_PLATFORM") != "offscreen" || !config.open())
        return;
    config.write(R"({ "screens": [ { "name": "Desktop", "x": 0, "y": 0, "width": 1920, "height": 1200,
                    "logicalDpi": 96, "dpr": 1 } ] })");
    config.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
}

} // namespace

int main(int argc, char** argv)
{
    // Also when the tests are only listed at build time, without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryFile screenConfig;
    configureOffscreenScreen(screenConfig);
    QApplication app(argc, argv);
    // The program's settings go to a folder of the run's own, never the user's.
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
