// Bitmap files read from disk row by row and reduced while they are read, so a picture of any
// size is shown within the preview's memory ceiling.
#pragma once

#include <functional>
#include <string>
#include <utility>

#include "preview/Dib.h"

namespace restallow {

// The shown size for a picture of width x height.
using FitSize = std::function<std::pair<int, int>(int width, int height)>;

struct ShownPicture {
    Picture picture;  // at the shown size
    int originalWidth = 0, originalHeight = 0;
};

Decoded<ShownPicture> ReadBmpFile(const std::string& path, const FitSize& fit);

}  // namespace restallow
