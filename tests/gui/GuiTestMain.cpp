// The GUI tests need one application object for all widgets.
#include "OffscreenScreen.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Also when the tests are only listed at build time, without a display.
    QTemporaryFile screenConfig;
    brisko::test::useOffscreenDesktop(screenConfig);
    QApplication app(argc, argv);
    // The program's settings go to a folder of the run's own, never the user's.
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
