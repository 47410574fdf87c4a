// Desktop entries and the deferred removal.
#include "shell/Shortcuts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>
#include <QStandardPaths>
#include <QTextStream>
#include <algorithm>

#include "resources/TextLines.h"

namespace restallow {
namespace {

QString Home() { return QDir::homePath(); }

QString ConfigHome() { return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation); }

// XDG_DESKTOP_DIR of user-dirs.dirs, else ~/Desktop.
QString DesktopFolder() {
    QFile dirs(ConfigHome() + QStringLiteral("/user-dirs.dirs"));
    if (dirs.open(QIODevice::ReadOnly)) {
        static const QRegularExpression line(QStringLiteral("^XDG_DESKTOP_DIR=\"(.*)\"$"));
        while (!dirs.atEnd()) {
            const auto match = line.match(QString::fromUtf8(dirs.readLine()).trimmed());
            if (match.hasMatch()) return match.captured(1).replace(QStringLiteral("$HOME"), Home());
        }
    }
    return Home() + QStringLiteral("/Desktop");
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
    QSaveFile file(fileName);
    const QByteArray text = QStringLiteral("[Desktop Entry]\nType=Application\nName=Resource Tallowin+\nComment=%1\nExec=%2\nIcon=%3\nPath=%4\nTerminal=false\nCategories=Development;\n")
                                .arg(target.description, DesktopExecQuote(target.target), target.icon, target.workingDir)
                                .toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        throw FileError("Erreur en écriture.");
    }
    QFile::setPermissions(fileName, QFile::permissions(fileName) | QFile::ExeOwner);
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

bool Uninstall(const QString& manifest, const QString& settingsFile) {
    QFile::remove(settingsFile);
    for (const QString& folder : ShortcutFolders()) QFile::remove(folder + u'/' + QString::fromLatin1(kShortcutName));

    QStringList files;
    QString prefix;
    QFile list(manifest);
    if (list.open(QIODevice::ReadOnly)) {
        while (!list.atEnd()) {
            const QString line = QString::fromUtf8(list.readLine()).trimmed();
            if (line.startsWith(QStringLiteral("prefix="))) prefix = QDir::cleanPath(line.mid(7));
            else if (!line.isEmpty() && !prefix.isEmpty()) files << QDir::cleanPath(prefix + u'/' + line);
        }
    }
    const QString folder = ProgramDataFolder();
    // The icon copy the shortcuts point at when the program runs from where it was built.
    if (QFileInfo::exists(folder + QStringLiteral("/restallow.png"))) files << folder + QStringLiteral("/restallow.png");
    const QString autostart = ShortcutFolders()[2];
    const QString script = folder + u'/' + QString::fromLatin1(kRemovalScript);
    const QString entry = autostart + u'/' + QString::fromLatin1(kRemovalEntry);
    QDir().mkpath(folder);
    QSaveFile scriptFile(script);
    const QByteArray text = RemovalScript(files, prefix, entry, script).toUtf8();
    if (!scriptFile.open(QIODevice::WriteOnly) || scriptFile.write(text) != text.size() || !scriptFile.commit()) return false;
    if (!QDir().mkpath(autostart)) return false;
    QSaveFile entryFile(entry);
    const QByteArray desktop = QStringLiteral("[Desktop Entry]\nType=Application\nName=Delete ResTallow\nExec=sh %1\nTerminal=false\nNoDisplay=true\n")
                                   .arg(DesktopExecQuote(script))
                                   .toUtf8();
    return entryFile.open(QIODevice::WriteOnly) && entryFile.write(desktop) == desktop.size() && entryFile.commit();
}

void CancelPendingUninstall() { QFile::remove(ShortcutFolders()[2] + u'/' + QString::fromLatin1(kRemovalEntry)); }

}  // namespace restallow
