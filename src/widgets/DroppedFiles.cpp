// Files from a drag: local file URLs only (a web address is no file of the user's).
#include "widgets/DroppedFiles.h"

#include <QMimeData>
#include <QUrl>

namespace restallow {

QStringList DroppedFiles(const QMimeData* data) {
    QStringList files;
    if (!data || !data->hasUrls()) return files;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile() && !url.toLocalFile().isEmpty()) files << url.toLocalFile();
    }
    return files;
}

}  // namespace restallow
