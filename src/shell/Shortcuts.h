// Shortcuts to the program as desktop entries in the desktop, start-menu and autostart folders,
// and the uninstall that removes the program's own files at the next log-in.
#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace restallow {

inline constexpr const char* kShortcutName = "Resource Tallowin+ 1.0.desktop";
inline constexpr const char* kRemovalEntry = "Delete ResTallow.desktop";
inline constexpr const char* kRemovalScript = "DelResTa.sh";

struct ShortcutTarget {
    QString target;       // the program to start
    QString icon;         // an image file (a desktop entry's Icon names a file or a theme icon)
    QString description;  // the entry's comment
    QString workingDir;
};

// Desktop, start menu and autostart, in this order.
std::array<QString, 3> ShortcutFolders();
// The "Windows folder": where Delphi.ini is read and the removal script is written.
QString ProgramDataFolder();

// Creates a missing shortcut whose flag is set, deletes an existing one whose flag is clear;
// an existing shortcut is never rewritten. A missing desktop folder is skipped without error.
// Throws FileError("Erreur en écriture.") when an entry cannot be written.
void CreateOrRemoveShortcuts(const std::array<bool, 3>& flags, const ShortcutTarget& target);
void WriteShortcut(const QString& fileName, const ShortcutTarget& target);

// The Exec value for a program path, quoted and escaped as desktop entries require.
QString DesktopExecQuote(const QString& path);
// A shell word that stands for exactly this text.
QString ShellQuote(const QString& text);

// The removal script's text: deletes the listed files, then the folders that became empty below
// `prefix` (never a root, system or home folder), then the autostart entry and itself.
QString RemovalScript(const QStringList& files, const QString& prefix, const QString& entry, const QString& script);

// The install manifest: the prefix ("prefix=...") and then the installed files relative to it,
// one a line. Only entries that stay inside the prefix are removed: an absolute one, one with
// "..", or one reached through a symlinked folder is skipped.
struct ManifestFiles {
    QString prefix;
    QStringList files;    // full paths to remove
    QStringList skipped;  // entries as written in the manifest
};
ManifestFiles ReadManifest(const QStringList& lines);

// Deletes the settings and the shortcuts, writes the removal script and its autostart entry.
// Without a manifest no program file is removed; the manifest entries it will not remove go to
// `skipped`. Returns true when the autostart entry was written.
bool Uninstall(const QString& manifest, const QString& settingsFile, QStringList* skipped = nullptr);
// The message that names the entries Uninstall left alone, one a line.
QString SkippedEntriesText(const QStringList& skipped, int language);
// Start-up: a removal that has not run yet is cancelled.
void CancelPendingUninstall();

}  // namespace restallow
