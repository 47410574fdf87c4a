// Program start: one main window and the message loop.
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "app/QtPrompter.h"
#include "app/TfmTallow.h"
#include "platform/FontCacheWarmUp.h"

namespace {

bool HasDisplay() {
    const auto set = [](const char* name) { return std::getenv(name) && *std::getenv(name); };
    return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
}

}  // namespace

int main(int argc, char* argv[]) {
    if (!HasDisplay()) {
        std::fprintf(stderr, "restallow: no display found (DISPLAY and WAYLAND_DISPLAY are not set).\n"
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
