// Naming the temporaries of outputs, and removing the ones whose writer died.
#include "fileaccess/TemporaryNames.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <ctime>

namespace fileaccess::temporaries {
namespace {

constexpr char kPrefix[] = ".~restallow.";
constexpr std::size_t kPrefixLength = sizeof kPrefix - 1;
constexpr std::size_t kTagLength = 8;
constexpr std::size_t kRandomLength = 6;
constexpr std::time_t kForeignAge = 24 * 60 * 60;  // a temporary untouched that long is no one's

std::string RandomPart() {
    static constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    unsigned char noise[kRandomLength] = {};
    if (::getrandom(noise, sizeof noise, 0) != static_cast<ssize_t>(sizeof noise)) {
        const auto seed = static_cast<unsigned>(::getpid()) ^ static_cast<unsigned>(std::time(nullptr)) ^
                          static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(&noise));
        for (std::size_t i = 0; i < sizeof noise; ++i) noise[i] = static_cast<unsigned char>(seed >> (i * 5));
    }
    std::string part;
    for (unsigned char byte : noise) part += kLetters[byte % (sizeof kLetters - 1)];
    return part;
}

// The first bytes of a small system file; empty when it cannot be read.
std::string SmallSystemFile(const char* path) {
    char bytes[128] = {};
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) return {};
    const ssize_t length = ::read(fd, bytes, sizeof bytes);
    ::close(fd);
    return length > 0 ? std::string(bytes, static_cast<std::size_t>(length)) : std::string();
}

bool IsHex(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsAlnum(char c) { return IsDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

struct OurName {
    std::string tag;
    pid_t pid = 0;
};

// True when `name` is exactly a name NewName makes.
bool Parse(const char* name, OurName* out) {
    const std::size_t length = std::strlen(name);
    if (length < kPrefixLength + kTagLength + 3 + kRandomLength || std::strncmp(name, kPrefix, kPrefixLength) != 0)
        return false;
    const char* p = name + kPrefixLength;
    for (std::size_t i = 0; i < kTagLength; ++i) {
        if (!IsHex(p[i])) return false;
    }
    out->tag.assign(p, kTagLength);
    p += kTagLength;
    if (*p++ != '.') return false;
    long long pid = 0;
    const char* digits = p;
    while (IsDigit(*p) && p - digits < 10) pid = pid * 10 + (*p++ - '0');
    if (p == digits || *p++ != '.' || pid <= 0 || pid > 0x3FFFFFFF) return false;
    for (std::size_t i = 0; i < kRandomLength; ++i) {
        if (!IsAlnum(p[i])) return false;
    }
    if (p[kRandomLength] != '\0') return false;
    out->pid = static_cast<pid_t>(pid);
    return true;
}

bool WriterIsGone(const OurName& name, const struct stat& info, const std::string& tag) {
    if (name.tag == tag) return ::kill(name.pid, 0) != 0 && errno == ESRCH;
    return std::time(nullptr) - info.st_mtime > kForeignAge;
}

}  // namespace

std::string BootTag() {
    // Another boot, another machine sharing the folder, or another process namespace: a process
    // id of theirs says nothing here.
    std::string identity = SmallSystemFile("/proc/sys/kernel/random/boot_id");
    if (identity.empty()) {
        char host[256] = {};
        ::gethostname(host, sizeof host - 1);
        identity = host;
    }
    char ns[64] = {};
    if (const ssize_t length = ::readlink("/proc/self/ns/pid", ns, sizeof ns - 1); length > 0)
        identity.append(ns, static_cast<std::size_t>(length));
    std::uint32_t hash = 2166136261u;  // FNV-1a
    for (unsigned char c : identity) hash = (hash ^ c) * 16777619u;
    static constexpr char kHex[] = "0123456789abcdef";
    std::string tag(kTagLength, '0');
    for (std::size_t i = 0; i < kTagLength; ++i) tag[i] = kHex[(hash >> (28 - 4 * i)) & 0xF];
    return tag;
}

std::string NewName(const std::string& folder) {
    return folder + "/" + kPrefix + BootTag() + "." + std::to_string(::getpid()) + "." + RandomPart();
}

void RemoveStale(const std::string& folder) noexcept {
    try {
        DIR* stream = ::opendir(folder.c_str());
        if (!stream) return;
        std::string tag;  // read only when a name of ours is found: most folders hold none
        const uid_t user = ::geteuid();
        while (const dirent* entry = ::readdir(stream)) {
            OurName name;
            if (!Parse(entry->d_name, &name)) continue;
            struct stat info {};
            if (::fstatat(::dirfd(stream), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0) continue;
            if (!S_ISREG(info.st_mode) || info.st_uid != user) continue;
            if (tag.empty()) tag = BootTag();
            if (WriterIsGone(name, info, tag)) ::unlinkat(::dirfd(stream), entry->d_name, 0);
        }
        ::closedir(stream);
    } catch (...) {
        // Out of memory while naming: the stale ones wait for the next output.
    }
}

}  // namespace fileaccess::temporaries
