// The output being written: a temporary file beside it, renamed over it by Commit; until
// then (and on any failure or signal) an older output stays as it was. "-" is standard
// output, which gets the bytes only at Commit, so that a failed compile writes nothing there.
#pragma once

#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "fileaccess/OutputFile.h"
#include "resformat/MemoryStream.h"

namespace rc {

class TemporaryOutput {
public:
    // Throws CompileError when the temporary file cannot be made.
    explicit TemporaryOutput(const std::string& target);
    ~TemporaryOutput();
    TemporaryOutput(const TemporaryOutput&) = delete;
    TemporaryOutput& operator=(const TemporaryOutput&) = delete;

    std::FILE* file() const { return file_; }
    // Flushes and renames the temporary over the target; throws CompileError when that fails.
    void Commit();

private:
    void CommitToStandardOutput();

    static constexpr std::size_t kBufferSize = 1 << 20;
    std::string target_;
    std::optional<fileaccess::OutputFile> output_;
    std::optional<MemoryStream> memory_;  // for standard output
    std::FILE* file_ = nullptr;
    std::unique_ptr<char[]> buffer_;
};

}  // namespace rc
