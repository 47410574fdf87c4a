// Icon and cursor files (and the frames of animated cursors): the images they hold, the one
// Windows picks for a size, and that image drawn at the size as Windows draws it.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "preview/Picture.h"

namespace restallow {

struct IconEntry {
    int width = 0, height = 0;  // from the image's own header, not from the directory
    int bitCount = 0;           // 32 for PNG images
    bool png = false;
    std::string_view data;
};

struct IconFile {
    bool cursor = false;
    std::vector<IconEntry> images;  // in file order
};

Decoded<IconFile> ReadIconFile(std::string_view file);

// The image closest to size x size without exceeding it (else the smallest larger one); among
// those of that size the display's colour depth, else the deepest below it, else the shallowest.
std::size_t ChooseIconImage(const std::vector<IconEntry>& images, int size, int displayBits);

// The image at width x height. Where its AND mask lets the screen through, a black pixel is
// transparent and any other colour inverts the screen: such pixels get `background` XOR the
// colour, so inverted parts show as they would over that background.
Decoded<Picture> DrawIconImage(const IconEntry& image, int width, int height, std::uint32_t background);

}  // namespace restallow
