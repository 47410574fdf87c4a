// JPEG decoding through libjpeg, with a progress report, the decoder's own reduction and rows
// reduced to the shown size as they come; CMYK and YCCK pictures are turned into RGB.
#pragma once

#include <functional>
#include <string>

#include "preview/Picture.h"

namespace restallow {

struct DecodedJpeg {
    int width = 0, height = 0;  // of the picture in the file
    Picture picture;            // at the size asked for (empty when only the size was read)
};

// Reads the picture's size only.
Decoded<DecodedJpeg> ReadJpegSize(const std::string& path);

// Decodes the picture at width x height (at most its own size): libjpeg reduces it by the
// largest of its factors 1/2, 1/4, 1/8 that leaves it at least that large, the rest is averaged.
// `progress` receives 0..100 while it decodes. libjpeg's memory is held to the preview's
// ceiling. Errors come back as text.
Decoded<DecodedJpeg> DecodeJpeg(const std::string& path, int width, int height,
                                const std::function<void(int percent)>& progress = {});

// One row of CMYK samples (4 bytes a pixel) into 0xFFRRGGBB; `inverted` for Adobe's form, in
// which 0 is full ink.
void CmykToRgb(const std::uint8_t* cmyk, int count, bool inverted, std::uint32_t* out);

}  // namespace restallow
