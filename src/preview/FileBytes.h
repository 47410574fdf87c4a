// Reading the files the preview shows: whole only up to a limit, or just a range of them.
#pragma once

#include <cstdint>
#include <string>

#include "preview/Picture.h"

namespace restallow {

struct FileContents {
    std::string bytes;
};

// The whole file, refused when it is larger than `limit` bytes.
Decoded<FileContents> ReadFileBytes(const std::string& path, std::size_t limit = kPreviewMemoryCeiling);
// Up to count bytes from offset (fewer at the end of the file; empty when it cannot be read).
std::string ReadFileRange(const std::string& path, std::uint64_t offset, std::size_t count);
// -1 when the file cannot be opened.
std::int64_t FileSizeOf(const std::string& path);

}  // namespace restallow
