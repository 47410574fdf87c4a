// Resource files through the file-access part.
#include "resformat/SourceFile.h"

#include "resformat/Diagnostic.h"

namespace rc {

fileaccess::Result<SourceFile> SourceFile::Open(const std::string& path) noexcept {
    fileaccess::Result<fileaccess::InputFile> file = fileaccess::InputFile::Open(path);
    if (!file) return file.error();
    return SourceFile(std::move(file.value()));
}

std::string SourceFile::ReadAt(std::uint64_t offset, std::size_t count) const {
    fileaccess::Result<std::string> bytes = file_.ReadAt(offset, count);
    if (!bytes) throw CompileError({}, bytes.error().what());
    return std::move(bytes.value());
}

}  // namespace rc
