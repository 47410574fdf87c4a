// Lists a .res file.
#include "ResDump.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "DialogDump.h"
#include "ResReader.h"

namespace rc {

int DumpMain(int argc, char** argv) {
    const bool verbose = argc == 3 && std::string(argv[1]) == "-v";
    if (verbose) {
        --argc;
        ++argv;
    }
    if (argc != 2) {
        std::fputs("usage: restallow-resdump [-v] FILE.res\n", stderr);
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "%s: error: cannot open the file\n", argv[1]);
        return 1;
    }
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto read = ReadResFile(bytes);
    if (const auto* message = std::get_if<std::string>(&read)) {
        std::fprintf(stderr, "%s: error: %s\n", argv[1], message->c_str());
        return 1;
    }
    const ResFile& file = std::get<ResFile>(read);
    std::printf("%s: %s resource file, %zu resources\n", argv[1], file.win16 ? "16-bit" : "32-bit", file.entries.size());
    std::fputs(ListResFile(file).c_str(), stdout);
    if (!verbose) return 0;
    // -v: the contents of the resources whose format is known.
    for (const ResEntry& entry : file.entries) {
        if (entry.type != ResourceId::Number(kDialogType)) continue;
        std::printf("\n%s %s\n", TypeText(entry.type).c_str(), IdText(entry.name).c_str());
        std::fputs(DescribeDialog(entry.data, file.win16).c_str(), stdout);
    }
    return 0;
}

}  // namespace rc
