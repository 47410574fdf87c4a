// A prompter for tests: answers from queues filled by the test and records every call.
#pragma once

#include <deque>
#include <optional>
#include <vector>

#include "platform/Prompter.h"

namespace restallow::test {

class ScriptedPrompter : public Prompter {
public:
    // Fails the test when a queued answer was not taken.
    ~ScriptedPrompter() override;

    // Answers, taken in order; a call with no answer queued fails the test and cancels.
    std::deque<MsgButton> messageAnswers;
    std::deque<std::optional<FileDialogAnswer>> openAnswers;
    std::deque<std::optional<FileDialogAnswer>> saveAnswers;
    std::deque<std::optional<QString>> startIdAnswers;
    std::deque<std::optional<int>> outputKindAnswers;

    // What was asked.
    std::vector<MessageRequest> messages;
    std::vector<FileDialogRequest> openRequests;
    std::vector<FileDialogRequest> saveRequests;
    std::vector<QString> startIdProposals;
    std::vector<int> outputKindProposals;
    std::vector<ReadmeRequest> readmeRequests;
    std::deque<bool> readmeAnswers;  // the show-on-start box when the readme closes
    std::vector<OptionsState> optionsRequests;
    std::deque<OptionsOutcome> optionsAnswers;
    std::vector<BeepKind> beeps;
    std::vector<QPoint> pointerMoves;

    MsgButton message(const MessageRequest& request) override;
    std::optional<FileDialogAnswer> openFile(const FileDialogRequest& request) override;
    std::optional<FileDialogAnswer> saveFile(const FileDialogRequest& request) override;
    std::optional<QString> askStartId(const QString& proposal, int language) override;
    std::optional<int> askOutputKind(int resKind, int language) override;
    bool showReadme(const ReadmeRequest& request) override;
    OptionsOutcome showOptions(const OptionsState& state) override;
    void beep(BeepKind kind) override { beeps.push_back(kind); }
    void movePointer(const QPoint& globalPosition) override { pointerMoves.push_back(globalPosition); }

    static FileDialogAnswer Chosen(const QString& path, int filterIndex = 1) { return {path, filterIndex}; }
};

}  // namespace restallow::test
