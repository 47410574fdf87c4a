#include "app/WindowIcon.h"

#include <QPixmap>

#include "preview/PictureImage.h"
#include "preview/PngRows.h"
#include "shell/AppIcon.h"

namespace restallow {

QIcon WindowIcon() {
    const QByteArray png = AppIconPng();
    const std::string_view bytes(png.constData(), static_cast<std::size_t>(png.size()));
    const auto size = ReadPngSize(bytes);
    if (!size) return AppIcon();
    const auto picture = DecodePng(bytes, size->width, size->height);
    if (!picture) return AppIcon();
    return QIcon(QPixmap::fromImage(ToImage(*picture)));
}

}  // namespace restallow
