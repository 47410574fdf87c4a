// The sizes of the preview: the reduction of large pictures, the original-size text, the client area.
#pragma once

#include <QSize>
#include <QString>
#include <optional>

namespace restallow {

struct PreviewScale {
    double factor = 1.0;
    QSize shown;           // the picture's size after the reduction, truncated
    QSize client;          // the window's client area for it
    bool reduced = false;  // larger than 320 x 240: the caption tells the original size
};

// Pictures fit into 320 x 240 with their proportions kept; the client area has 10 pixels of
// panel on each side and is at least 80 x 80. A zero width or height is an error (nothing).
std::optional<PreviewScale> ComputePreviewScale(int width, int height);
// "   Original Size: 640 x 480 pixels" in the given language.
QString OriginalSizeText(int width, int height, int language);

}  // namespace restallow
