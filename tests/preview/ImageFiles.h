// Small writers of picture files for the preview's tests: bitmaps, icons with chosen masks,
// animated cursors and CMYK JPEG pictures, so each test holds exactly the case it pins.
#pragma once

#include <QImage>
#include <cstdint>
#include <string>
#include <vector>

namespace restallow::test {

std::string Le16(unsigned value);
std::string Le32(std::uint32_t value);

// A BMP file header and info header for width x height at bits per pixel, the palette (0xRRGGBB
// words) and the pixel bytes; dataOffset 0 puts the pixels right after the palette.
std::string BmpFile(int width, int height, int bits, const std::vector<std::uint32_t>& palette,
                    const std::string& pixels, std::uint32_t dataOffset = 0);

// An icon (or cursor) file of one DIB image from its header, palette, XOR rows and AND rows.
std::string IconFileOf(const std::vector<std::string>& images, bool cursor);
std::string DibImage(int width, int height, int bits, const std::vector<std::uint32_t>& palette,
                     const std::string& xorRows, const std::string& andRows);
// A PNG held as an icon image, and an animated cursor of such frames at a rate in jiffies.
std::string PngBytes(const QImage& image);
std::string AnimatedCursorOf(const std::vector<std::string>& frames, std::uint32_t rateJiffies);

// A JPEG picture whose every pixel holds these CMYK samples as stored (Adobe's form stores 255
// minus the ink); with `adobe` the file carries the Adobe marker, with `ycck` the YCCK transform.
std::string CmykJpeg(const std::string& path, int width, int height, const std::uint8_t cmyk[4], bool adobe, bool ycck);

}  // namespace restallow::test
