// The icon lives in the program's resources; desktop entries need it as a file.
#include "shell/AppIcon.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QResource>

#include "fileaccess/OutputFile.h"

static void InitIcon() { Q_INIT_RESOURCE(restallow); }

namespace restallow {
namespace {
constexpr const char* kIconResource = ":/restallow/restallow.png";
}

QIcon AppIcon() {
    InitIcon();
    return QIcon(QString::fromLatin1(kIconResource));
}

QByteArray AppIconPng() {
    InitIcon();
    return QResource(QString::fromLatin1(kIconResource)).uncompressedData();
}

QString AppIconFile(const QString& programDir, const QString& dataFolder) {
    const QString installed = programDir + QStringLiteral("/../share/icons/hicolor/64x64/apps/restallow.png");
    if (QFileInfo(installed).isFile()) return QFileInfo(installed).canonicalFilePath();
    const QString copy = dataFolder + QStringLiteral("/restallow.png");
    if (QFileInfo(copy).isFile()) return copy;
    const QByteArray icon = AppIconPng();
    if (icon.isEmpty() || !QDir().mkpath(dataFolder) || !fileaccess::WriteFile(copy.toStdString(), icon.toStdString()))
        return {};
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    return copy;
}

}  // namespace restallow
