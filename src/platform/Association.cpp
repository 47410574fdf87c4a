// Association lookup through the desktop's MIME defaults (xdg-mime) and the desktop entry's Exec.
#include "platform/Association.h"

#include "fileaccess/InputFile.h"

#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>

#include "platform/CommandLine.h"

namespace restallow::platform {

QString AssociatedProgram(const QString& document) {
    const QString mime = QMimeDatabase().mimeTypeForFile(document).name();
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (mime.isEmpty() || xdgMime.isEmpty()) return {};
    QProcess query;
    query.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"), mime});
    if (!query.waitForFinished(5000)) return {};
    const QString entry = QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed();
    const QString path = QStandardPaths::locate(QStandardPaths::ApplicationsLocation, entry);
    if (entry.isEmpty()) return {};
    const fileaccess::Result<std::string> text = fileaccess::ReadFile(path.toStdString(), 1024 * 1024);
    if (!text) return {};
    for (const QString& raw : QString::fromStdString(*text).split(u'\n')) {
        const QString line = raw.trimmed();
        if (!line.startsWith(QStringLiteral("Exec="))) continue;
        const auto words = SplitCommandLine(line.mid(5).toStdString());
        return words.empty() ? QString() : QStandardPaths::findExecutable(QString::fromStdString(words.front()));
    }
    return {};
}

}  // namespace restallow::platform
