// SZDD expansion through libmspack; other files are copied byte for byte.
#include "build/Expander.h"

#include <mspack.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <vector>

namespace restallow {
namespace {

struct SzddDeleter {
    void operator()(msszdd_decompressor* d) const { mspack_destroy_szdd_decompressor(d); }
};

bool CopyBytes(const std::string& source, const std::string& target) {
    std::ifstream in(source, std::ios::binary);
    std::ofstream out(target, std::ios::binary | std::ios::trunc);
    if (!in || !out) return false;
    std::vector<char> buffer(1 << 20);
    while (in) {
        in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        out.write(buffer.data(), in.gcount());
    }
    out.flush();
    return !in.bad() && static_cast<bool>(out);
}

bool IsSzdd(const std::string& source) {
    static constexpr char kSignature[8] = {'S', 'Z', 'D', 'D', '\x88', '\xF0', '\x27', '\x33'};
    char head[8] = {};
    std::ifstream in(source, std::ios::binary);
    return in.read(head, sizeof head) && std::equal(std::begin(head), std::end(head), std::begin(kSignature));
}

// Writes the expanded or copied bytes to `target`; false on any failure.
bool ExpandOrCopy(const std::string& source, const std::string& target) {
    if (!IsSzdd(source)) return CopyBytes(source, target);
    std::unique_ptr<msszdd_decompressor, SzddDeleter> szdd(mspack_create_szdd_decompressor(nullptr));
    if (!szdd) return false;
    msszddd_header* header = szdd->open(szdd.get(), source.c_str());
    if (!header) return false;
    const off_t expected = header->length;
    const int error = szdd->extract(szdd.get(), header, target.c_str());
    szdd->close(szdd.get(), header);
    if (error != MSPACK_ERR_OK) return false;
    // A damaged stream can end early without an error: the header says how long the file is.
    std::ifstream written(target, std::ios::binary | std::ios::ate);
    return written && static_cast<off_t>(written.tellg()) == expected;
}

}  // namespace

ExpandResult ExpandFile(const std::string& source, const std::string& target) {
    if (std::FILE* probe = std::fopen(source.c_str(), "rb")) {
        std::fclose(probe);
    } else {
        return ExpandResult::SourceFailed;
    }
    std::string temporary = target + ".tmpXXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0) return ExpandResult::OutputFailed;
    ::close(fd);
    if (!ExpandOrCopy(source, temporary) || std::rename(temporary.c_str(), target.c_str()) != 0) {
        std::remove(temporary.c_str());
        return ExpandResult::WriteFailed;
    }
    return ExpandResult::Ok;
}

const char* ExpandMessage(ExpandResult result) {
    switch (result) {
    case ExpandResult::SourceFailed: return "Error open file.";
    case ExpandResult::OutputFailed: return "Error output file.";
    case ExpandResult::WriteFailed: return "Error writing file.";
    case ExpandResult::Ok: break;
    }
    return "";
}

const char* ExpandCaption(ExpandResult result) { return result == ExpandResult::OutputFailed ? "Error." : "Error"; }

}  // namespace restallow
