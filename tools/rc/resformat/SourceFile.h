// A resource file opened for reading: its size, a few bytes at an offset, or all of it.
#pragma once

#include <cstdint>
#include <string>

#include "fileaccess/InputFile.h"

namespace rc {

class SourceFile {
public:
    // Refuses a folder, FIFO, socket or device with a message; missing() tells a name that is not there.
    static fileaccess::Result<SourceFile> Open(const std::string& path) noexcept;

    int fd() const { return file_.fd(); }
    std::uint64_t size() const { return file_.size(); }
    // Up to `count` bytes from `offset`; fewer at the end of the file. Throws CompileError on a read error.
    std::string ReadAt(std::uint64_t offset, std::size_t count) const;

private:
    explicit SourceFile(fileaccess::InputFile file) : file_(std::move(file)) {}
    fileaccess::InputFile file_;
};

}  // namespace rc
