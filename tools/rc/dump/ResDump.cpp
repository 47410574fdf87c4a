// Lists a .res file; with -v also the contents of menus, version information, accelerator
// tables and string tables.
#include "dump/ResDump.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "dump/ResDescribe.h"
#include "fileaccess/InputFile.h"
#include "resformat/ResReader.h"

namespace rc {
namespace {

// The listing holds the whole file; larger ones are refused rather than read.
constexpr std::uint64_t kResFileLimit = 1024 * fileaccess::kMiB;

}  // namespace

int DumpMain(int argc, char** argv) {
    const bool verbose = argc == 3 && std::strcmp(argv[1], "-v") == 0;
    if (argc != 2 && !verbose) {
        std::fputs("usage: restallow-resdump [-v] FILE.res\n", stderr);
        return 2;
    }
    const char* path = argv[argc - 1];
    const fileaccess::Result<std::string> bytes = fileaccess::ReadFile(path, kResFileLimit);
    if (!bytes) {
        std::fprintf(stderr, "%s: error: %s\n", path, bytes.error().what());
        return 1;
    }
    const fileaccess::Result<ResFile> read = ReadResFile(*bytes);
    if (!read) {
        std::fprintf(stderr, "%s: error: %s\n", path, read.error().message.c_str());
        return 1;
    }
    const ResFile& file = *read;
    std::printf("%s: %s resource file, %zu resources\n", path, file.win16 ? "16-bit" : "32-bit", file.entries.size());
    if (!verbose) {
        std::fputs(ListResFile(file).c_str(), stdout);
        return 0;
    }
    for (const ResEntry& entry : file.entries) {
        std::fputs(ListResFile({file.win16, {entry}}).c_str(), stdout);
        std::fputs(DescribeResource(entry, file.win16).c_str(), stdout);
    }
    return 0;
}

}  // namespace rc
