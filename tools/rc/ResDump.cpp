// Lists a .res file; with -v also the contents of menus, version information, accelerator
// tables and string tables.
#include "ResDump.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "ResDescribe.h"
#include "ResReader.h"

namespace rc {

int DumpMain(int argc, char** argv) {
    const bool verbose = argc == 3 && std::strcmp(argv[1], "-v") == 0;
    if (argc != 2 && !verbose) {
        std::fputs("usage: restallow-resdump [-v] FILE.res\n", stderr);
        return 2;
    }
    const char* path = argv[argc - 1];
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "%s: error: cannot open the file\n", path);
        return 1;
    }
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto read = ReadResFile(bytes);
    if (const auto* message = std::get_if<std::string>(&read)) {
        std::fprintf(stderr, "%s: error: %s\n", path, message->c_str());
        return 1;
    }
    const ResFile& file = std::get<ResFile>(read);
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
