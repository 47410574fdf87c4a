// SZDD expansion through libmspack; other files are copied byte for byte. Both go through the
// file-access part: the source must be a regular file, the output is made beside the target.
#include "build/Expander.h"

#include <mspack.h>

#include <algorithm>
#include <memory>

#include "build/MspackSystem.h"
#include "fileaccess/InputFile.h"
#include "fileaccess/OutputFile.h"

namespace restallow {
namespace {

constexpr std::size_t kChunk = 1 << 20;

struct SzddDeleter {
    void operator()(msszdd_decompressor* d) const { mspack_destroy_szdd_decompressor(d); }
};

bool IsSzdd(const fileaccess::InputFile& source) {
    static constexpr char kSignature[8] = {'S', 'Z', 'D', 'D', '\x88', '\xF0', '\x27', '\x33'};
    const fileaccess::Result<std::string> head = source.ReadAt(0, sizeof kSignature);
    return head && *head == std::string_view(kSignature, sizeof kSignature);
}

bool CopyBytes(const fileaccess::InputFile& source, fileaccess::OutputFile& target) {
    for (std::uint64_t offset = 0;;) {
        const fileaccess::Result<std::string> chunk = source.ReadAt(offset, kChunk);
        if (!chunk) return false;
        if (chunk->empty()) return true;
        if (!target.Write(*chunk)) return false;
        offset += chunk->size();
    }
}

bool Expand(const fileaccess::InputFile& source, fileaccess::OutputFile& target) {
    MspackSystem system(source, target);
    std::unique_ptr<msszdd_decompressor, SzddDeleter> szdd(mspack_create_szdd_decompressor(system.get()));
    if (!szdd) return false;
    msszddd_header* header = szdd->open(szdd.get(), source.path().c_str());
    if (!header) return false;
    const auto expected = static_cast<std::uint64_t>(header->length);
    const int error = szdd->extract(szdd.get(), header, target.target().c_str());
    szdd->close(szdd.get(), header);
    const bool flushed = system.Flush();
    // A damaged stream can end early without an error: the header says how long the file is.
    return error == MSPACK_ERR_OK && flushed && system.written() == expected;
}

}  // namespace

fileaccess::Status ExpandFile(const std::string& source, const std::string& target) {
    using fileaccess::ErrorKind;
    const fileaccess::Result<fileaccess::InputFile> input = fileaccess::InputFile::Open(source);
    if (!input) return ExpandError(ErrorKind::Read, input.error().code);
    fileaccess::Result<fileaccess::OutputFile> output = fileaccess::OutputFile::Create(target);
    if (!output) return ExpandError(ErrorKind::Open, output.error().code);
    const bool done = IsSzdd(*input) ? Expand(*input, *output) : CopyBytes(*input, *output);
    if (!done || !output->Commit()) return ExpandError(ErrorKind::Write);
    return fileaccess::Ok();
}

fileaccess::Error ExpandError(fileaccess::ErrorKind step, int code) {
    switch (step) {
        case fileaccess::ErrorKind::Read: return {step, code, "Error open file."};
        case fileaccess::ErrorKind::Open: return {step, code, "Error output file."};
        default: return {fileaccess::ErrorKind::Write, code, "Error writing file."};
    }
}

const char* ExpandCaption(const fileaccess::Error& error) {
    return error.kind == fileaccess::ErrorKind::Open ? "Error." : "Error";
}

}  // namespace restallow
