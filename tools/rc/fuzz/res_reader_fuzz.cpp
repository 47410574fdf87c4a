// Fuzz target: any bytes as a .res file. The entries the reader accepts lie inside the input;
// the listing and every describer of `restallow-resdump -v` read them without reading past
// them; and the entries written again by the writer of their format read back the same.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "dump/ResDescribe.h"
#include "resformat/ResReader.h"
#include "resformat/ResWriter.h"

namespace {

// The entries written by the writer of the file's format, or nothing when the writer refuses
// one of them (a 16-bit name that code page 1252 cannot hold).
std::string Rewritten(const rc::ResFile& file) {
    char* data = nullptr;
    std::size_t size = 0;
    std::FILE* out = open_memstream(&data, &size);
    if (!out) std::abort();
    bool written = true;
    try {
        const std::unique_ptr<rc::ResWriter> writer =
            file.win16 ? std::unique_ptr<rc::ResWriter>(std::make_unique<rc::Res16Writer>(out))
                       : std::make_unique<rc::Res32Writer>(out);
        writer->Begin();
        for (const rc::ResEntry& entry : file.entries) {
            writer->CheckId(entry.type, {});
            writer->CheckId(entry.name, {});
            writer->Write({entry.type, entry.name, entry.flags, entry.language.value_or(0), 0, 0}, {}, entry.data);
        }
    } catch (const rc::CompileError&) {
        written = false;
    }
    std::fclose(out);
    std::string bytes = written ? std::string(data, size) : std::string();
    std::free(data);
    return bytes;
}

bool SameEntry(const rc::ResEntry& a, const rc::ResEntry& b) {
    return a.type == b.type && a.name == b.name && a.flags == b.flags && a.language == b.language && a.data == b.data;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto read = rc::ReadResFile(bytes);
    if (!read) return 0;
    for (const rc::ResEntry& entry : read->entries) {
        if (entry.data.data() < bytes.data() || entry.data.data() + entry.data.size() > bytes.data() + bytes.size())
            std::abort();
        rc::DescribeResource(entry, read->win16);
    }
    rc::ListResFile(*read);
    const std::string again = Rewritten(*read);
    if (again.empty() && !read->entries.empty()) return 0;
    const auto reread = rc::ReadResFile(again);
    if (!reread || reread->win16 != read->win16 || reread->entries.size() != read->entries.size()) std::abort();
    for (std::size_t i = 0; i < read->entries.size(); ++i) {
        if (!SameEntry(read->entries[i], reread->entries[i])) std::abort();
    }
    return 0;
}
