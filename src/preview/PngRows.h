// PNG pictures held in memory (icon images, animated-cursor frames), reduced while libpng hands
// over their rows, so a frame of any size costs only a row of memory.
#pragma once

#include <string_view>

#include "preview/Picture.h"

namespace restallow {

struct PngSize {
    int width = 0, height = 0;
};

// The size from the header alone.
Decoded<PngSize> ReadPngSize(std::string_view png);
// The picture at width x height: reduced by area, or enlarged pixel by pixel when smaller.
Decoded<Picture> DecodePng(std::string_view png, int width, int height);

}  // namespace restallow
