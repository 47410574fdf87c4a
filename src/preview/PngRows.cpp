// libpng with its errors turned into values: setjmp only in the functions that call libpng,
// which hold no C++ object across it; buffers are made by their callers.
#include "preview/PngRows.h"

#include <png.h>

#include <csetjmp>
#include <cstring>
#include <memory>
#include <vector>

#include "preview/AreaScaler.h"

namespace restallow {
namespace {

struct Source {
    std::string_view bytes;
    std::size_t at = 0;
    char message[200] = "the PNG picture is damaged";
};

void ReadBytes(png_structp png, png_bytep out, png_size_t count) {
    auto* source = static_cast<Source*>(png_get_io_ptr(png));
    if (count > source->bytes.size() - source->at) png_error(png, "the PNG picture is cut short");
    std::memcpy(out, source->bytes.data() + source->at, count);
    source->at += count;
}

void OnError(png_structp png, png_const_charp message) {
    auto* source = static_cast<Source*>(png_get_error_ptr(png));
    std::snprintf(source->message, sizeof source->message, "PNG: %s", message);
    png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {}

struct Reader {
    png_structp png = nullptr;
    png_infop info = nullptr;
    Source source;
    ~Reader() { png_destroy_read_struct(&png, &info, nullptr); }
};

// Reads the header and sets the transforms to 8-bit BGRA (0xAARRGGBB words); false on error.
bool Start(Reader& r, int& width, int& height, int& passes) {
    r.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &r.source, OnError, OnWarning);
    if (!r.png) return false;
    r.info = png_create_info_struct(r.png);
    if (!r.info) return false;
    if (setjmp(png_jmpbuf(r.png))) return false;
    png_set_read_fn(r.png, &r.source, ReadBytes);
    png_read_info(r.png, r.info);
    width = static_cast<int>(png_get_image_width(r.png, r.info));
    height = static_cast<int>(png_get_image_height(r.png, r.info));
    png_set_expand(r.png);
    png_set_strip_16(r.png);
    png_set_gray_to_rgb(r.png);
    png_set_filler(r.png, 0xFF, PNG_FILLER_AFTER);
    png_set_bgr(r.png);
    passes = png_set_interlace_handling(r.png);
    png_read_update_info(r.png, r.info);
    return true;
}

// Interlaced pictures need every row at once; rows points at height rows of width words.
bool ReadRows(Reader& r, std::uint32_t* pixels, int width, int height, int passes, AreaScaler* scaler) {
    if (setjmp(png_jmpbuf(r.png))) return false;
    for (int pass = 0; pass < passes; ++pass) {
        for (int y = 0; y < height; ++y) {
            std::uint32_t* row =
                passes > 1 ? pixels + static_cast<std::size_t>(y) * static_cast<std::size_t>(width) : pixels;
            png_read_row(r.png, reinterpret_cast<png_bytep>(row), nullptr);
            if (passes == 1 && scaler) scaler->AddRow(y, row);
        }
    }
    return true;
}

}  // namespace

Decoded<PngSize> ReadPngSize(std::string_view png) {
    Reader r;
    r.source.bytes = png;
    PngSize size;
    int passes = 0;
    if (!Start(r, size.width, size.height, passes)) return fileaccess::FormatError(r.source.message);
    return size;
}

Decoded<Picture> DecodePng(std::string_view png, int width, int height) {
    Reader r;
    r.source.bytes = png;
    int w = 0, h = 0, passes = 0;
    if (!Start(r, w, h, passes)) return fileaccess::FormatError(r.source.message);
    if (std::uint64_t(w) * std::uint64_t(h) > kPreviewPixelCeiling) return TooLarge("the PNG picture");
    const bool whole = passes > 1 || w < width || h < height;
    const std::size_t words = whole ? std::size_t(w) * std::size_t(h) : std::size_t(w);
    if (words * 4 + AreaScaler::MemoryFor(w, width, height) > kPreviewMemoryCeiling) return TooLarge("the PNG picture");
    std::vector<std::uint32_t> pixels(words);
    if (whole) {
        if (!ReadRows(r, pixels.data(), w, h, passes, nullptr)) return fileaccess::FormatError(r.source.message);
        Picture full{w, h, std::move(pixels)};
        if (w >= width && h >= height) {
            AreaScaler scaler(w, h, width, height);
            for (int y = 0; y < h; ++y) scaler.AddRow(y, full.argb.data() + std::size_t(y) * std::size_t(w));
            return scaler.Take();
        }
        return ScaleNearest(full, width, height);
    }
    AreaScaler scaler(w, h, width, height);
    if (!ReadRows(r, pixels.data(), w, h, passes, &scaler)) return fileaccess::FormatError(r.source.message);
    return scaler.Take();
}

}  // namespace restallow
