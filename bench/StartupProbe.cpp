// Starts the main window as the program does and quits at its first painting.
// bench/startup_bench.sh times whole runs of it against bench/EmptyWindow.cpp.
#include <QApplication>

#include "FirstPaint.h"
#include "QuietPrompter.h"
#include "app/TfmTallow.h"
#include "platform/FontCacheWarmUp.h"

using namespace restallow::bench;

int main(int argc, char** argv) {
    Phase("main");
    restallow::FontCacheWarmUp fonts;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Resource Tallowin+"));
    fonts.Wait();
    Phase("application");
    QuietPrompter prompter;
    restallow::TfmTallow window(prompter);
    return ShowUntilFirstPaint(window);
}
