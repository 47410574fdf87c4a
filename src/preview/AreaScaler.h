// Reduces a picture that arrives one row at a time to a smaller size, each shown pixel the mean
// of the pixels it covers (weighted by their alpha, so soft edges keep no stray colour).
#pragma once

#include <cstdint>
#include <vector>

#include "preview/Picture.h"

namespace restallow {

class AreaScaler {
public:
    // The target is at most as large as the source on each axis (a larger one is clamped).
    AreaScaler(int sourceWidth, int sourceHeight, int targetWidth, int targetHeight);

    // Row y of the source (any order, each once), sourceWidth pixels of 0xAARRGGBB.
    void AddRow(int y, const std::uint32_t* row);
    // Rows first..last-1 all of one colour, at the cost of the target's size rather than theirs.
    void AddUniformRows(int first, int last, std::uint32_t pixel);
    Picture Take();

    // Bytes the scaler itself needs, for the memory ceiling.
    static std::size_t MemoryFor(int sourceWidth, int targetWidth, int targetHeight);

private:
    struct Sum {
        std::uint64_t a = 0, r = 0, g = 0, b = 0;
        std::uint32_t count = 0;
    };
    int sourceWidth_, sourceHeight_, width_, height_;
    std::vector<int> column_;           // target column of each source column
    std::vector<std::uint32_t> spans_;  // source columns in each target column
    std::vector<Sum> sums_;
};

// Nearest-pixel enlargement (or reduction) of a small picture, as Windows stretches an icon.
Picture ScaleNearest(const Picture& picture, int width, int height);

}  // namespace restallow
