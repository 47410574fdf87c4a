// The real prompter: Qt message boxes and file dialogs, the program's own dialogs, the real pointer.
#pragma once

#include "platform/Prompter.h"

class QWidget;

namespace restallow {

class QtPrompter : public Prompter {
public:
    void setParent(QWidget* parent) { parent_ = parent; }

    MsgButton message(const MessageRequest& request) override;
    std::optional<FileDialogAnswer> openFile(const FileDialogRequest& request) override;
    std::optional<FileDialogAnswer> saveFile(const FileDialogRequest& request) override;
    std::optional<QString> askStartId(const QString& proposal, int language) override;
    std::optional<int> askOutputKind(int resKind, int language) override;
    bool showReadme(const ReadmeRequest& request) override;
    OptionsOutcome showOptions(const OptionsState& state) override;
    void beep(BeepKind kind) override;
    void movePointer(const QPoint& globalPosition) override;

private:
    std::optional<FileDialogAnswer> runFileDialog(const FileDialogRequest& request, bool save);

    QWidget* parent_ = nullptr;
};

}  // namespace restallow
