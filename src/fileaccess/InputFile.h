// Reading a file: only regular files are read (a folder, FIFO, socket or device is refused before
// any byte is read), read errors are errors, and whole-file reads take a size limit.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

#include "fileaccess/Result.h"

namespace fileaccess {

inline constexpr std::uint64_t kMiB = 1024 * 1024;

class InputFile {
public:
    // Opens without blocking (a FIFO never hangs here) and checks the type before anything is read.
    static Result<InputFile> Open(const std::string& path) noexcept;

    InputFile(InputFile&& other) noexcept;
    InputFile& operator=(InputFile&& other) noexcept;
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;
    ~InputFile();

    int fd() const { return fd_; }
    std::uint64_t size() const { return size_; }  // when it was opened
    const std::string& path() const { return path_; }

    // Up to `count` bytes from `offset`; fewer only where the file ends.
    Result<std::string> ReadAt(std::uint64_t offset, std::size_t count) const noexcept;
    // The whole file; TooLarge when it holds more than `limit` bytes (nothing is read then).
    Result<std::string> ReadAll(std::uint64_t limit) const noexcept;

private:
    Result<std::size_t> ReadInto(char* data, std::size_t count, std::uint64_t offset) const noexcept;
    InputFile(int fd, std::uint64_t size, std::string path) : fd_(fd), size_(size), path_(std::move(path)) {}

    int fd_ = -1;
    std::uint64_t size_ = 0;
    std::string path_;
};

// Open and ReadAll in one call.
Result<std::string> ReadFile(const std::string& path, std::uint64_t limit) noexcept;

// What a descriptor that is already open (standard input: a pipe, a terminal, a file) gives
// until its end, named `name` in messages; TooLarge past `limit` bytes.
Result<std::string> ReadDescriptor(int fd, const std::string& name, std::uint64_t limit) noexcept;

// A buffered stdio stream over a file opened as Open does, for readers that take a FILE*
// (libjpeg) or read row by row; closed with the pointer.
struct StreamCloser {
    void operator()(std::FILE* file) const noexcept { std::fclose(file); }
};
using InputStream = std::unique_ptr<std::FILE, StreamCloser>;
Result<InputStream> OpenStream(const std::string& path) noexcept;

// "Cannot open file "x": reason" and the other messages, shared with the writer.
std::string Quoted(const std::string& path);
Error SystemError(ErrorKind kind, int code, const std::string& what, const std::string& path);

}  // namespace fileaccess
