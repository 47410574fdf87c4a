// Reads whole text files with POSIX calls. The file is opened without blocking and checked
// before any read, so a FIFO or a terminal named as a script never makes the compiler wait.
#include "FileLoader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace rc {

std::optional<std::string> LoadTextFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR) return std::nullopt;
        throw std::runtime_error(std::strerror(errno));
    }
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat info {};
    if (::fstat(fd, &info) != 0) throw std::runtime_error(std::strerror(errno));
    if (S_ISDIR(info.st_mode)) throw std::runtime_error("it is a folder, not a file");
    if (S_ISFIFO(info.st_mode) || S_ISSOCK(info.st_mode)) throw std::runtime_error("it is a pipe, not a file");
    if (!S_ISREG(info.st_mode)) throw std::runtime_error("it is a device, not a file");
    std::string text(static_cast<std::size_t>(info.st_size), '\0');
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t got = ::read(fd, text.data() + done, text.size() - done);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) throw std::runtime_error(std::string("read error: ") + std::strerror(errno));
        if (got == 0) break;  // the file shrank meanwhile
        done += static_cast<std::size_t>(got);
    }
    text.resize(done);
    return text;
}

}  // namespace rc
