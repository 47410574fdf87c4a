// Starts either the main window or an empty Qt main window, quits as soon as it is shown.
// bench/startup_bench.sh times whole runs of both.
#include <QApplication>
#include <QMainWindow>
#include <QTimer>
#include <cstring>

#include "app/TfmTallow.h"

namespace {

class QuietPrompter : public restallow::Prompter {
public:
    restallow::MsgButton message(const restallow::MessageRequest&) override { return restallow::MsgButton::Yes; }
    std::optional<restallow::FileDialogAnswer> openFile(const restallow::FileDialogRequest&) override { return {}; }
    std::optional<restallow::FileDialogAnswer> saveFile(const restallow::FileDialogRequest&) override { return {}; }
    std::optional<QString> askStartId(const QString&, int) override { return {}; }
    std::optional<int> askOutputKind(int, int) override { return {}; }
    bool showReadme(const restallow::ReadmeRequest&) override { return false; }
    restallow::OptionsOutcome showOptions(const restallow::OptionsState&) override { return {}; }
    void beep(restallow::BeepKind) override {}
    void movePointer(const QPoint&) override {}
};

}  // namespace

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
