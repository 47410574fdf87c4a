// Reading resource files with plain POSIX calls.
#include "SourceFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace rc {

std::optional<SourceFile> SourceFile::Open(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        errno = EISDIR;
        return std::nullopt;
    }
    return SourceFile(fd, static_cast<std::uint64_t>(info.st_size));
}

SourceFile::~SourceFile() {
    if (fd_ >= 0) ::close(fd_);
}

std::string SourceFile::ReadAt(std::uint64_t offset, std::size_t count) const {
    std::string bytes(count, '\0');
    std::size_t done = 0;
    while (done < count) {
        const ssize_t got = ::pread(fd_, bytes.data() + done, count - done, static_cast<off_t>(offset + done));
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        done += static_cast<std::size_t>(got);
    }
    bytes.resize(done);
    return bytes;
}

void SourceFile::ReadAll(std::string& into) const {
    into = ReadAt(0, static_cast<std::size_t>(size_));
    if (into.size() != size_) throw std::runtime_error(std::string("read error: ") + std::strerror(errno ? errno : EIO));
}

}  // namespace rc
