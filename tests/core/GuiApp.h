#pragma once
// Text drawing needs a QGuiApplication; tests that paint labels create one once.
#include <QGuiApplication>

namespace brisko::test {

inline void ensureGuiApp()
{
    static int argc = 1;
    static char name[] = "brisko_core_tests";
    static char* argv[] = {name, nullptr};
    if (QGuiApplication::instance())
        return;
    // Painting needs no display: run on Qt's offscreen platform unless told otherwise.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    new QGuiApplication(argc, argv);
}

} // namespace brisko::test
