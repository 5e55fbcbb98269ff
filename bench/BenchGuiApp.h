#pragma once
// Painting text needs a GUI application; the offscreen platform needs no display.
#include <QGuiApplication>

namespace brisko::bench {

inline void ensureGuiApp()
{
    static int argc = 1;
    static char name[] = "brisko-bench";
    static char* argv[] = {name, nullptr};
    if (QGuiApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    new QGuiApplication(argc, argv);
}

} // namespace brisko::bench
