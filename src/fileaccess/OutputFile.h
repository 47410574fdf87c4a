// Writing an output file so that it is either complete or unchanged, and so that no ending of the
// writer leaves anything behind. The bytes go to an unnamed temporary file in the target's folder
// (O_TMPFILE), linked in over the target only by Commit: a process that dies before, by any
// signal, leaves nothing. Where the file system has no unnamed files the temporary is named as
// TemporaryNames.h says; it is removed on failure and on SIGINT, SIGTERM, SIGHUP, SIGQUIT,
// SIGPIPE, SIGALRM, SIGUSR1 and SIGXFSZ, and one left by SIGKILL goes at the next output written
// into that folder. A writable file in a folder that takes no new file is written in place, once
// the whole output is ready (kept until then in an unnamed file of the temporary folder).
// A new file gets 0666 less the umask; a replaced one keeps its mode (and owner, where allowed);
// a symlink is followed and its target replaced; a device or FIFO is written in place.
#pragma once

#include <string>
#include <string_view>

#include "fileaccess/Result.h"

namespace fileaccess {

class OutputFile {
public:
    // Where the bytes wait for Commit.
    enum class Way {
        Unnamed,  // an unnamed file beside the target, linked in
        Named,    // a named temporary beside the target, renamed over it
        Staged,   // an unnamed file elsewhere, copied into the target (its folder takes no new file)
        InPlace,  // a device or FIFO, written directly
    };
    // Named never makes an unnamed temporary (file systems without them behave so).
    enum class Temporary { Unnamed, Named };

    // Fails for a folder, for a FIFO no program reads from, and where no temporary can be made
    // and the target cannot be written in place.
    static Result<OutputFile> Create(const std::string& target, Temporary temporary = Temporary::Unnamed) noexcept;

    OutputFile(OutputFile&& other) noexcept;
    OutputFile& operator=(OutputFile&&) = delete;
    OutputFile(const OutputFile&) = delete;
    ~OutputFile();  // without Commit the temporary goes and the target stays as it was

    int fd() const { return fd_; }
    Way way() const { return way_; }
    const std::string& target() const { return target_; }        // as the caller named it
    const std::string& temporary() const { return temporary_; }  // the named temporary, else empty

    Status Write(std::string_view bytes) noexcept;
    // Whether Commit waits for the bytes to reach the disk before the rename. What a user made
    // does; a build product that is made again from its sources (a compiled .res) need not:
    // the rename still replaces the old file whole, and compilers do not wait for the disk.
    enum class Sync { ToDisk, None };

    // Flushes and puts the bytes in the target's place.
    Status Commit(Sync sync = Sync::ToDisk) noexcept;

private:
    OutputFile() = default;
    bool OpenUnnamed(const std::string& folder) noexcept;
    Status OpenNamed(const std::string& folder) noexcept;
    bool OpenStaged() noexcept;
    Status LinkIn() noexcept;
    Status CopyIn(Sync sync) noexcept;
    Status Fail(int code) noexcept;
    void Discard() noexcept;

    int fd_ = -1;
    int targetFd_ = -1;  // Staged: the target, opened for writing
    int slot_ = -1;
    Way way_ = Way::Unnamed;
    bool existed_ = false;
    std::string target_;
    std::string final_;  // the target with its symlinks followed
    std::string temporary_;
};

// Create, Write and Commit in one call.
Status WriteFile(const std::string& target, std::string_view bytes,
                 OutputFile::Temporary temporary = OutputFile::Temporary::Unnamed) noexcept;

}  // namespace fileaccess
