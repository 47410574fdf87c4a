// Desktop entries and the deferred removal.
#include "shell/Shortcuts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTextStream>

#include "fileaccess/FileError.h"
#include "fileaccess/InputFile.h"
#include "fileaccess/OutputFile.h"

namespace restallow {
namespace {

QString Home() { return QDir::homePath(); }

QString ConfigHome() { return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation); }

constexpr std::uint64_t kSmallFileLimit = 1024 * 1024;

// A small text file through the file-access part; empty when it cannot be read.
QStringList SmallFileLines(const QString& path) {
    const fileaccess::Result<std::string> bytes = fileaccess::ReadFile(path.toStdString(), kSmallFileLimit);
    return bytes ? QString::fromStdString(*bytes).split(u'\n') : QStringList();
}

// Writes a whole file through a temporary beside it; FileError with `failure` when that fails.
void WriteWhole(const QString& path, const QByteArray& bytes, const char* failure) {
    if (!fileaccess::WriteFile(path.toStdString(), {bytes.constData(), static_cast<std::size_t>(bytes.size())})) {
        throw FileError(failure);
    }
}

// XDG_DESKTOP_DIR of user-dirs.dirs, else ~/Desktop.
QString DesktopFolder() {
    static const QRegularExpression pattern(QStringLiteral("^XDG_DESKTOP_DIR=\"(.*)\"$"));
    for (const QString& line : SmallFileLines(ConfigHome() + QStringLiteral("/user-dirs.dirs"))) {
        const auto match = pattern.match(line.trimmed());
        if (match.hasMatch()) return match.captured(1).replace(QStringLiteral("$HOME"), Home());
    }
    return Home() + QStringLiteral("/Desktop");
}

}  // namespace

std::array<QString, 3> ShortcutFolders() {
    return {DesktopFolder(),
            QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/applications"),
            ConfigHome() + QStringLiteral("/autostart")};
}

QString ProgramDataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/restallow");
}

QString DesktopExecQuote(const QString& path) {
    QString inner;
    for (const QChar c : path) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\') inner += u'\\';
        inner += c;
    }
    QString quoted = u'"' + inner + u'"';
    quoted.replace(u'%', QStringLiteral("%%"));
    return quoted.replace(u'\\', QStringLiteral("\\\\"));  // the value's own escaping comes on top
}

QString ShellQuote(const QString& text) {
    QString quoted = text;
    quoted.replace(u'\'', QStringLiteral("'\\''"));
    return u'\'' + quoted + u'\'';
}

void WriteShortcut(const QString& fileName, const ShortcutTarget& target) {
    const QByteArray text =
        QStringLiteral(
            "[Desktop Entry]\nType=Application\nName=Resource "
            "Tallowin+\nComment=%1\nExec=%2\nIcon=%3\nPath=%4\nTerminal=false\nCategories=Development;\n")
            .arg(target.description, DesktopExecQuote(target.target), target.icon, target.workingDir)
            .toUtf8();
    WriteWhole(fileName, text, "Erreur en écriture.");
    QFile::setPermissions(fileName, QFile::permissions(fileName) | QFile::ExeOwner);
}

void CreateOrRemoveShortcuts(const std::array<bool, 3>& flags, const ShortcutTarget& target,
                             const std::array<bool, 3>& which) {
    const std::array<QString, 3> folders = ShortcutFolders();
    for (std::size_t i = 0; i < folders.size(); ++i) {
        if (!which[i]) continue;
        const QString file = folders[i] + u'/' + QString::fromLatin1(kShortcutName);
        const bool exists = QFileInfo::exists(file);
        if (!flags[i]) {
            if (exists) QFile::remove(file);
            continue;
        }
        if (exists) continue;
        // The menu and autostart folders are made when missing; a missing desktop is left alone.
        if (!QFileInfo(folders[i]).isDir() && (i == 0 || !QDir().mkpath(folders[i]))) continue;
        WriteShortcut(file, target);
    }
}

void CancelPendingUninstall() { QFile::remove(ShortcutFolders()[2] + u'/' + QString::fromLatin1(kRemovalEntry)); }

}  // namespace restallow
