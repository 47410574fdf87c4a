// Picture words are 0xAARRGGBB with straight alpha, which is QImage::Format_ARGB32.
#include "preview/PictureImage.h"

namespace restallow {

QImage ToImage(const Picture& picture) {
    if (picture.width <= 0 || picture.height <= 0) return {};
    return QImage(reinterpret_cast<const uchar*>(picture.argb.data()), picture.width, picture.height, picture.width * 4,
                  QImage::Format_ARGB32)
        .copy();
}

}  // namespace restallow
