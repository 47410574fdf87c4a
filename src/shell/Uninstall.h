// Uninstall: the settings and the shortcuts go at once; the program's installed files go at the
// next log-in, through a removal script run once by an autostart entry. A packaged build leaves
// the program's files to the package manager.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "shell/InstallList.h"

namespace restallow {

// True in a build made for a package (the build option RESTALLOW_PACKAGED).
bool PackagedBuild();

struct UninstallRequest {
    QString programFolder;  // where the running program lies; the folder above it is the prefix
    QString settingsFile;
    bool packaged = false;  // only the settings and shortcuts go
};

struct UninstallResult {
    bool done = false;  // settings and shortcuts removed and, unless packaged, the removal set up
    std::optional<InstallListRefusal> refusal;  // the install list was refused: no file is removed
    QString listPath;
};

UninstallResult Uninstall(const UninstallRequest& request);

// The removal script's text. When it runs it checks each path again and leaves alone one with
// "..", one outside `prefix` and one reached through a symlinked folder; it removes the listed
// files, then the folders that became empty below `prefix` (never a root, system or home
// folder), then the autostart entry and itself.
QString RemovalScript(const QStringList& files, const QString& prefix, const QString& entry, const QString& script);

}  // namespace restallow
