// Writing an output file so that it is either complete or unchanged: the bytes go to a temporary
// file beside the target, renamed over it only by Commit. On any failure, and on SIGINT, SIGTERM
// or SIGHUP, the temporary is removed and an older output stays byte for byte as it was.
// A new file gets 0666 less the umask; a replaced one keeps its mode (and owner, where allowed);
// a symlink is followed and its target replaced; a device or FIFO is written in place.
#pragma once

#include <string>
#include <string_view>

#include "fileaccess/Result.h"

namespace fileaccess {

class OutputFile {
public:
    // Fails for a folder, for a FIFO no program reads from, and where no temporary can be made.
    static Result<OutputFile> Create(const std::string& target) noexcept;

    OutputFile(OutputFile&& other) noexcept;
    OutputFile& operator=(OutputFile&&) = delete;
    OutputFile(const OutputFile&) = delete;
    ~OutputFile();  // without Commit the temporary is removed

    int fd() const { return fd_; }
    const std::string& target() const { return target_; }       // as the caller named it
    const std::string& temporary() const { return temporary_; }  // empty when written in place

    Status Write(std::string_view bytes) noexcept;
    // Whether Commit waits for the bytes to reach the disk before the rename. What a user made
    // does; a build product that is made again from its sources (a compiled .res) need not:
    // the rename still replaces the old file whole, and compilers do not wait for the disk.
    enum class Sync { ToDisk, None };

    // Flushes, closes and renames the temporary over the target.
    Status Commit(Sync sync = Sync::ToDisk) noexcept;

private:
    OutputFile() = default;
    static Result<OutputFile> InPlace(OutputFile& out, const std::string& path);
    void Discard() noexcept;

    int fd_ = -1;
    int slot_ = -1;
    std::string target_;
    std::string final_;      // the target with its symlinks followed
    std::string temporary_;
};

// Create, Write and Commit in one call.
Status WriteFile(const std::string& target, std::string_view bytes) noexcept;

}  // namespace fileaccess
