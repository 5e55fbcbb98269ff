#pragma once
// Painting text needs a GUI application, and the window's widgets a widget one; the
// offscreen platform needs no display.
#include <QApplication>

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
    new QApplication(argc, argv);
}

} // namespace brisko::bench
