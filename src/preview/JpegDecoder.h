// JPEG decoding through libjpeg, with a progress report and the decoder's own reduction.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <variant>
#include <vector>

namespace restallow {

struct DecodedJpeg {
    int width = 0, height = 0;                 // of the picture in the file
    int decodedWidth = 0, decodedHeight = 0;   // of the pixels below
    std::vector<std::uint8_t> rgb;             // 3 bytes a pixel, rows without padding
};

// Reads the picture's size only.
std::variant<DecodedJpeg, std::string> ReadJpegSize(const std::string& path);

// Decodes the picture; when it is larger than maxWidth x maxHeight the decoder reduces it by
// the largest of its factors 1/2, 1/4, 1/8 that still leaves it at least that large.
// `progress` receives 0..100 while it decodes. Errors come back as text.
std::variant<DecodedJpeg, std::string> DecodeJpeg(const std::string& path, int maxWidth, int maxHeight,
                                                  const std::function<void(int percent)>& progress = {});

}  // namespace restallow
