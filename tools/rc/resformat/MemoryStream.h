// A stdio stream into memory, for an output that is made whole before it goes anywhere: the
// .res on its way into a COFF object, or what goes to standard output only when complete.
#pragma once

#include <cstdio>
#include <string_view>

namespace rc {

class MemoryStream {
public:
    // Throws CompileError when the stream cannot be made.
    MemoryStream();
    ~MemoryStream();
    MemoryStream(const MemoryStream&) = delete;
    MemoryStream& operator=(const MemoryStream&) = delete;

    std::FILE* file() const { return file_; }
    // Closes the stream and gives what was written, valid as long as this object; throws
    // CompileError when a write failed (memory ran out).
    std::string_view Finish();

private:
    std::FILE* file_ = nullptr;
    char* data_ = nullptr;
    std::size_t size_ = 0;
};

}  // namespace rc
