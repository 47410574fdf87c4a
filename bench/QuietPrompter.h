// A prompter for benchmarks: answers every question with its first choice and shows nothing.
#pragma once

#include <cstdio>

#include "platform/Prompter.h"

namespace restallow::bench {

class QuietPrompter : public Prompter {
public:
    MsgButton message(const MessageRequest& request) override {
        std::fprintf(stderr, "message: %s\n", request.text.toLocal8Bit().constData());
        return MsgButton::Yes;
    }
    std::optional<FileDialogAnswer> openFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<FileDialogAnswer> saveFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<QString> askStartId(const QString&, int) override { return std::nullopt; }
    std::optional<int> askOutputKind(int, int) override { return std::nullopt; }
    bool showReadme(const ReadmeRequest&) override { return false; }
    OptionsOutcome showOptions(const OptionsState&) override { return {}; }
    void beep(BeepKind) override {}
    void movePointer(const QPoint&) override {}
};

}  // namespace restallow::bench
