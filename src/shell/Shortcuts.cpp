// Desktop entries and the deferred removal.
#include "shell/Shortcuts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTextStream>
#include <algorithm>

#include "fileaccess/FileError.h"
#include "fileaccess/InputFile.h"
#include "fileaccess/OutputFile.h"
#include "widgets/UiText.h"

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

// True when a folder between `prefix` (exclusive) and `path` is a symlink: removing through it
// would reach files outside the prefix.
bool PassesASymlink(const QString& prefix, const QString& path) {
    for (QString dir = QFileInfo(path).path(); dir.size() > prefix.size(); dir = QFileInfo(dir).path()) {
        if (QFileInfo(dir).isSymLink()) return true;
    }
    return false;
}

bool IsProtectedFolder(const QString& folder) {
    static const QSet<QString> kSystem = {QStringLiteral("/"), QStringLiteral("/usr"), QStringLiteral("/usr/local"),
                                          QStringLiteral("/opt"), QStringLiteral("/home"), QStringLiteral("/bin"),
                                          QStringLiteral("/usr/bin"), QStringLiteral("/usr/share"), QStringLiteral("/usr/local/bin"),
                                          QStringLiteral("/usr/local/share"), QStringLiteral("/etc"), QStringLiteral("/var")};
    const QString clean = QDir::cleanPath(folder);
    return clean.isEmpty() || kSystem.contains(clean) || clean == QDir::cleanPath(Home()) || clean.count(u'/') < 2;
}

}  // namespace

std::array<QString, 3> ShortcutFolders() {
    return {DesktopFolder(), QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/applications"),
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
    const QByteArray text = QStringLiteral("[Desktop Entry]\nType=Application\nName=Resource Tallowin+\nComment=%1\nExec=%2\nIcon=%3\nPath=%4\nTerminal=false\nCategories=Development;\n")
                                .arg(target.description, DesktopExecQuote(target.target), target.icon, target.workingDir)
                                .toUtf8();
    WriteWhole(fileName, text, "Erreur en écriture.");
    QFile::setPermissions(fileName, QFile::permissions(fileName) | QFile::ExeOwner);
}

ManifestFiles ReadManifest(const QStringList& lines) {
    ManifestFiles manifest;
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        if (line.startsWith(QStringLiteral("prefix="))) {
            manifest.prefix = QDir::cleanPath(line.mid(7));
            continue;
        }
        if (line.isEmpty()) continue;
        const QString file = QDir::cleanPath(manifest.prefix + u'/' + line);
        const bool inside = QDir::isAbsolutePath(manifest.prefix) && !QDir::isAbsolutePath(line) &&
                            !line.split(u'/').contains(QStringLiteral("..")) && file.startsWith(manifest.prefix + u'/');
        if (inside && !PassesASymlink(manifest.prefix, file)) manifest.files << file;
        else manifest.skipped << line;
    }
    return manifest;
}

void CreateOrRemoveShortcuts(const std::array<bool, 3>& flags, const ShortcutTarget& target) {
    const std::array<QString, 3> folders = ShortcutFolders();
    for (std::size_t i = 0; i < folders.size(); ++i) {
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

QString RemovalScript(const QStringList& files, const QString& prefix, const QString& entry, const QString& script) {
    QStringList lines{QStringLiteral("#!/bin/sh"), QStringLiteral("# Removes Resource Tallowin+ as it was installed.")};
    QStringList folders;
    for (const QString& file : files) {
        lines << QStringLiteral("rm -f -- ") + ShellQuote(file);
        for (QString dir = QFileInfo(file).path(); dir.startsWith(prefix + u'/') && !IsProtectedFolder(dir);
             dir = QFileInfo(dir).path()) {
            if (!folders.contains(dir)) folders << dir;
        }
    }
    if (!IsProtectedFolder(prefix) && !prefix.isEmpty()) folders << prefix;
    // Deepest first; rmdir leaves every folder that still holds something.
    std::sort(folders.begin(), folders.end(), [](const QString& a, const QString& b) { return a.count(u'/') > b.count(u'/'); });
    for (const QString& folder : folders) lines << QStringLiteral("rmdir -- ") + ShellQuote(folder) + QStringLiteral(" 2>/dev/null");
    lines << QStringLiteral("rm -f -- ") + ShellQuote(entry) << QStringLiteral("rm -f -- ") + ShellQuote(script);
    return lines.join(u'\n') + u'\n';
}

bool Uninstall(const QString& manifestFile, const QString& settingsFile, QStringList* skipped) {
    QFile::remove(settingsFile);
    for (const QString& folder : ShortcutFolders()) QFile::remove(folder + u'/' + QString::fromLatin1(kShortcutName));

    const ManifestFiles manifest = ReadManifest(SmallFileLines(manifestFile));
    if (skipped) *skipped = manifest.skipped;
    const QString folder = ProgramDataFolder();
    // The icon copy the shortcuts point at when the program runs from where it was built goes
    // with the shortcuts, at once.
    QFile::remove(folder + QStringLiteral("/restallow.png"));
    const QString autostart = ShortcutFolders()[2];
    const QString script = folder + u'/' + QString::fromLatin1(kRemovalScript);
    const QString entry = autostart + u'/' + QString::fromLatin1(kRemovalEntry);
    QDir().mkpath(folder);
    const QByteArray text = RemovalScript(manifest.files, manifest.prefix, entry, script).toUtf8();
    if (!fileaccess::WriteFile(script.toStdString(), {text.constData(), static_cast<std::size_t>(text.size())})) return false;
    if (!QDir().mkpath(autostart)) return false;
    const QByteArray desktop = QStringLiteral("[Desktop Entry]\nType=Application\nName=Delete ResTallow\nExec=sh %1\nTerminal=false\nNoDisplay=true\n")
                                   .arg(DesktopExecQuote(script))
                                   .toUtf8();
    return fileaccess::WriteFile(entry.toStdString(), {desktop.constData(), static_cast<std::size_t>(desktop.size())}).ok();
}

QString SkippedEntriesText(const QStringList& skipped, int language) {
    return MsgText(language, MsgInstallListOutside) + u'\r' + skipped.join(u'\r');
}

void CancelPendingUninstall() { QFile::remove(ShortcutFolders()[2] + u'/' + QString::fromLatin1(kRemovalEntry)); }

}  // namespace restallow
