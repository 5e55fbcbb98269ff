#pragma once
// Text drawing needs a QGuiApplication; tests that paint labels create one once.
#include <QGuiApplication>

namespace brisko::test {

inline void ensureGuiApp()
{
    static int argc = 1;
    static char name[] = "brisko_core_tests";
    static char* argv[] = {name, nullptr};
    if (!QGuiApplication::instance())
        new QGuiApplication(argc, argv);
}

} // namespace brisko::test
