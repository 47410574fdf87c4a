// Which file a name or an open descriptor stands for: its device and inode, so that two paths
// (a symlink, a hard link, "./x" and "../d/x") are known to lead to one file.
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>

namespace fileaccess {

struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;

    bool operator==(const FileIdentity&) const = default;
};

// The file that `path` leads to, symlinks followed; none when nothing is there.
std::optional<FileIdentity> IdentityOf(const std::string& path) noexcept;
// The file open as `fd`; none for a closed descriptor.
std::optional<FileIdentity> IdentityOf(int fd) noexcept;

}  // namespace fileaccess
