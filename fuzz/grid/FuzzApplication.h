#pragma once
// The widgets of a grid fuzz target need one application object on the offscreen
// platform, made on the first input and kept for the whole run.

#include <QApplication>

inline QApplication& FuzzApplication()
{
    static int argc = 1;
    static char name[] = "grid_fuzz";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}
