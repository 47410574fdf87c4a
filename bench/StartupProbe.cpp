// Starts either the main window or an empty Qt main window, quits as soon as it is shown.
// bench/startup_bench.sh times whole runs of both.
#include <QApplication>

#include "QuietPrompter.h"
#include <QMainWindow>
#include <QTimer>
#include <cstring>

#include "app/TfmTallow.h"

using restallow::bench::QuietPrompter;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const bool empty = argc > 1 && std::strcmp(argv[1], "empty") == 0;
    QuietPrompter prompter;
    std::unique_ptr<QMainWindow> window;
    if (empty) window = std::make_unique<QMainWindow>();
    else window = std::make_unique<restallow::TfmTallow>(prompter);
    window->show();
    QTimer::singleShot(0, &app, &QApplication::quit);
    return QApplication::exec();
}
