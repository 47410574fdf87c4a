// The module is never unloaded: the players it made may live until the window goes.
#include "preview/MediaLibrary.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "widgets/UiText.h"

namespace restallow {
namespace {

const QString kFileName = QStringLiteral("librestallow_media.so");

QStringList Folders(const QStringList& paths) {
    QStringList folders;
    for (const QString& path : paths) folders << QFileInfo(path).path();
    return folders;
}

}  // namespace

MediaLibrary::MediaLibrary(QStringList candidates, std::function<int()> language)
    : candidates_(candidates.isEmpty() ? DefaultCandidates() : std::move(candidates)), language_(std::move(language)) {}

// Both places lie below the program's own folder or its parent: the installed program finds
// the module in the library folder of its prefix, the build's program (and the tests one folder
// further down) find it where the build put it. No path of the build is compiled in.
QStringList MediaLibrary::DefaultCandidates() {
    const QString dir = QCoreApplication::applicationDirPath();
    return {QDir::cleanPath(dir + QStringLiteral("/" RESTALLOW_MEDIA_FROM_BIN "/") + kFileName),
            QDir::cleanPath(dir + QStringLiteral("/" RESTALLOW_MEDIA_DIR "/") + kFileName)};
}

const media::Module* MediaLibrary::module() {
    if (module_) return module_;
    const int language = language_ ? language_() : 1;
    QStringList problems;
    for (const QString& path : candidates_) {
        if (!QFileInfo(path).isFile()) continue;
        library_.setFileName(path);
        const auto entry = reinterpret_cast<media::EntryPoint>(library_.resolve(media::kEntryPoint));
        if (!entry) {
            problems << library_.errorString();
            continue;
        }
        const media::Module* found = entry();
        if (!found || found->version != media::kModuleVersion) {
            problems << MsgText(language, MsgMediaOtherVersion).arg(path);
            library_.unload();
            continue;
        }
        module_ = found;
        error_.clear();
        return module_;
    }
    if (problems.isEmpty())
        problems << MsgText(language, MsgMediaMissing).arg(kFileName, Folders(candidates_).join(QStringLiteral(", ")));
    error_ = MsgText(language, MsgMediaNotLoaded).arg(problems.join(QStringLiteral("; ")));
    return nullptr;
}

}  // namespace restallow
