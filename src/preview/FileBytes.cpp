// The preview's reads, through the file-access part: only regular files are read.
#include "preview/FileBytes.h"

#include "fileaccess/InputFile.h"

namespace restallow {

Decoded<FileContents> ReadFileBytes(const std::string& path, std::size_t limit) {
    const fileaccess::Result<fileaccess::InputFile> file = fileaccess::InputFile::Open(path);
    if (!file) return fileaccess::FormatError("the file cannot be opened", fileaccess::ErrorKind::Open);
    fileaccess::Result<std::string> bytes = file->ReadAll(limit);
    if (!bytes && bytes.error().kind == fileaccess::ErrorKind::TooLarge) return TooLarge("the file");
    if (!bytes) return fileaccess::FormatError("the file cannot be read", fileaccess::ErrorKind::Read);
    return FileContents{std::move(bytes).value()};
}

std::string ReadFileRange(const std::string& path, std::uint64_t offset, std::size_t count) {
    const fileaccess::Result<fileaccess::InputFile> file = fileaccess::InputFile::Open(path);
    if (!file) return {};
    fileaccess::Result<std::string> bytes = file->ReadAt(offset, count);
    return bytes ? std::move(bytes).value() : std::string();
}

std::int64_t FileSizeOf(const std::string& path) {
    const fileaccess::Result<fileaccess::InputFile> file = fileaccess::InputFile::Open(path);
    return file ? static_cast<std::int64_t>(file->size()) : -1;
}

}  // namespace restallow
