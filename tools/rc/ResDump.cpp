// Lists a .res file.
#include "ResDump.h"

#include <cstdio>
#include <string>

#include "ResReader.h"
#include "fileaccess/InputFile.h"

namespace rc {
namespace {

// The listing holds the whole file; larger ones are refused rather than read.
constexpr std::uint64_t kResFileLimit = 1024 * fileaccess::kMiB;

}  // namespace

int DumpMain(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: restallow-resdump FILE.res\n", stderr);
        return 2;
    }
    const fileaccess::Result<std::string> bytes = fileaccess::ReadFile(argv[1], kResFileLimit);
    if (!bytes) {
        std::fprintf(stderr, "%s: error: %s\n", argv[1], bytes.error().what());
        return 1;
    }
    const auto read = ReadResFile(*bytes);
    if (const auto* message = std::get_if<std::string>(&read)) {
        std::fprintf(stderr, "%s: error: %s\n", argv[1], message->c_str());
        return 1;
    }
    const ResFile& file = std::get<ResFile>(read);
    std::printf("%s: %s resource file, %zu resources\n", argv[1], file.win16 ? "16-bit" : "32-bit", file.entries.size());
    std::fputs(ListResFile(file).c_str(), stdout);
    return 0;
}

}  // namespace rc
