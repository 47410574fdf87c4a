// The temporary output file of the compiler, written through a buffered stdio stream.
#include "resformat/TemporaryOutput.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "resformat/Diagnostic.h"

namespace rc {

TemporaryOutput::TemporaryOutput(const std::string& target) : target_(target) {
    if (target == "-") {
        file_ = memory_.emplace().file();
        return;
    }
    fileaccess::Result<fileaccess::OutputFile> output = fileaccess::OutputFile::Create(target);
    if (!output) throw CompileError({}, output.error().what());
    output_.emplace(std::move(*output));
    const int fd = ::dup(output_->fd());
    file_ = fd < 0 ? nullptr : fdopen(fd, "wb");
    if (!file_) {
        if (fd >= 0) ::close(fd);
        throw CompileError({}, "cannot write the output \"" + target + "\": " + std::strerror(errno));
    }
    buffer_ = std::make_unique_for_overwrite<char[]>(kBufferSize);  // untouched pages cost nothing
    std::setvbuf(file_, buffer_.get(), _IOFBF, kBufferSize);
}

TemporaryOutput::~TemporaryOutput() {
    if (file_ && !memory_) std::fclose(file_);
}

void TemporaryOutput::Commit() {
    if (memory_) return CommitToStandardOutput();
    const bool written = std::fflush(file_) == 0 && std::ferror(file_) == 0;
    const int code = errno;
    const int closed = std::fclose(file_);
    file_ = nullptr;
    if (!written || closed != 0) {
        throw CompileError({}, "cannot write the output \"" + target_ + "\": " + std::strerror(written ? errno : code));
    }
    // A .res is made again from its script: no wait for the disk, as other resource compilers.
    if (const fileaccess::Status done = output_->Commit(fileaccess::OutputFile::Sync::None); !done) {
        throw CompileError({}, done.error().what());
    }
}

void TemporaryOutput::CommitToStandardOutput() {
    const std::string_view bytes = memory_->Finish();
    file_ = nullptr;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size();
    if (!written || std::fflush(stdout) != 0) {
        throw CompileError({}, std::string("cannot write the output to standard output: ") + std::strerror(errno));
    }
}

}  // namespace rc
