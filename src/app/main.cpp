// Program start: one main window and the message loop.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/QtPrompter.h"
#include "app/TfmTallow.h"
#include "platform/FontCacheWarmUp.h"

namespace {

bool HasDisplay() {
    const auto set = [](const char* name) { return std::getenv(name) && *std::getenv(name); };
    return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
}

// Answered before any display is needed, so that a packager or a terminal can ask.
bool AnswersAnOption(int argc, char* argv[]) {
    if (argc != 2) return false;
    if (std::strcmp(argv[1], "--version") == 0) {
        std::puts("restallow " RESTALLOW_VERSION);
        return true;
    }
    if (std::strcmp(argv[1], "--help") != 0) return false;
    std::puts(
        "usage: restallow [--help | --version]\n"
        "Resource Tallowin+: turns ready-made files into a Windows resource script and compiles it.\n"
        "It opens its window on the desktop; the tools restallow-rc, restallow-resdump and\n"
        "restallow-min work on the command line.");
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (AnswersAnOption(argc, argv)) return 0;
    if (!HasDisplay()) {
        std::fprintf(stderr,
                     "restallow: no display found (DISPLAY and WAYLAND_DISPLAY are not set).\n"
                     "Start it from a desktop session, or under Xvfb: xvfb-run restallow\n");
        return 2;
    }
    restallow::FontCacheWarmUp fonts;  // while the application connects to the display
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Resource Tallowin+"));
    fonts.Wait();
    restallow::QtPrompter prompter;
    restallow::TfmTallow window(prompter);
    prompter.setParent(&window);
    window.show();
    return QApplication::exec();
}
