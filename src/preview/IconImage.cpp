// ICO and CUR directories, DIB images with their AND masks, and PNG images through PngRows.
#include "preview/IconImage.h"

#include <algorithm>
#include <cstdlib>

#include "byteformat/IconDirectory.h"
#include "preview/AreaScaler.h"
#include "preview/Dib.h"
#include "preview/PngRows.h"

namespace restallow {
namespace {

constexpr std::string_view kPngSignature("\x89PNG\r\n\x1a\n", 8);

bool ReadEntry(std::string_view data, IconEntry& entry) {
    entry.data = data;
    if (data.substr(0, 8) == kPngSignature) {
        const auto size = ReadPngSize(data);
        if (!size) return false;
        entry = {size->width, size->height, 32, true, data};
        return true;
    }
    const auto format = ReadDibHeader(data, true);
    if (!format) return false;
    const DibFormat& f = *format;
    if (f.compression != DibFormat::Rgb && f.compression != DibFormat::BitFields) return false;
    entry = {f.width, f.height, f.bitCount, false, data};
    return true;
}

// Rows of the image's colours and mask, combined as the screen would show them.
template <typename Row>
fileaccess::Status DibRows(const IconEntry& image, std::uint32_t background, Row row) {
    const Decoded<DibFormat> header = ReadDibHeader(image.data, true);
    if (!header) return header.error();
    const DibFormat& f = *header;
    const std::size_t stride = f.Stride(), maskStride = ((std::size_t(f.width) + 31) / 32) * 4;
    const std::size_t colours = f.headerBytes, mask = colours + stride * std::size_t(f.height);
    if (mask > image.data.size()) return fileaccess::FormatError("the icon image is cut short");
    const bool hasMask = mask + maskStride * std::size_t(f.height) <= image.data.size();
    if (!hasMask && f.bitCount != 32) return fileaccess::FormatError("the icon image's mask is cut short");
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(image.data.data());
    // A 32-bit image with any alpha draws by its alpha; without, by its mask, as Windows does.
    bool alpha = false;
    for (std::size_t y = 0; y < std::size_t(f.height) && f.bitCount == 32 && !alpha; ++y) {
        for (std::size_t x = 0; x < std::size_t(f.width) && !alpha; ++x)
            alpha = bytes[colours + y * stride + x * 4 + 3] != 0;
    }
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(f.width));
    for (int i = 0; i < f.height; ++i) {
        const int y = f.topDown ? i : f.height - 1 - i;
        DecodeDibRow(f, bytes + colours + stride * std::size_t(i), pixels.data());
        for (std::size_t x = 0; x < pixels.size(); ++x) {
            std::uint32_t& pixel = pixels[x];
            if (alpha) continue;
            const bool screen = hasMask && (bytes[mask + maskStride * std::size_t(i) + x / 8] >> (7 - x % 8)) & 1;
            const std::uint32_t colour = pixel & 0xFFFFFF;
            if (!screen)
                pixel = 0xFF000000u | colour;
            else
                pixel = colour == 0 ? 0 : 0xFF000000u | ((background ^ colour) & 0xFFFFFF);
        }
        row(y, pixels.data());
    }
    return fileaccess::Ok();
}

}  // namespace

Decoded<IconFile> ReadIconFile(std::string_view file) {
    const auto directory = byteformat::ReadIconDirectory(file);
    if (!directory && directory.fault() == byteformat::IconDirectoryFault::EntriesCutShort) {
        return fileaccess::FormatError("the icon directory is cut short");
    }
    if (!directory)
        return fileaccess::FormatError("not an icon or cursor (no icon directory)", fileaccess::ErrorKind::Signature);
    IconFile icon;
    icon.cursor = directory->cursor();
    for (const byteformat::IconDirectoryEntry& entry : directory->entries) {
        if (!entry.inside) continue;  // an image outside the file is passed over
        IconEntry image;
        if (ReadEntry(entry.bytes, image)) icon.images.push_back(image);
    }
    if (icon.images.empty()) {
        return fileaccess::FormatError(directory->entries.empty() ? "the icon holds no images"
                                                                  : "the icon holds no image that can be read");
    }
    return icon;
}

std::size_t ChooseIconImage(const std::vector<IconEntry>& images, int size, int displayBits) {
    const auto area = [](const IconEntry& e) { return std::int64_t{e.width} * e.height; };
    const auto fits = [&](const IconEntry& e) { return e.width <= size && e.height <= size; };
    std::size_t best = 0;
    for (std::size_t i = 1; i < images.size(); ++i) {
        const IconEntry &e = images[i], &b = images[best];
        const bool better = fits(e) != fits(b) ? fits(e) : fits(e) ? area(e) > area(b) : area(e) < area(b);
        if (better) best = i;
    }
    const auto depthRank = [&](int bits) {
        if (bits == displayBits) return 3 * 64;
        if (bits < displayBits) return 2 * 64 + bits;
        return 64 - bits;
    };
    std::size_t chosen = best;
    for (std::size_t i = 0; i < images.size(); ++i) {
        const IconEntry& e = images[i];
        if (e.width != images[best].width || e.height != images[best].height) continue;
        if (depthRank(e.bitCount) > depthRank(images[chosen].bitCount)) chosen = i;
        if (i < chosen && depthRank(e.bitCount) == depthRank(images[chosen].bitCount)) chosen = i;
    }
    return chosen;
}

Decoded<Picture> DrawIconImage(const IconEntry& image, int width, int height, std::uint32_t background) {
    if (image.png) return DecodePng(image.data, width, height);
    if (image.width >= width && image.height >= height) {
        if (std::size_t(image.width) * 8 + AreaScaler::MemoryFor(image.width, width, height) > kPreviewMemoryCeiling) {
            return TooLarge("the icon image");
        }
        AreaScaler scaler(image.width, image.height, width, height);
        const fileaccess::Status rows =
            DibRows(image, background, [&](int y, const std::uint32_t* row) { scaler.AddRow(y, row); });
        if (!rows) return rows.error();
        return scaler.Take();
    }
    // Smaller than drawn on one side at least: whole, then stretched.
    if (std::size_t(image.width) * std::size_t(image.height) * 4 > kPreviewMemoryCeiling)
        return TooLarge("the icon image");
    Picture full{image.width, image.height,
                 std::vector<std::uint32_t>(std::size_t(image.width) * std::size_t(image.height))};
    const fileaccess::Status rows = DibRows(image, background, [&](int y, const std::uint32_t* row) {
        std::copy(row, row + full.width, full.argb.begin() + std::ptrdiff_t(y) * full.width);
    });
    if (!rows) return rows.error();
    return ScaleNearest(full, width, height);
}

}  // namespace restallow
