// The application's icon: for the windows, and as a file for the desktop entries.
#pragma once

#include <QByteArray>
#include <QIcon>
#include <QString>

namespace restallow {

QIcon AppIcon();
// The icon's PNG bytes from the program's resources.
QByteArray AppIconPng();
// The installed icon beside the program (PREFIX/share/icons/...), else a copy of the built-in
// one in the program's data folder; empty when neither exists nor can be written.
QString AppIconFile(const QString& programDir, const QString& dataFolder);

}  // namespace restallow
