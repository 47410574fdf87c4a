// Output files through a temporary in the target's folder.
#include "fileaccess/OutputFile.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/sendfile.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <new>
#include <utility>

#include "fileaccess/InputFile.h"
#include "fileaccess/PendingTemporaries.h"
#include "fileaccess/TemporaryNames.h"

namespace fileaccess {
namespace {

constexpr int kMaxLinks = 40;  // as the kernel's own limit of symlinks in one lookup
constexpr int kNameAttempts = 100;

Error OutOfMemory() { return Error{ErrorKind::Memory, ENOMEM, {}}; }

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a write to `path` lands in: symlinks followed, even a dangling one (its target is made).
Result<std::string> FollowLinks(const std::string& target) {
    std::string path = target;
    for (int hops = 0; hops < kMaxLinks; ++hops) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
        std::string link(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 4096) + 1, '\0');
        const ssize_t length = ::readlink(path.c_str(), link.data(), link.size());
        if (length < 0) return SystemError(ErrorKind::Open, errno, "Cannot create file", target);
        link.resize(static_cast<std::size_t>(length));
        path = link.starts_with('/') ? link : FolderOf(path) + "/" + link;
    }
    return SystemError(ErrorKind::Open, ELOOP, "Cannot create file", target);
}

// Gives the unnamed file `fd` the name `name`: 0, or the errno value.
int Link(int fd, const std::string& name) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) return 0;
    if (errno == EEXIST) return EEXIST;
    // Without /proc; the kernel allows this only to a process that may read any file.
    return ::linkat(fd, "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH) == 0 ? 0 : errno;
}

// A device or FIFO is the destination itself; not waiting for a FIFO's reader.
Result<int> OpenInPlace(const std::string& path, const std::string& target) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        const int code = errno;
        if (code == ENXIO)
            return Error{ErrorKind::Open, code, "Cannot write " + Quoted(target) + ": no program reads from it"};
        return SystemError(ErrorKind::Open, code, "Cannot create file", target);
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

}  // namespace

Result<OutputFile> OutputFile::Create(const std::string& target, Temporary temporary) noexcept {
    try {
        OutputFile out;
        out.target_ = target;
        if (target.empty()) return Error{ErrorKind::Open, ENOENT, "No output file is named"};
        // A device, FIFO or socket is the destination itself, also behind a link of /proc such
        // as /dev/stdout, whose target ("pipe:[1234]") is no path to follow.
        struct stat named {};
        const bool special = ::stat(target.c_str(), &named) == 0 && !S_ISREG(named.st_mode) && !S_ISDIR(named.st_mode);
        Result<std::string> resolved = special ? Result<std::string>(target) : FollowLinks(target);
        if (!resolved) return resolved.error();
        out.final_ = std::move(resolved.value());

        struct stat old {};
        out.existed_ = ::stat(out.final_.c_str(), &old) == 0;
        if (out.existed_ && S_ISDIR(old.st_mode)) {
            return Error{ErrorKind::NotRegular, EISDIR, "Cannot create file " + Quoted(target) + ": it is a folder"};
        }
        if (out.existed_ && !S_ISREG(old.st_mode)) {
            Result<int> fd = OpenInPlace(out.final_, target);
            if (!fd) return fd.error();
            out.fd_ = *fd;
            out.way_ = Way::InPlace;
            return out;
        }
        const std::string folder = FolderOf(out.final_);
        temporaries::RemoveStale(folder);
        if (temporary == Temporary::Named || !out.OpenUnnamed(folder)) {
            const Status named = out.OpenNamed(folder);
            // A folder that takes no new file: a target that can be written is written in place.
            const int code = named ? 0 : named.error().code;
            if (!named && !(out.existed_ && (code == EACCES || code == EPERM) && out.OpenStaged()))
                return named.error();
        }
        if (out.existed_ && out.way_ != Way::Staged) {
            [[maybe_unused]] const int owned = ::fchown(out.fd_, old.st_uid, old.st_gid);  // only where allowed
            if (::fchmod(out.fd_, old.st_mode & 07777) != 0)
                return SystemError(ErrorKind::Open, errno, "Cannot create file", target);
        }
        return out;
    } catch (const std::bad_alloc&) {
        return OutOfMemory();
    }
}

bool OutputFile::OpenUnnamed(const std::string& folder) noexcept {
    if (::access("/proc/self/fd", X_OK) != 0) return false;  // Commit links it in through /proc
    // Mode 0666 at creation: the kernel takes the umask (and a default ACL) off it.
    fd_ = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    way_ = Way::Unnamed;
    return fd_ >= 0;
}

Status OutputFile::OpenNamed(const std::string& folder) noexcept {
    try {
        for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
            temporary_ = temporaries::NewName(folder);
            fd_ = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, 0666);
            if (fd_ >= 0) {
                way_ = Way::Named;
                slot_ = pending::Register(temporary_.c_str());
                return Ok();
            }
            if (errno != EEXIST) break;
        }
        const int code = errno;
        temporary_.clear();
        return SystemError(ErrorKind::Open, code, "Cannot create file", target_);
    } catch (const std::bad_alloc&) {
        temporary_.clear();
        return OutOfMemory();
    }
}

// The whole output waits in an unnamed file of the temporary folder (or in memory) until Commit
// copies it into the target.
bool OutputFile::OpenStaged() noexcept {
    targetFd_ = ::open(final_.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    struct stat info {};
    if (targetFd_ < 0 || ::fstat(targetFd_, &info) != 0 || !S_ISREG(info.st_mode)) return false;
    const char* folder = std::getenv("TMPDIR");
    fd_ = ::open(folder && *folder ? folder : "/tmp", O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (fd_ < 0) fd_ = ::memfd_create("restallow-output", MFD_CLOEXEC);
    way_ = Way::Staged;
    return fd_ >= 0;
}

OutputFile::OutputFile(OutputFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)),
      targetFd_(std::exchange(other.targetFd_, -1)),
      slot_(std::exchange(other.slot_, -1)),
      way_(other.way_),
      existed_(other.existed_),
      target_(std::move(other.target_)),
      final_(std::move(other.final_)),
      temporary_(std::move(other.temporary_)) {
    other.temporary_.clear();
}

OutputFile::~OutputFile() { Discard(); }

void OutputFile::Discard() noexcept {
    if (fd_ >= 0) ::close(fd_);
    if (targetFd_ >= 0) ::close(targetFd_);
    fd_ = targetFd_ = -1;
    if (!temporary_.empty()) ::unlink(temporary_.c_str());
    temporary_.clear();
    pending::Unregister(slot_);
    slot_ = -1;
}

Status OutputFile::Fail(int code) noexcept {
    Discard();
    return SystemError(ErrorKind::Write, code, "Cannot write file", target_);
}

Status OutputFile::Write(std::string_view bytes) noexcept {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd_, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0)
            return SystemError(ErrorKind::Write, written < 0 ? errno : ENOSPC, "Cannot write file", target_);
        done += static_cast<std::size_t>(written);
    }
    return Ok();
}

// A new target gets the unnamed file's first name; an existing one is replaced whole by a rename
// from a name of ours that lives only between the two calls.
Status OutputFile::LinkIn() noexcept {
    try {
        int code = existed_ ? EEXIST : Link(fd_, final_);
        for (int attempt = 0; code == EEXIST && attempt < kNameAttempts; ++attempt) {
            temporary_ = temporaries::NewName(FolderOf(final_));
            code = Link(fd_, temporary_);
        }
        if (code != 0) {
            temporary_.clear();
            return Fail(code);
        }
        if (temporary_.empty()) return Ok();
        slot_ = pending::Register(temporary_.c_str());
        if (std::rename(temporary_.c_str(), final_.c_str()) != 0) return Fail(errno);
        temporary_.clear();
        return Ok();
    } catch (const std::bad_alloc&) {
        return Fail(ENOMEM);
    }
}

Status OutputFile::CopyIn(Sync sync) noexcept {
    const off_t size = ::lseek(fd_, 0, SEEK_END);
    if (size < 0) return Fail(errno);
    for (off_t offset = 0; offset < size;) {
        const ssize_t sent = ::sendfile(targetFd_, fd_, &offset, static_cast<std::size_t>(size - offset));
        if (sent < 0 && errno == EINTR) continue;
        if (sent <= 0) return Fail(sent < 0 ? errno : EIO);
    }
    if (::ftruncate(targetFd_, size) != 0) return Fail(errno);
    if (sync == Sync::ToDisk && ::fsync(targetFd_) != 0) return Fail(errno);
    const int closed = ::close(std::exchange(targetFd_, -1));
    if (closed != 0 && errno != EINTR) return Fail(errno);
    Discard();
    return Ok();
}

Status OutputFile::Commit(Sync sync) noexcept {
    if (fd_ < 0) return Error{ErrorKind::Write, EBADF, "Cannot write file " + Quoted(target_)};
    if (way_ == Way::Staged) return CopyIn(sync);
    // A regular file reaches the disk before it replaces the old one.
    if (way_ != Way::InPlace && sync == Sync::ToDisk && ::fsync(fd_) != 0) return Fail(errno);
    if (way_ == Way::Unnamed) {
        if (Status linked = LinkIn(); !linked) return linked;
    }
    const int closed = ::close(std::exchange(fd_, -1));
    if (closed != 0 && errno != EINTR) return Fail(errno);
    if (way_ == Way::Named && std::rename(temporary_.c_str(), final_.c_str()) != 0) return Fail(errno);
    temporary_.clear();
    Discard();
    return Ok();
}

Status WriteFile(const std::string& target, std::string_view bytes, OutputFile::Temporary temporary) noexcept {
    Result<OutputFile> out = OutputFile::Create(target, temporary);
    if (!out) return out.error();
    if (Status written = out->Write(bytes); !written) return written;
    return out->Commit();
}

}  // namespace fileaccess
