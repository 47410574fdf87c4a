// The writers build the headers field by field, as the formats lay them out.
#include "ImageFiles.h"

#include <QBuffer>
#include <cstdio>

extern "C" {
#include <jpeglib.h>
}

namespace restallow::test {

std::string Le16(unsigned value) { return {static_cast<char>(value & 0xFF), static_cast<char>((value >> 8) & 0xFF)}; }
std::string Le32(std::uint32_t value) { return Le16(value & 0xFFFF) + Le16(value >> 16); }

namespace {

std::string InfoHeader(int width, int height, int bits, std::size_t colours, std::size_t imageBytes) {
    return Le32(40) + Le32(static_cast<std::uint32_t>(width)) + Le32(static_cast<std::uint32_t>(height)) + Le16(1) +
           Le16(bits) + Le32(0) + Le32(static_cast<std::uint32_t>(imageBytes)) + Le32(2835) + Le32(2835) +
           Le32(static_cast<std::uint32_t>(colours)) + Le32(0);
}

std::string Palette(const std::vector<std::uint32_t>& palette) {
    std::string bytes;
    for (std::uint32_t rgb : palette) bytes += Le32(rgb & 0xFFFFFF);  // blue, green, red, 0
    return bytes;
}

std::string Chunk(const std::string& tag, const std::string& body) {
    return tag + Le32(static_cast<std::uint32_t>(body.size())) + body +
           (body.size() % 2 ? std::string(1, '\0') : std::string());
}

}  // namespace

std::string BmpFile(int width, int height, int bits, const std::vector<std::uint32_t>& palette,
                    const std::string& pixels, std::uint32_t dataOffset) {
    const std::string info = InfoHeader(width, height, bits, palette.size(), pixels.size()) + Palette(palette);
    const std::uint32_t offset = dataOffset ? dataOffset : static_cast<std::uint32_t>(14 + info.size());
    return "BM" + Le32(static_cast<std::uint32_t>(14 + info.size() + pixels.size())) + Le32(0) + Le32(offset) + info +
           pixels;
}

std::string DibImage(int width, int height, int bits, const std::vector<std::uint32_t>& palette,
                     const std::string& xorRows, const std::string& andRows) {
    return InfoHeader(width, height * 2, bits, palette.size(), xorRows.size() + andRows.size()) + Palette(palette) +
           xorRows + andRows;
}

std::string IconFileOf(const std::vector<std::string>& images, bool cursor) {
    std::string directory = Le16(0) + Le16(cursor ? 2 : 1) + Le16(static_cast<unsigned>(images.size()));
    std::string data;
    std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * images.size());
    for (const std::string& image : images) {
        // The directory's own sizes are left wrong on purpose: the image headers decide.
        directory += std::string("\x10\x08\0\0", 4) + Le16(0) + Le16(0) +
                     Le32(static_cast<std::uint32_t>(image.size())) + Le32(offset);
        offset += static_cast<std::uint32_t>(image.size());
        data += image;
    }
    return directory + data;
}

std::string PngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes.toStdString();
}

std::string AnimatedCursorOf(const std::vector<std::string>& frames, std::uint32_t rateJiffies) {
    const std::string anih = Le32(36) + Le32(static_cast<std::uint32_t>(frames.size())) +
                             Le32(static_cast<std::uint32_t>(frames.size())) + Le32(0) + Le32(0) + Le32(0) + Le32(0) +
                             Le32(rateJiffies) + Le32(1);
    std::string list = "fram";
    for (const std::string& frame : frames) list += Chunk("icon", IconFileOf({frame}, true));
    const std::string body = "ACON" + Chunk("anih", anih) + Chunk("LIST", list);
    return "RIFF" + Le32(static_cast<std::uint32_t>(body.size())) + body;
}

std::string CmykJpeg(const std::string& path, int width, int height, const std::uint8_t cmyk[4], bool adobe,
                     bool ycck) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 4;
    info.in_color_space = JCS_CMYK;
    jpeg_set_defaults(&info);
    jpeg_set_colorspace(&info, ycck ? JCS_YCCK : JCS_CMYK);
    info.write_Adobe_marker = adobe ? TRUE : FALSE;
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(static_cast<std::size_t>(width) * 4);
    for (std::size_t i = 0; i < row.size(); ++i) row[i] = cmyk[i % 4];
    while (info.next_scanline < info.image_height) {
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::fclose(file);
    return path;
}

}  // namespace restallow::test
