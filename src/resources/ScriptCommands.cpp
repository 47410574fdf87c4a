// Script saving and loading on behalf of the Script button and the input field.
#include "resources/ScriptCommands.h"

#include <QFileInfo>

#include "fileaccess/FileError.h"
#include "fileaccess/OutputFile.h"
#include "languages/MainStrings.h"
#include "platform/DebugChannel.h"
#include "resources/ResourceList.h"
#include "resources/ScriptReader.h"
#include "resources/ScriptWriter.h"
#include "resources/TextLines.h"

namespace restallow {

void ScriptCommands::SaveScript() {
    ListSettings& settings = list_.settings();
    Prompter& prompter = list_.prompter();
    const MainTable& text = MainStrings(settings.Language);
    const QString input = list_.host().inputFileText();
    bool askForName = true;
    if (ExtensionOf(input.toStdString()) == ".rc") {
        if (!QFileInfo::exists(input)) {
            WriteScript(input);
            askForName = false;
        } else {
            const MsgButton answer = prompter.message({QString::fromUtf8(text[UiOverwrite]),
                                                       QString::fromUtf8(text[UiConfirmation]), MsgButtons::YesNoCancel,
                                                       MsgIcon::Question, MsgButton::No});
            if (answer == MsgButton::Cancel || answer == MsgButton::None) return;
            if (answer == MsgButton::Yes) {
                WriteScript(input);
                askForName = false;
            }
        }
    }
    if (askForName) {
        FileDialogRequest request;
        request.filter = QString::fromUtf8(text[UiScriptFilter]);
        request.directory = settings.SaveDir;
        request.filterIndex = settings.SaveFilterIndex;
        request.defaultSuffix = QStringLiteral("rc");
        if (const std::optional<FileDialogAnswer> answer = prompter.saveFile(request)) {
            settings.SaveDir = QFileInfo(answer->path).absolutePath() + u'/';
            settings.SaveFilterIndex = answer->filterIndex;
            WriteScript(answer->path);
        }
    }
    list_.MovePointerTo(ReturnButton::Compile);
}

void ScriptCommands::WriteScript(const QString& path) {
    const std::string script = ValueOrThrow(WriteScriptText(list_.model().entries(), path.toStdString()));
    ThrowIfFailed(fileaccess::WriteFile(path.toStdString(), script));
    list_.setListSaved(true);
    list_.host().setInputFileText(QString());
    list_.host().setInputFileText(path);
}

void ScriptCommands::LoadChosenScript(const QString& path) {
    if (!list_.isEmpty() && !list_.ListSaved()) {
        const MainTable& text = MainStrings(list_.settings().Language);
        const MsgButton answer =
            list_.prompter().message({QString::fromUtf8(text[UiLoadAnyway]), QString::fromUtf8(text[UiConfirmation]),
                                      MsgButtons::YesNo, MsgIcon::Question, MsgButton::No});
        if (answer != MsgButton::Yes) return;
    }
    ReadScript(path);
}

void ScriptCommands::ReadScript(const QString& path) {
    // A script that cannot be read leaves the list as it was.
    const std::string text = ValueOrThrow(ReadFileBytes(path.toStdString()));
    if (!list_.isEmpty()) {
        list_.RemoveAll();
        list_.ResetKindCounters();
    }
    // Each string table read is traced on the debug channel, without a sound.
    LoadedScript loaded = ParseScript(text, {},
                                            [](const std::string& stringId, const std::string& file) {
                                                DebugSend({QString::fromStdString(stringId), QString::fromStdString(file)});
                                            });
    if (!loaded.recognised) return;
    list_.ReplaceEntries(std::move(loaded.entries));
    list_.counters().Add(loaded.counters);
    if (loaded.startId) list_.settings().StartID = *loaded.startId;
    ThrowIfFailed(loaded.status);
    list_.setListSaved(true);
    list_.UpdateListButtons();
}

}  // namespace restallow
