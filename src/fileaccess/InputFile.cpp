// Reading regular files with POSIX calls.
#include "fileaccess/InputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <new>
#include <stdexcept>

namespace fileaccess {
namespace {

constexpr std::size_t kChunk = 1 << 20;

const char* TypeName(mode_t mode) {
    if (S_ISDIR(mode)) return "a folder";
    if (S_ISFIFO(mode)) return "a FIFO (named pipe)";
    if (S_ISSOCK(mode)) return "a socket";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
    return "no regular file";
}

Error OutOfMemory() { return Error{ErrorKind::Memory, ENOMEM, {}}; }

}  // namespace

// Fills `data` with up to `count` bytes from `offset`; fewer only where the file ends.
Result<std::size_t> InputFile::ReadInto(char* data, std::size_t count, std::uint64_t offset) const noexcept {
    std::size_t done = 0;
    while (done < count) {
        const ssize_t got = ::pread(fd_, data + done, count - done, static_cast<off_t>(offset + done));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return SystemError(ErrorKind::Read, errno, "Cannot read file", path_);
        if (got == 0) break;
        done += static_cast<std::size_t>(got);
    }
    return done;
}

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

Error SystemError(ErrorKind kind, int code, const std::string& what, const std::string& path) {
    try {
        return Error{kind, code, what + " " + Quoted(path) + ": " + std::strerror(code)};
    } catch (const std::bad_alloc&) {
        return OutOfMemory();
    }
}

Result<InputFile> InputFile::Open(const std::string& path) noexcept {
    try {
        if (path.empty()) return SystemError(ErrorKind::Open, ENOENT, "Cannot open file", path);
        const auto notRegular = [&path](mode_t mode) {
            return Error{ErrorKind::NotRegular, S_ISDIR(mode) ? EISDIR : EINVAL,
                         "Cannot read " + Quoted(path) + ": it is " + TypeName(mode) + ", not a file"};
        };
        struct stat info {};
        const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd < 0) {
            const int code = errno;  // a socket cannot be opened at all: say what it is
            if (::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) return notRegular(info.st_mode);
            return SystemError(ErrorKind::Open, code, "Cannot open file", path);
        }
        InputFile file(fd, 0, path);
        if (::fstat(fd, &info) != 0) return SystemError(ErrorKind::Open, errno, "Cannot open file", path);
        if (!S_ISREG(info.st_mode)) return notRegular(info.st_mode);
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
        file.size_ = static_cast<std::uint64_t>(info.st_size);
        return file;
    } catch (const std::bad_alloc&) {
        return OutOfMemory();
    }
}

InputFile::InputFile(InputFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), size_(other.size_), path_(std::move(other.path_)) {}

InputFile& InputFile::operator=(InputFile&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = std::exchange(other.fd_, -1);
        size_ = other.size_;
        path_ = std::move(other.path_);
    }
    return *this;
}

InputFile::~InputFile() {
    if (fd_ >= 0) ::close(fd_);
}

Result<std::string> InputFile::ReadAt(std::uint64_t offset, std::size_t count) const noexcept {
    try {
        std::string bytes(count, '\0');
        const Result<std::size_t> done = ReadInto(bytes.data(), count, offset);
        if (!done) return done.error();
        bytes.resize(*done);
        return bytes;
    } catch (const std::bad_alloc&) {
        return OutOfMemory();
    } catch (const std::length_error&) {
        return OutOfMemory();
    }
}

// Reads to the end of the file rather than to the size seen at the open: a file that grows
// meanwhile is still caught by the limit. The bytes go straight into the result, which is
// sized for the file plus one byte, so a file that did not grow is read in one pass.
Result<std::string> InputFile::ReadAll(std::uint64_t limit) const noexcept {
    try {
        const auto tooLarge = [&] {
            return Error{
                ErrorKind::TooLarge, EFBIG,
                "Cannot read file " + Quoted(path_) + ": it is larger than " + std::to_string(limit) + " bytes"};
        };
        if (size_ > limit) return tooLarge();
        const std::uint64_t most = limit < UINT64_MAX ? limit + 1 : limit;  // one more byte shows a larger file
        std::string bytes(static_cast<std::size_t>(std::min<std::uint64_t>(size_ + 1, most)), '\0');
        std::size_t done = 0;
        for (;;) {
            if (done == bytes.size()) {
                if (done > limit) return tooLarge();
                const std::uint64_t grown = std::uint64_t{bytes.size()} + std::max<std::size_t>(bytes.size(), kChunk);
                bytes.resize(static_cast<std::size_t>(std::min(grown, most)));
            }
            const std::size_t wanted = bytes.size() - done;
            const Result<std::size_t> got = ReadInto(bytes.data() + done, wanted, done);
            if (!got) return got.error();
            done += *got;
            if (*got < wanted) break;  // the end of the file
        }
        if (done > limit) return tooLarge();
        bytes.resize(done);
        return bytes;
    } catch (const std::bad_alloc&) {
        return OutOfMemory();
    } catch (const std::length_error&) {
        return OutOfMemory();
    }
}

Result<std::string> ReadFile(const std::string& path, std::uint64_t limit) noexcept {
    Result<InputFile> file = InputFile::Open(path);
    if (!file) return file.error();
    return file->ReadAll(limit);
}

Result<std::string> ReadDescriptor(int fd, const std::string& name, std::uint64_t limit) noexcept {
    try {
        std::string bytes;
        char chunk[1 << 16];
        for (;;) {
            const ssize_t got = ::read(fd, chunk, sizeof chunk);
            if (got < 0 && errno == EINTR) continue;
            if (got < 0) return SystemError(ErrorKind::Read, errno, "Cannot read", name);
            if (got == 0) return bytes;
            if (bytes.size() + static_cast<std::size_t>(got) > limit) {
                return Error{
                    ErrorKind::TooLarge, EFBIG,
                    "Cannot read " + Quoted(name) + ": it gives more than " + std::to_string(limit) + " bytes"};
            }
            bytes.append(chunk, static_cast<std::size_t>(got));
        }
    } catch (const std::bad_alloc&) {
        return OutOfMemory();
    }
}

Result<InputStream> OpenStream(const std::string& path) noexcept {
    Result<InputFile> file = InputFile::Open(path);
    if (!file) return file.error();
    const int fd = ::dup(file->fd());
    std::FILE* stream = fd < 0 ? nullptr : ::fdopen(fd, "rb");
    if (!stream) {
        const int code = errno;
        if (fd >= 0) ::close(fd);
        return SystemError(ErrorKind::Open, code, "Cannot open file", path);
    }
    return InputStream(stream);
}

}  // namespace fileaccess
