#include "app/WindowIcon.h"

#include <QPixmap>
#include <QResource>

#include "preview/PictureImage.h"
#include "preview/PngRows.h"
#include "shell/AppIcon.h"

static void InitResources() { Q_INIT_RESOURCE(restallow); }

namespace restallow {

QIcon WindowIcon() {
    InitResources();
    const QByteArray png = QResource(QStringLiteral(":/restallow/restallow.png")).uncompressedData();
    const std::string_view bytes(png.constData(), static_cast<std::size_t>(png.size()));
    const auto size = ReadPngSize(bytes);
    if (!size) return AppIcon();
    const auto picture = DecodePng(bytes, size->width, size->height);
    if (!picture) return AppIcon();
    return QIcon(QPixmap::fromImage(ToImage(*picture)));
}

}  // namespace restallow
