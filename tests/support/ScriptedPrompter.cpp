// Scripted answers for the prompter double.
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

namespace restallow::test {
namespace {

template <typename T>
T Next(std::deque<T>& answers, const char* what, T cancelled) {
    if (answers.empty()) {
        ADD_FAILURE() << "unexpected " << what;
        return cancelled;
    }
    T answer = std::move(answers.front());
    answers.pop_front();
    return answer;
}

template <typename T>
void ExpectUsed(const std::deque<T>& answers, const char* what) {
    if (!answers.empty()) ADD_FAILURE() << answers.size() << " queued answer(s) for the " << what << " never asked for";
}

}  // namespace

// A queued answer that nobody asked for means the command took another way than the test says.
ScriptedPrompter::~ScriptedPrompter() {
    ExpectUsed(messageAnswers, "message box");
    ExpectUsed(openAnswers, "open dialog");
    ExpectUsed(saveAnswers, "save dialog");
    ExpectUsed(startIdAnswers, "Start-ID dialog");
    ExpectUsed(outputKindAnswers, "output-kind dialog");
    ExpectUsed(readmeAnswers, "readme dialog");
    ExpectUsed(optionsAnswers, "options dialog");
}

MsgButton ScriptedPrompter::message(const MessageRequest& request) {
    messages.push_back(request);
    return Next(messageAnswers, "message box", MsgButton::Cancel);
}

std::optional<FileDialogAnswer> ScriptedPrompter::openFile(const FileDialogRequest& request) {
    openRequests.push_back(request);
    return Next<std::optional<FileDialogAnswer>>(openAnswers, "open dialog", std::nullopt);
}

std::optional<FileDialogAnswer> ScriptedPrompter::saveFile(const FileDialogRequest& request) {
    saveRequests.push_back(request);
    return Next<std::optional<FileDialogAnswer>>(saveAnswers, "save dialog", std::nullopt);
}

std::optional<QString> ScriptedPrompter::askStartId(const QString& proposal, int) {
    startIdProposals.push_back(proposal);
    return Next<std::optional<QString>>(startIdAnswers, "Start-ID dialog", std::nullopt);
}

std::optional<int> ScriptedPrompter::askOutputKind(int resKind, int) {
    outputKindProposals.push_back(resKind);
    return Next<std::optional<int>>(outputKindAnswers, "output-kind dialog", std::nullopt);
}

bool ScriptedPrompter::showReadme(const ReadmeRequest& request) {
    readmeRequests.push_back(request);
    return Next(readmeAnswers, "readme dialog", request.showOnStart);
}

OptionsOutcome ScriptedPrompter::showOptions(const OptionsState& state) {
    optionsRequests.push_back(state);
    return Next(optionsAnswers, "options dialog", OptionsOutcome{});
}

}  // namespace restallow::test
