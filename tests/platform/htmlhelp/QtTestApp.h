#pragma once
// The one application object of a Qt test program.

#include <QApplication>

namespace helptest {

inline void ensureQtApp()
{
    static int argc = 1;
    static char name[] = "tablewise-help-test";
    static char* argv[] = {name, nullptr};
    if (!QApplication::instance())
        new QApplication(argc, argv);
}

} // namespace helptest
