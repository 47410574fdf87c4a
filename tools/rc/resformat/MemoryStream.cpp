// The memory stream, on open_memstream.
#include "resformat/MemoryStream.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

#include "resformat/Diagnostic.h"

namespace rc {

MemoryStream::MemoryStream() : file_(::open_memstream(&data_, &size_)) {
    if (!file_) throw CompileError({}, std::string("cannot make the output in memory: ") + std::strerror(errno));
}

MemoryStream::~MemoryStream() {
    if (file_) std::fclose(file_);
    std::free(data_);
}

std::string_view MemoryStream::Finish() {
    if (file_) {
        const bool failed = std::ferror(file_) != 0;
        const int closed = std::fclose(file_);
        file_ = nullptr;
        if (failed || closed != 0) throw CompileError({}, "cannot make the output in memory: out of memory");
    }
    return {data_, size_};
}

}  // namespace rc
