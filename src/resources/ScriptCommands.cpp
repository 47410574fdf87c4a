// Script saving and loading on behalf of the Script button and the input field.
#include "resources/ScriptCommands.h"

#include <QFileInfo>
#include <map>
#include <tuple>

#include "fileaccess/FileError.h"
#include "fileaccess/OutputFile.h"
#include "languages/MainStrings.h"
#include "platform/DebugChannel.h"
#include "resources/ResourceList.h"
#include "resources/ScriptReader.h"
#include "resources/ScriptSafety.h"
#include "resources/ScriptWriter.h"
#include "resources/TextLines.h"
#include "widgets/UiText.h"

namespace restallow {

void ScriptCommands::SaveScript() {
    ListSettings& settings = list_.settings();
    Prompter& prompter = list_.prompter();
    const MainTable& text = MainStrings(settings.Language);
    const QString input = list_.host().InputFileText();
    bool askForName = true;
    if (SameExtension(ExtensionOf(input.toStdString()), ".rc")) {
        if (!QFileInfo::exists(input)) {
            WriteScript(input);
            askForName = false;
        } else {
            const MsgButton answer =
                prompter.message({QString::fromUtf8(text[UiOverwrite]), QString::fromUtf8(text[UiConfirmation]),
                                  MsgButtons::YesNoCancel, MsgIcon::Question, MsgButton::No});
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

// Nothing is written that would not load back as the list, or that a compiler could not read.
void ScriptCommands::WriteScript(const QString& path) {
    const std::string script = ValueOrThrow(WriteScriptText(list_.model().entries(), path.toStdString()));
    if (const ScriptFault fault = CheckScriptHolds(list_.model().entries(), script)) {
        const int language = list_.settings().Language;
        const MessageText text = fault.kind == ScriptFault::Name   ? MsgSaveName
                                 : fault.kind == ScriptFault::File ? MsgSaveFile
                                                                   : MsgSaveReload;
        throw FileError((MsgText(language, text) + u'\r' + QString::fromStdString(fault.entry)).toStdString());
    }
    ThrowIfFailed(fileaccess::WriteFile(path.toStdString(), script));
    list_.MarkSaved();
    list_.host().SetInputFileText(QString());
    list_.host().SetInputFileText(path);
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
    // Each string table read is traced on the debug channel, without a sound.
    LoadedScript loaded = ParseScript(text, {}, [](const std::string& stringId, const std::string& file) {
        DebugSend({QString::fromStdString(stringId), QString::fromStdString(file)});
    });
    if (loaded.recognised && loaded.status && TakeFileOrder(loaded)) return;
    ListHistory::Step step(list_.history());
    if (!list_.isEmpty()) {
        list_.RemoveAll();
        list_.ResetKindCounters();
    }
    list_.HidePreview();  // what it showed belongs to the list that went
    if (!loaded.recognised) return;
    list_.ReplaceEntries(std::move(loaded.entries));
    list_.counters().Add(loaded.counters);
    if (loaded.startId) list_.settings().StartID = *loaded.startId;
    ThrowIfFailed(loaded.status);
    list_.MarkSaved();
    list_.UpdateListButtons();
}

bool ScriptCommands::TakeFileOrder(const LoadedScript& loaded) {
    const ResourceListModel& model = list_.model();
    if (loaded.entries.size() != static_cast<std::size_t>(model.count()) || loaded.entries.empty()) return false;
    using Fields = std::tuple<std::string, std::string, std::string, std::string>;
    const auto fields = [](const ResourceEntry& e) { return Fields{e.name, e.type, e.stringId, e.file}; };
    std::multimap<Fields, std::uint64_t> serialOf;
    for (int row = 0; row < model.count(); ++row) serialOf.emplace(fields(model.entry(row)), model.serial(row));
    std::vector<std::uint64_t> order;
    order.reserve(loaded.entries.size());
    for (const ResourceEntry& entry : loaded.entries) {
        const auto found = serialOf.find(fields(entry));
        if (found == serialOf.end()) return false;
        order.push_back(found->second);
        serialOf.erase(found);
    }
    list_.model().arrange(order);
    list_.counters() = loaded.counters;
    if (loaded.startId) list_.settings().StartID = *loaded.startId;
    list_.MarkSaved();
    list_.UpdateListButtons();
    return true;
}

}  // namespace restallow
