// Shortcuts to the program as desktop entries in the desktop, start-menu and autostart folders;
// the cancelling of a removal that Uninstall (shell/Uninstall.h) set up.
#pragma once

#include <QString>
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
// Only the folders `which` names are touched. Throws FileError("Erreur en écriture.") when an
// entry cannot be written.
void CreateOrRemoveShortcuts(const std::array<bool, 3>& flags, const ShortcutTarget& target,
                             const std::array<bool, 3>& which = {true, true, true});
void WriteShortcut(const QString& fileName, const ShortcutTarget& target);

// The Exec value for a program path, quoted and escaped as desktop entries require.
QString DesktopExecQuote(const QString& path);
// A shell word that stands for exactly this text.
QString ShellQuote(const QString& text);

// Start-up: a removal that has not run yet is cancelled.
void CancelPendingUninstall();

}  // namespace restallow
