// restallow-resdump: lists the resources of a .res file of either format (-v: their contents).
#include <cstdio>
#include <cstring>

#include "dump/ResDump.h"

int main(int argc, char** argv) {
    const bool help = argc == 2 && std::strcmp(argv[1], "--help") == 0;
    if (help || (argc == 2 && std::strcmp(argv[1], "--version") == 0)) {
        std::puts(help ? "usage: restallow-resdump [-v] FILE.res\n"
                         "Lists the resources of a 16-bit or 32-bit resource file; -v also shows dialogs, menus,\n"
                         "version information, accelerators and strings one item a line."
                       : "restallow-resdump 1.0");
        return 0;
    }
    return rc::DumpMain(argc, argv);
}
