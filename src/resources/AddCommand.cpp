// The Add command.
#include "resources/AddCommand.h"

#include <QFileInfo>
#include <algorithm>

#include "fileaccess/FileError.h"
#include "languages/MainStrings.h"
#include "resources/ResourceList.h"
#include "resources/TextLines.h"
#include "widgets/UiText.h"

namespace restallow {

void AddCommand::AddResourceFile() {
    ListSettings& settings = list_.settings();
    if (!AskOutputKindWhenEmpty()) return;
    const MainTable& text = MainStrings(settings.Language);
    FileDialogRequest request;
    request.filter = QString::fromUtf8(text[settings.ResKind == kDcrOutput ? UiAddFilterDcr : UiAddFilterRes]);
    request.directory = settings.InitialDir;
    request.filterIndex = settings.ResKind == kDcrOutput ? 1 : settings.FilterIndex;

    if (const std::optional<FileDialogAnswer> answer = list_.prompter().openFile(request)) {
        // The bitmap-only filter has one entry; it must not replace the index of the full filter.
        if (settings.ResKind != kDcrOutput) settings.FilterIndex = answer->filterIndex;
        if (!AddChosenFile(answer->path)) return;
    }
    list_.MovePointerTo(ReturnButton::Add);
    list_.SortList();
}

// Each dropped file goes in as if Add had been pressed and the file chosen in its dialog; what
// the dialog would not offer (a folder, a missing file, anything but a bitmap for .dcr) is left out.
// The output kind is asked once per drop, also when the first files did not go in.
void AddCommand::AddDroppedFiles(const QStringList& paths) {
    bool kindChosen = false;
    for (const QString& path : paths) {
        if (!QFileInfo(path).isFile()) continue;
        if (!kindChosen && !AskOutputKindWhenEmpty()) return;  // the user declined to start a list
        kindChosen = true;
        if (list_.settings().ResKind == kDcrOutput && KindOf(path.toStdString()) != kBitmapKind) {
            list_.prompter().beep(BeepKind::Default);
            continue;
        }
        if (!AddChosenFile(path)) continue;
        list_.MovePointerTo(ReturnButton::Add);
        list_.SortList();
    }
}

bool AddCommand::AskOutputKindWhenEmpty() {
    if (!list_.isEmpty()) return true;
    ListSettings& settings = list_.settings();
    const std::optional<int> kind = list_.prompter().askOutputKind(settings.ResKind, settings.Language);
    if (!kind) return false;
    settings.ResKind = *kind == kDcrOutput ? kDcrOutput : kResOutput;
    return true;
}

bool AddCommand::AddChosenFile(const QString& chosen) {
    list_.settings().InitialDir = QFileInfo(chosen).absolutePath() + u'/';
    const std::string path = chosen.toStdString();
    std::string stringId;
    if (KindOf(path) == kStringTableKind) {
        const std::optional<QString> typed = StartIDStep(chosen);
        if (!typed) return false;
        stringId = typed->toStdString();
    }
    CheckDuplicates(list_.AddEntry(path, stringId));
    list_.UpdateListButtons();
    list_.setListSaved(false);
    return true;
}

// String ids are 16-bit: a Start-ID whose table would pass 65535 is refused and asked again.
std::optional<QString> AddCommand::StartIDStep(const QString& path) {
    ListSettings& settings = list_.settings();
    const long long previous = settings.StartID;
    std::optional<QString> typed = list_.prompter().askStartId(QString::number(settings.StartID), settings.Language);
    while (typed) {
        const long long firstId = ValueOrThrow(ParseInteger(typed->toStdString()));
        long long lines = 0;
        if (StringIdsFit(firstId, 0)) {
            settings.StartID = firstId;
            lines = static_cast<long long>(ValueOrThrow(CountLines(path.toStdString())));
            if (StringIdsFit(firstId, lines)) {
                settings.StartID = NextStartID(firstId, lines);
                return typed;
            }
            settings.StartID = previous;
        }
        RefuseStartId(*typed, lines);
        typed = list_.prompter().askStartId(*typed, settings.Language);
    }
    return std::nullopt;
}

void AddCommand::RefuseStartId(const QString& typed, long long lines) {
    const long long highest = std::max(0LL, kMaxStringId + 1 - std::max(lines, 1LL));
    const int language = list_.settings().Language;
    const QString text = MsgText(language, MsgStartIdRange).arg(typed).arg(lines).arg(kMaxStringId).arg(highest);
    list_.prompter().message({text, UiText(language, UiError), MsgButtons::Ok, MsgIcon::Error, MsgButton::Ok});
}

void AddCommand::CheckDuplicates(int newRow) {
    const int found = list_.SelectDuplicates(list_.model().entry(newRow).file);
    if (found <= 1) {
        list_.HandToPreview(list_.FirstSelectedRow());
        return;
    }
    const MainTable& text = MainStrings(list_.settings().Language);
    list_.HidePreview();
    list_.prompter().beep(BeepKind::Information);
    list_.prompter().message({QString::fromUtf8(text[UiDuplicate1]) + u'\r' + QString::fromUtf8(text[UiDuplicate2]),
                              QStringLiteral("Information"), MsgButtons::Ok, MsgIcon::Information, MsgButton::Ok});
}

}  // namespace restallow
