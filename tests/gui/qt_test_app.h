#pragma once
#include <QApplication>
#include <cstdlib>

// The Qt application the painting and printing tests need, made once per
// test program. It never talks to the machine's print scheduler: unless a
// test set CUPS_SERVER to a scheduler of its own, it points at a socket that
// does not exist.
inline void EnsureQtApp() {
    if (QCoreApplication::instance())
        return;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("CUPS_SERVER", "/nonexistent/vimoprn-test-cups.sock", 0);
    static int argc = 1;
    static char name[] = "test_gui";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
}
