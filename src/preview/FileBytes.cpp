// Plain stdio: these readers run for every entry shown and need nothing more.
#include "preview/FileBytes.h"

#include <cstdio>
#include <memory>

namespace restallow {
namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

std::int64_t SizeOf(std::FILE* file) {
    if (std::fseek(file, 0, SEEK_END) != 0) return -1;
    const long size = std::ftell(file);
    std::rewind(file);
    return size;
}

}  // namespace

Decoded<FileContents> ReadFileBytes(const std::string& path, std::size_t limit) {
    const File file(std::fopen(path.c_str(), "rb"));
    if (!file) return fileaccess::FormatError("the file cannot be opened", fileaccess::ErrorKind::Open);
    const std::int64_t size = SizeOf(file.get());
    if (size < 0) return fileaccess::FormatError("the file cannot be read", fileaccess::ErrorKind::Read);
    if (static_cast<std::uint64_t>(size) > limit) return TooLarge("the file");
    std::string bytes(static_cast<std::size_t>(size), '\0');
    if (std::fread(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) return fileaccess::FormatError("the file cannot be read", fileaccess::ErrorKind::Read);
    return FileContents{std::move(bytes)};
}

std::string ReadFileRange(const std::string& path, std::uint64_t offset, std::size_t count) {
    const File file(std::fopen(path.c_str(), "rb"));
    if (!file || std::fseek(file.get(), static_cast<long>(offset), SEEK_SET) != 0) return {};
    std::string bytes(count, '\0');
    bytes.resize(std::fread(bytes.data(), 1, count, file.get()));
    return bytes;
}

std::int64_t FileSizeOf(const std::string& path) {
    const File file(std::fopen(path.c_str(), "rb"));
    return file ? SizeOf(file.get()) : -1;
}

}  // namespace restallow
