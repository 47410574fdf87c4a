// The file header, checks of where the pixels lie, and the rows: uncompressed or RLE.
#include "preview/BmpFile.h"

#include <cstdio>
#include <memory>

#include "byteformat/ByteReader.h"
#include "fileaccess/InputFile.h"
#include "preview/AreaScaler.h"

namespace restallow {
namespace {

// Run-length rows, bottom-up: every pixel a code does not set keeps palette index 0, and rows
// that no code touches are added as one block.
fileaccess::Status ReadRle(std::FILE* file, const DibFormat& f, AreaScaler& scaler) {
    const std::uint32_t blank = f.palette.empty() ? 0xFF000000u : f.palette[0];
    std::vector<std::uint8_t> indexes(static_cast<std::size_t>(f.width), 0);
    std::vector<std::uint32_t> row(static_cast<std::size_t>(f.width));
    int x = 0, y = 0;  // y counts rows from the bottom
    const auto emit = [&] {
        for (std::size_t i = 0; i < indexes.size(); ++i)
            row[i] = indexes[i] < f.palette.size() ? f.palette[indexes[i]] : 0xFF000000u;
        scaler.AddRow(f.height - 1 - y, row.data());
        std::fill(indexes.begin(), indexes.end(), 0);
        ++y;
        x = 0;
    };
    const auto skipRows = [&](int count) {  // blank rows below the ones still to come
        const int rows = std::min(count, f.height - y);
        scaler.AddUniformRows(f.height - y - rows, f.height - y, blank);
        y += rows;
    };
    const bool four = f.compression == DibFormat::Rle4;
    const auto put = [&](int value) {
        if (x < f.width) indexes[static_cast<std::size_t>(x)] = static_cast<std::uint8_t>(value);
        ++x;
    };
    while (y < f.height) {
        const int count = std::fgetc(file), value = std::fgetc(file);
        if (value == EOF) return fileaccess::FormatError("the bitmap's compressed pixels end early");
        if (count > 0) {
            for (int i = 0; i < count && x < f.width; ++i) put(four ? ((i & 1) ? value & 0x0F : value >> 4) : value);
        } else if (value == 0) {
            emit();
        } else if (value == 1) {
            emit();
            skipRows(f.height);
        } else if (value == 2) {
            const int dx = std::fgetc(file), dy = std::fgetc(file);
            if (dy == EOF) return fileaccess::FormatError("the bitmap's compressed pixels end early");
            if (dy > 0) {
                const int keep = x;
                emit();
                skipRows(dy - 1);
                x = keep;
            }
            x += dx;
        } else {
            int packed = 0;
            for (int i = 0; i < value; ++i) {
                if (!four || (i & 1) == 0) packed = std::fgetc(file);
                if (packed == EOF) return fileaccess::FormatError("the bitmap's compressed pixels end early");
                put(four ? ((i & 1) ? packed & 0x0F : packed >> 4) : packed);
            }
            const int bytes = four ? (value + 1) / 2 : value;
            if (bytes & 1) std::fgetc(file);  // runs of literals end on a 16-bit boundary
        }
    }
    return fileaccess::Ok();
}

fileaccess::Status ReadRows(std::FILE* file, const DibFormat& f, AreaScaler& scaler) {
    std::vector<std::uint8_t> raw(f.Stride());
    std::vector<std::uint32_t> row(static_cast<std::size_t>(f.width));
    for (int i = 0; i < f.height; ++i) {
        if (std::fread(raw.data(), 1, raw.size(), file) != raw.size())
            return fileaccess::FormatError("the bitmap's pixel data is cut short");
        DecodeDibRow(f, raw.data(), row.data());
        scaler.AddRow(f.topDown ? i : f.height - 1 - i, row.data());
    }
    return fileaccess::Ok();
}

}  // namespace

Decoded<ShownPicture> ReadBmpFile(const std::string& path, const FitSize& fit) {
    const fileaccess::Result<fileaccess::InputStream> opened = fileaccess::OpenStream(path);
    if (!opened) return fileaccess::FormatError("the bitmap cannot be opened", fileaccess::ErrorKind::Open);
    const fileaccess::InputStream& file = *opened;
    std::fseek(file.get(), 0, SEEK_END);
    const long fileSize = std::ftell(file.get());
    std::rewind(file.get());
    char head[14];
    if (std::fread(head, 1, 14, file.get()) != 14 || head[0] != 'B' || head[1] != 'M')
        return fileaccess::FormatError("not a bitmap (no BM header)", fileaccess::ErrorKind::Signature);
    const std::uint32_t offset = byteformat::ReadU32(std::string_view(head, sizeof head), 10);
    // The info header, its masks and palette lie between the file header and the pixels.
    std::string info(std::min<std::size_t>(std::max<std::uint32_t>(offset, 14) - 14, 64 * 1024), '\0');
    info.resize(std::fread(info.data(), 1, info.size(), file.get()));
    const auto read = ReadDibHeader(info, false);
    if (!read) return read.error();
    const DibFormat& f = *read;
    if (offset < 14 + f.headerBytes || offset >= static_cast<unsigned long>(fileSize)) {
        return fileaccess::FormatError("the bitmap's pixel data offset lies outside the file");
    }
    const bool compressed = f.compression == DibFormat::Rle4 || f.compression == DibFormat::Rle8;
    if (!compressed && f.Stride() * static_cast<std::size_t>(f.height) > static_cast<std::size_t>(fileSize) - offset) {
        return fileaccess::FormatError("the bitmap's pixel data runs past the end of the file");
    }
    if (compressed && std::uint64_t(f.width) * std::uint64_t(f.height) > kPreviewPixelCeiling)
        return TooLarge("the bitmap");
    const auto [width, height] = fit(f.width, f.height);
    if (width <= 0 || height <= 0) return fileaccess::FormatError("the picture has no width or height");
    if (f.Stride() + std::size_t(f.width) * 5 + AreaScaler::MemoryFor(f.width, width, height) > kPreviewMemoryCeiling) {
        return TooLarge("the bitmap");
    }
    AreaScaler scaler(f.width, f.height, width, height);
    std::fseek(file.get(), static_cast<long>(offset), SEEK_SET);
    const fileaccess::Status rows = compressed ? ReadRle(file.get(), f, scaler) : ReadRows(file.get(), f, scaler);
    if (!rows) return rows.error();
    return ShownPicture{scaler.Take(), f.width, f.height};
}

}  // namespace restallow
