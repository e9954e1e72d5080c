#pragma once
// The offscreen application object the widget-based targets need, made once.
#include <QApplication>

inline void EnsureFuzzApplication()
{
    static int argc = 1;
    static char name[] = "hoopline_fuzz";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    (void)app;
}
