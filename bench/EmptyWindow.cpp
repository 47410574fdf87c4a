// The yardstick of the start-up benchmark: an empty Qt Widgets main window, linked with Qt
// Widgets alone, that quits at its first painting.
#include <QApplication>
#include <QMainWindow>

#include "FirstPaint.h"

using namespace restallow::bench;

int main(int argc, char** argv) {
    Phase("main");
    QApplication app(argc, argv);
    Phase("application");
    QMainWindow window;
    window.resize(538, 472);
    return ShowUntilFirstPaint(window);
}
