// Points the settings store of this test process at a temporary folder.
#pragma once

#include <QSettings>

#include "support/TempDir.h"

namespace restallow::test {

inline void IsolateSettings(const TempDir& dir) {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path(QStringLiteral("config")));
}

// The settings file the program writes, read back as a test would inspect it.
inline QString StoredValue(const TempDir& dir, const QString& key) {
    QSettings file(dir.path(QStringLiteral("config/Orvel/Resource Tallowin.conf")), QSettings::IniFormat);
    return file.value(key).toString();
}

}  // namespace restallow::test
