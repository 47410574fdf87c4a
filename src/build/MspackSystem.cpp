// The system interface handed to libmspack.
#include "build/MspackSystem.h"

#include <cstdlib>
#include <cstring>
#include <new>

namespace restallow {

// What libmspack holds as an open file: the source with a position, or the output.
struct MspackSystem::Handle {
    MspackSystem* owner;
    bool writing;
    off_t position;
};

namespace {
void Quiet(mspack_file*, const char*, ...) {}
void* Allocate(mspack_system*, size_t bytes) { return std::malloc(bytes); }
void Release(void* pointer) { std::free(pointer); }
void CopyBytes(void* from, void* to, size_t bytes) { std::memmove(to, from, bytes); }
}  // namespace

MspackSystem::MspackSystem(const fileaccess::InputFile& source, fileaccess::OutputFile& target)
    : source_(source), target_(target) {
    table_.system = {Open, Close, Read, Write, Seek, Tell, Quiet, Allocate, Release, CopyBytes, nullptr};
    table_.owner = this;
}

mspack_file* MspackSystem::Open(mspack_system* self, const char*, int mode) {
    MspackSystem* owner = reinterpret_cast<Table*>(self)->owner;
    if (mode != MSPACK_SYS_OPEN_READ && mode != MSPACK_SYS_OPEN_WRITE) return nullptr;
    auto* handle = static_cast<Handle*>(std::malloc(sizeof(Handle)));
    if (!handle) return nullptr;
    *handle = {owner, mode == MSPACK_SYS_OPEN_WRITE, 0};
    return reinterpret_cast<mspack_file*>(handle);
}

namespace {
constexpr std::size_t kWriteBlock = 256 * 1024;
}  // namespace

void MspackSystem::Close(mspack_file* file) {
    auto* handle = reinterpret_cast<Handle*>(file);
    if (handle->writing) handle->owner->Flush();
    std::free(file);
}

bool MspackSystem::Flush() {
    if (pending_.empty()) return !failed_;
    if (!target_.Write(pending_)) failed_ = true;
    pending_.clear();
    return !failed_;
}

int MspackSystem::Read(mspack_file* file, void* buffer, int bytes) {
    auto* handle = reinterpret_cast<Handle*>(file);
    if (handle->writing || bytes < 0) return -1;
    const fileaccess::Result<std::string> got =
        handle->owner->source_.ReadAt(static_cast<std::uint64_t>(handle->position), static_cast<std::size_t>(bytes));
    if (!got) {
        handle->owner->failed_ = true;
        return -1;
    }
    std::memcpy(buffer, got->data(), got->size());
    handle->position += static_cast<off_t>(got->size());
    return static_cast<int>(got->size());
}

int MspackSystem::Write(mspack_file* file, void* buffer, int bytes) {
    auto* handle = reinterpret_cast<Handle*>(file);
    if (!handle->writing || bytes < 0) return -1;
    MspackSystem& owner = *handle->owner;
    try {
        owner.pending_.append(static_cast<const char*>(buffer), static_cast<std::size_t>(bytes));
    } catch (const std::bad_alloc&) {
        owner.failed_ = true;
        return -1;
    }
    if (owner.pending_.size() >= kWriteBlock && !owner.Flush()) return -1;
    owner.written_ += static_cast<std::uint64_t>(bytes);
    return bytes;
}

int MspackSystem::Seek(mspack_file* file, off_t offset, int mode) {
    auto* handle = reinterpret_cast<Handle*>(file);
    if (handle->writing) return -1;
    const off_t base = mode == MSPACK_SYS_SEEK_START ? 0
                       : mode == MSPACK_SYS_SEEK_CUR ? handle->position
                                                     : static_cast<off_t>(handle->owner->source_.size());
    if (base + offset < 0) return -1;
    handle->position = base + offset;
    return 0;
}

off_t MspackSystem::Tell(mspack_file* file) {
    auto* handle = reinterpret_cast<Handle*>(file);
    return handle->writing ? static_cast<off_t>(handle->owner->written_) : handle->position;
}

}  // namespace restallow
