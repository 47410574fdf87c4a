// The Add command.
#include "resources/AddCommand.h"

#include <QFileInfo>
#include <algorithm>

#include "resources/ResourceList.h"
#include "resources/TextLines.h"
#include "shell/MainStrings.h"

namespace restallow {

void AddCommand::AddResourceFile() {
    ListSettings& settings = list_.settings();
    Prompter& prompter = list_.prompter();
    if (list_.isEmpty()) {
        const std::optional<int> kind = prompter.askOutputKind(settings.ResKind, settings.Language);
        if (!kind) return;
        settings.ResKind = *kind == 1 ? 1 : 0;
    }
    const MainTable& text = MainStrings(settings.Language);
    FileDialogRequest request;
    request.filter = QString::fromUtf8(text[settings.ResKind == 1 ? UiAddFilterDcr : UiAddFilterRes]);
    request.directory = settings.InitialDir;
    request.filterIndex = settings.ResKind == 1 ? 1 : settings.FilterIndex;

    if (const std::optional<FileDialogAnswer> answer = prompter.openFile(request)) {
        settings.InitialDir = QFileInfo(answer->path).absolutePath() + u'/';
        // The bitmap-only filter has one entry; it must not replace the index of the full filter.
        if (settings.ResKind != 1) settings.FilterIndex = answer->filterIndex;
        const std::string path = answer->path.toStdString();
        std::string stringId;
        if (KindOf(path) == kStringTableKind) {
            const std::optional<QString> typed = StartIDStep(answer->path);
            if (!typed) return;
            stringId = typed->toStdString();
        }
        CheckDuplicates(list_.AddEntry(path, stringId));
        list_.UpdateListButtons();
        list_.setListSaved(false);
    }
    list_.MovePointerTo(ReturnButton::Add);
    list_.SortList();
}

// String ids are 16-bit: a Start-ID whose table would pass 65535 is refused and asked again.
std::optional<QString> AddCommand::StartIDStep(const QString& path) {
    ListSettings& settings = list_.settings();
    const long long previous = settings.StartID;
    std::optional<QString> typed = list_.prompter().askStartId(QString::number(settings.StartID), settings.Language);
    while (typed) {
        const long long firstId = ParseInteger(typed->toStdString());
        long long lines = 0;
        if (StringIdsFit(firstId, 0)) {
            settings.StartID = firstId;
            lines = static_cast<long long>(CountLines(path.toStdString()));
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
    const QString text = QString::fromStdString(StringIdRangeText(typed.toStdString(), lines)) +
                         QStringLiteral("\rPlease insert a Start-ID from 0 to %1.").arg(highest);
    list_.prompter().message({text, QString::fromUtf8(MainStrings(list_.settings().Language)[53])  /* "Error" */, MsgButtons::Ok,
                              MsgIcon::Error, MsgButton::Ok});
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
