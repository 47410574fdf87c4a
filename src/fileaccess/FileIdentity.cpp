// File identities from stat and fstat.
#include "fileaccess/FileIdentity.h"

#include <sys/stat.h>

namespace fileaccess {

std::optional<FileIdentity> IdentityOf(const std::string& path) noexcept {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return std::nullopt;
    return FileIdentity{info.st_dev, info.st_ino};
}

std::optional<FileIdentity> IdentityOf(int fd) noexcept {
    struct stat info {};
    if (::fstat(fd, &info) != 0) return std::nullopt;
    return FileIdentity{info.st_dev, info.st_ino};
}

}  // namespace fileaccess
