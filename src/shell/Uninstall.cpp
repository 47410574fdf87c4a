// The uninstall and its removal script.
#include "shell/Uninstall.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <algorithm>

#include "fileaccess/OutputFile.h"
#include "shell/Shortcuts.h"

#ifndef RESTALLOW_PACKAGED
#define RESTALLOW_PACKAGED 0
#endif

namespace restallow {
namespace {

bool IsProtectedFolder(const QString& folder) {
    static const QSet<QString> kSystem = {QStringLiteral("/"),
                                          QStringLiteral("/usr"),
                                          QStringLiteral("/usr/local"),
                                          QStringLiteral("/opt"),
                                          QStringLiteral("/home"),
                                          QStringLiteral("/bin"),
                                          QStringLiteral("/usr/bin"),
                                          QStringLiteral("/usr/share"),
                                          QStringLiteral("/usr/local/bin"),
                                          QStringLiteral("/usr/local/share"),
                                          QStringLiteral("/etc"),
                                          QStringLiteral("/var")};
    const QString clean = QDir::cleanPath(folder);
    return clean.isEmpty() || kSystem.contains(clean) || clean == QDir::cleanPath(QDir::homePath()) ||
           clean.count(u'/') < 2;
}

// What the script does before it removes anything: a path is removed only when it lies below
// the prefix, holds no "..", and its folder is where its name says, with no symlink on the way.
const char* const kChecks[] = {
    "physical() { [ \"$(cd -P \"$1\" 2>/dev/null && pwd -P)\" = \"$1\" ]; }",
    "below() {",
    "  case \"$1\" in \"$prefix\"/*) ;; *) return 1 ;; esac",
    "  case \"$1/\" in */../*) return 1 ;; esac",
    "}",
    "remove() { below \"$1\" && physical \"${1%/*}\" && rm -f -- \"$1\"; }",
    "prune() { { [ \"$1\" = \"$prefix\" ] || below \"$1\"; } && physical \"$1\" && rmdir -- \"$1\" 2>/dev/null; }",
};

bool WriteText(const QString& path, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    return fileaccess::WriteFile(path.toStdString(), {bytes.constData(), static_cast<std::size_t>(bytes.size())}).ok();
}

// The settings, the shortcuts and the icon copy they point at when the program runs from where
// it was built.
void RemoveSettingsAndShortcuts(const QString& settingsFile) {
    QFile::remove(settingsFile);
    for (const QString& folder : ShortcutFolders()) QFile::remove(folder + u'/' + QString::fromLatin1(kShortcutName));
    QFile::remove(ProgramDataFolder() + QStringLiteral("/restallow.png"));
}

}  // namespace

bool PackagedBuild() { return RESTALLOW_PACKAGED != 0; }

QString RemovalScript(const QStringList& files, const QString& prefix, const QString& entry, const QString& script) {
    QStringList lines{
        QStringLiteral("#!/bin/sh"),
        QStringLiteral("# Removes Resource Tallowin+ as it was installed; each path is checked again now."),
        QStringLiteral("prefix=") + ShellQuote(prefix)};
    for (const char* check : kChecks) lines << QString::fromLatin1(check);
    QStringList folders;
    for (const QString& file : files) {
        lines << QStringLiteral("remove ") + ShellQuote(file);
        for (QString dir = QFileInfo(file).path(); dir.startsWith(prefix + u'/') && !IsProtectedFolder(dir);
             dir = QFileInfo(dir).path()) {
            if (!folders.contains(dir)) folders << dir;
        }
    }
    if (!IsProtectedFolder(prefix) && !prefix.isEmpty()) folders << prefix;
    // Deepest first; rmdir leaves every folder that still holds something.
    std::sort(folders.begin(), folders.end(),
              [](const QString& a, const QString& b) { return a.count(u'/') > b.count(u'/'); });
    for (const QString& folder : folders) lines << QStringLiteral("prune ") + ShellQuote(folder);
    lines << QStringLiteral("rm -f -- ") + ShellQuote(entry) << QStringLiteral("rm -f -- ") + ShellQuote(script);
    return lines.join(u'\n') + u'\n';
}

UninstallResult Uninstall(const UninstallRequest& request) {
    RemoveSettingsAndShortcuts(request.settingsFile);
    UninstallResult result;
    if (request.packaged) {
        result.done = true;
        return result;
    }
    const QString prefix = InstallPrefix(request.programFolder);
    result.listPath = InstallListPath(prefix);
    const InstallList list = ReadInstallList(result.listPath, prefix);
    if (list.refusal) {
        result.refusal = list.refusal;
        return result;
    }
    const QString folder = ProgramDataFolder();
    const QString script = folder + u'/' + QString::fromLatin1(kRemovalScript);
    const QString entry = ShortcutFolders()[2] + u'/' + QString::fromLatin1(kRemovalEntry);
    if (!QDir().mkpath(folder) || !WriteText(script, RemovalScript(list.files, prefix, entry, script))) return result;
    if (!QDir().mkpath(ShortcutFolders()[2])) return result;
    result.done = WriteText(
        entry,
        QStringLiteral(
            "[Desktop Entry]\nType=Application\nName=Delete ResTallow\nExec=sh %1\nTerminal=false\nNoDisplay=true\n")
            .arg(DesktopExecQuote(script)));
    return result;
}

}  // namespace restallow
