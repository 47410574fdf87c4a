// Output files through a temporary beside the target.
#include "fileaccess/OutputFile.h"

#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <new>

#include "fileaccess/InputFile.h"
#include "fileaccess/PendingTemporaries.h"

namespace fileaccess {
namespace {

constexpr int kMaxLinks = 40;  // as the kernel's own limit of symlinks in one lookup

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

std::string RandomSuffix() {
    static constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    unsigned char noise[6] = {};
    if (::getrandom(noise, sizeof noise, 0) != static_cast<ssize_t>(sizeof noise)) {
        const auto seed = static_cast<unsigned>(::getpid()) ^ static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(&noise));
        for (std::size_t i = 0; i < sizeof noise; ++i) noise[i] = static_cast<unsigned char>(seed >> (i * 5));
    }
    std::string suffix;
    for (unsigned char byte : noise) suffix += kLetters[byte % (sizeof kLetters - 1)];
    return suffix;
}

}  // namespace

// A device or FIFO is written where it is; not waiting for a FIFO's reader.
Result<OutputFile> OutputFile::InPlace(OutputFile& out, const std::string& path) {
    out.fd_ = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (out.fd_ < 0) {
        const int code = errno;
        if (code == ENXIO) return Error{ErrorKind::Open, code, "Cannot write " + Quoted(out.target_) + ": no program reads from it"};
        return SystemError(ErrorKind::Open, code, "Cannot create file", out.target_);
    }
    ::fcntl(out.fd_, F_SETFL, ::fcntl(out.fd_, F_GETFL) & ~O_NONBLOCK);
    return std::move(out);
}

Result<OutputFile> OutputFile::Create(const std::string& target) noexcept {
    try {
        OutputFile out;
        out.target_ = target;
        if (target.empty()) return Error{ErrorKind::Open, ENOENT, "No output file is named"};
        // A device, FIFO or socket is the destination itself, also behind a link of /proc such
        // as /dev/stdout, whose target ("pipe:[1234]") is no path to follow.
        struct stat named {};
        if (::stat(target.c_str(), &named) == 0 && !S_ISREG(named.st_mode) && !S_ISDIR(named.st_mode)) return InPlace(out, target);
        Result<std::string> resolved = FollowLinks(target);
        if (!resolved) return resolved.error();
        out.final_ = std::move(resolved.value());

        struct stat old {};
        const bool exists = ::stat(out.final_.c_str(), &old) == 0;
        if (exists && S_ISDIR(old.st_mode)) {
            return Error{ErrorKind::NotRegular, EISDIR, "Cannot create file " + Quoted(target) + ": it is a folder"};
        }
        if (exists && !S_ISREG(old.st_mode)) return InPlace(out, out.final_);
        // A name too long to take the suffix gets a short temporary name in the same folder.
        bool shortName = false;
        for (int attempt = 0; attempt < 100 && out.fd_ < 0; ++attempt) {
            out.temporary_ = (shortName ? FolderOf(out.final_) + "/.restallow" : out.final_) + ".tmp" + RandomSuffix();
            // Mode 0666 at creation: the kernel takes the umask (and a default ACL) off it.
            out.fd_ = ::open(out.temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, 0666);
            if (out.fd_ < 0 && errno == ENAMETOOLONG && !shortName) {
                shortName = true;
                continue;
            }
            if (out.fd_ < 0 && errno != EEXIST) break;
        }
        if (out.fd_ < 0) {
            const int code = errno;
            out.temporary_.clear();
            return SystemError(ErrorKind::Open, code, "Cannot create file", target);
        }
        out.slot_ = pending::Register(out.temporary_.c_str());
        if (exists) {
            [[maybe_unused]] const int owned = ::fchown(out.fd_, old.st_uid, old.st_gid);  // only where allowed
            if (::fchmod(out.fd_, old.st_mode & 07777) != 0) return SystemError(ErrorKind::Open, errno, "Cannot create file", target);
        }
        return out;
    } catch (const std::bad_alloc&) {
        return OutOfMemory();
    }
}

OutputFile::OutputFile(OutputFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), slot_(std::exchange(other.slot_, -1)), target_(std::move(other.target_)),
      final_(std::move(other.final_)), temporary_(std::move(other.temporary_)) {
    other.temporary_.clear();
}

OutputFile::~OutputFile() { Discard(); }

void OutputFile::Discard() noexcept {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!temporary_.empty()) ::unlink(temporary_.c_str());
    temporary_.clear();
    pending::Unregister(slot_);
    slot_ = -1;
}

Status OutputFile::Write(std::string_view bytes) noexcept {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd_, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return SystemError(ErrorKind::Write, written < 0 ? errno : ENOSPC, "Cannot write file", target_);
        done += static_cast<std::size_t>(written);
    }
    return Ok();
}

Status OutputFile::Commit(Sync sync) noexcept {
    if (fd_ < 0) return Error{ErrorKind::Write, EBADF, "Cannot write file " + Quoted(target_)};
    const bool inPlace = temporary_.empty();
    // A regular file reaches the disk before it replaces the old one.
    if (!inPlace && sync == Sync::ToDisk && ::fsync(fd_) != 0) {
        const int code = errno;
        Discard();
        return SystemError(ErrorKind::Write, code, "Cannot write file", target_);
    }
    const int closed = ::close(fd_);
    const int code = errno;
    fd_ = -1;
    if (closed != 0 && code != EINTR) {
        Discard();
        return SystemError(ErrorKind::Write, code, "Cannot write file", target_);
    }
    if (!inPlace && std::rename(temporary_.c_str(), final_.c_str()) != 0) {
        const int renameCode = errno;
        Discard();
        return SystemError(ErrorKind::Write, renameCode, "Cannot write file", target_);
    }
    temporary_.clear();
    Discard();
    return Ok();
}

Status WriteFile(const std::string& target, std::string_view bytes) noexcept {
    Result<OutputFile> out = OutputFile::Create(target);
    if (!out) return out.error();
    if (Status written = out->Write(bytes); !written) return written;
    return out->Commit();
}

}  // namespace fileaccess
