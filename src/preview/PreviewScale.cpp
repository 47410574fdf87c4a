// Preview sizes.
#include "preview/PreviewScale.h"

#include <algorithm>

#include "languages/MainStrings.h"

namespace restallow {

std::optional<PreviewScale> ComputePreviewScale(int width, int height) {
    if (width <= 0 || height <= 0) return std::nullopt;
    PreviewScale scale;
    const double horizontal = std::min(width, 320) / static_cast<double>(width);
    const double vertical = std::min(height, 240) / static_cast<double>(height);
    scale.factor = std::min(horizontal, vertical);
    scale.reduced = width > 320 || height > 240;
    scale.shown = QSize(static_cast<int>(scale.factor * width), static_cast<int>(scale.factor * height));
    scale.client = QSize(std::max(80, scale.shown.width() + 20), std::max(80, scale.shown.height() + 20));
    return scale;
}

QString OriginalSizeText(int width, int height, int language) {
    const MainTable& text = MainStrings(language);
    return QString::fromUtf8(text[UiOriginalSize]) + QString::number(width) + QStringLiteral(" x ") +
           QString::number(height) + QString::fromUtf8(text[UiPixels]);
}

}  // namespace restallow
