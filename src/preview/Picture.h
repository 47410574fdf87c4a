// A decoded picture at the size it is shown, and the limits every reader of the preview keeps.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fileaccess/Result.h"

namespace restallow {

// No reader holds more than this in pixels or file bytes at once, whatever the file says;
// a file that would need more is refused with a message instead.
inline constexpr std::size_t kPreviewMemoryCeiling = 64u << 20;

// Pictures whose pixels come from few bytes (run-length bitmaps, PNG images) are refused beyond
// this many pixels, so no small file can keep the window busy for long.
inline constexpr std::uint64_t kPreviewPixelCeiling = std::uint64_t{1} << 28;

struct Picture {
    int width = 0, height = 0;
    std::vector<std::uint32_t> argb;  // 0xAARRGGBB, straight alpha, rows top-down
};

// The result, or what is wrong with the file: of kind Signature when it is not of the format at
// all, TooLarge past the ceilings above, Open or Read when it cannot be read, else Format.
template <typename T>
using Decoded = fileaccess::Result<T>;

// "<what> is too large to be previewed (...)", of kind TooLarge.
fileaccess::Error TooLarge(const char* what);

}  // namespace restallow
