// A resource file opened for reading: its size, a few bytes at an offset, or all of it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace rc {

class SourceFile {
public:
    // Nothing when the path names no readable regular file.
    static std::optional<SourceFile> Open(const std::string& path);
    SourceFile(SourceFile&& other) noexcept : fd_(other.fd_), size_(other.size_) { other.fd_ = -1; }
    SourceFile(const SourceFile&) = delete;
    ~SourceFile();

    int fd() const { return fd_; }
    std::uint64_t size() const { return size_; }
    // Up to `count` bytes from `offset`; fewer at the end of the file.
    std::string ReadAt(std::uint64_t offset, std::size_t count) const;
    // Throws std::runtime_error when the file cannot be read.
    void ReadAll(std::string& into) const;

private:
    SourceFile(int fd, std::uint64_t size) : fd_(fd), size_(size) {}
    int fd_;
    std::uint64_t size_;
};

}  // namespace rc
