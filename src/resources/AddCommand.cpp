// The Add command.
#include "resources/AddCommand.h"

#include <QFileInfo>
#include <algorithm>

#include "fileaccess/FileError.h"
#include "languages/MainStrings.h"
#include "resources/ResourceList.h"
#include "resources/ScriptSafety.h"
#include "resources/TextLines.h"
#include "widgets/UiText.h"

namespace restallow {

void AddCommand::AddResourceFile() {
    ListSettings& settings = list_.settings();
    ListHistory::Step step(list_.history());
    if (!AskOutputKindWhenEmpty()) return;
    const MainTable& text = MainStrings(settings.Language);
    FileDialogRequest request;
    request.filter = QString::fromUtf8(text[settings.ResKind == kDcrOutput ? UiAddFilterDcr : UiAddFilterRes]);
    request.directory = settings.InitialDir;
    request.filterIndex = settings.ResKind == kDcrOutput ? 1 : settings.FilterIndex;

    std::optional<std::uint64_t> added;
    if (const std::optional<FileDialogAnswer> answer = list_.prompter().openFile(request)) {
        // The bitmap-only filter has one entry; it must not replace the index of the full filter.
        if (settings.ResKind != kDcrOutput) settings.FilterIndex = answer->filterIndex;
        added = AddChosenFile(answer->path);
        if (!added) return;
    }
    list_.MovePointerTo(ReturnButton::Add);
    list_.SortList();
    if (added) list_.ShowEntry(*added, false);  // selected already, with its duplicates
}

// Each dropped file goes in as if Add had been pressed and the file chosen in its dialog; what
// the dialog would not offer (a folder, a missing file, anything but a bitmap for .dcr) is left out.
// The output kind is asked once per drop, also when the first files did not go in.
void AddCommand::AddDroppedFiles(const QStringList& paths) {
    ListHistory::Step step(list_.history());  // a drop is one step, however many files it brings
    bool kindChosen = false;
    for (const QString& path : paths) {
        if (!QFileInfo(path).isFile()) continue;
        if (!kindChosen && !AskOutputKindWhenEmpty()) return;  // the user declined to start a list
        kindChosen = true;
        if (list_.settings().ResKind == kDcrOutput && KindOf(path.toStdString()) != kBitmapKind) {
            list_.prompter().beep(BeepKind::Default);
            continue;
        }
        const std::optional<std::uint64_t> added = AddChosenFile(path);
        if (!added) continue;
        list_.MovePointerTo(ReturnButton::Add);
        list_.SortList();
        list_.ShowEntry(*added, false);
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

std::optional<std::uint64_t> AddCommand::AddChosenFile(const QString& chosen) {
    list_.settings().InitialDir = QFileInfo(chosen).absolutePath() + u'/';
    const std::string path = chosen.toStdString();
    if (!ScriptCanHold(chosen, KindOf(path))) return std::nullopt;
    std::string stringId;
    if (KindOf(path) == kStringTableKind) {
        const std::optional<QString> typed = StartIDStep(chosen);
        if (!typed) return std::nullopt;
        stringId = typed->toStdString();
    }
    const int row = list_.AddEntry(path, stringId);
    const std::uint64_t serial = list_.model().serial(row);
    CheckDuplicates(row);
    list_.UpdateListButtons();
    list_.setListSaved(false);
    return serial;
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

// A name with bytes that are no UTF-8 reaches the program with replacement characters (or lone
// surrogates): written back, it would name no file.
bool AddCommand::ScriptCanHold(const QString& path, int kind) {
    bool text = true;
    for (qsizetype i = 0; i < path.size() && text; ++i) {
        const QChar c = path[i];
        if (c == QChar::ReplacementCharacter)
            text = false;
        else if (c.isHighSurrogate() && i + 1 < path.size() && path[i + 1].isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            text = false;
    }
    if (text && ScriptCannotHold(path.toStdString(), kind == kStringTableKind) == PathProblem::None) return true;
    const int language = list_.settings().Language;
    list_.prompter().beep(BeepKind::Default);
    list_.prompter().message(
        {MsgText(language, MsgFileRefused1) + u'\r' + path + u'\r' + MsgText(language, MsgFileRefused2),
         UiText(language, UiError), MsgButtons::Ok, MsgIcon::Warning, MsgButton::Ok});
    return false;
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
