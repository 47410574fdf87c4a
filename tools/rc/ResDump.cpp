// Lists a .res file.
#include "ResDump.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "ResReader.h"

namespace rc {

int DumpMain(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: restallow-resdump FILE.res\n", stderr);
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
    return 0;
}

}  // namespace rc
