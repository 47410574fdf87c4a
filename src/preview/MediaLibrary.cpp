// The module is never unloaded: the players it made may live until the window goes.
#include "preview/MediaLibrary.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace restallow {
namespace {

const QString kFileName = QStringLiteral("librestallow_media.so");

}  // namespace

MediaLibrary::MediaLibrary(QStringList candidates) : candidates_(candidates.isEmpty() ? DefaultCandidates() : std::move(candidates)) {}

QStringList MediaLibrary::DefaultCandidates() {
    QStringList paths{QCoreApplication::applicationDirPath() + u'/' + kFileName};
#ifdef RESTALLOW_MEDIA_BUILD_PATH
    paths << QStringLiteral(RESTALLOW_MEDIA_BUILD_PATH);
#endif
    return paths;
}

const media::Module* MediaLibrary::module() {
    if (module_) return module_;
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
            problems << QStringLiteral("%1 belongs to another version of the program").arg(path);
            library_.unload();
            continue;
        }
        module_ = found;
        error_.clear();
        return module_;
    }
    if (problems.isEmpty()) problems << QStringLiteral("%1 is not beside the program (%2)").arg(kFileName, QCoreApplication::applicationDirPath());
    error_ = QStringLiteral("The media module that plays sounds and AVI clips cannot be loaded: %1.").arg(problems.join(QStringLiteral("; ")));
    return nullptr;
}

}  // namespace restallow
