// restallow-rc (and restallow-windres, the same program under a second name): compiles a
// resource script into a .res file or a COFF object.
#include <algorithm>
#include <cstdio>
#include <cstring>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#ifdef __linux__
#include <sys/mman.h>
#endif
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "driver/CommandLine.h"
#include "driver/Tool.h"
#include "dump/ResDump.h"

namespace {

#if defined(__GLIBC__) && defined(__linux__)
// The heap's first 64 MiB in huge pages where the kernel offers them on request: a large script
// touches tens of megabytes of small blocks, and a fault per 4 KiB page cost a quarter of its
// compile time. The block is carved from the heap's top and freed back to it untouched, so
// later allocations fall inside the advised range.
void PreferHugePages() {
    constexpr std::size_t kReserve = std::size_t{64} << 20;
    constexpr std::uintptr_t kHuge = std::uintptr_t{2} << 20;
    void* block = std::malloc(kReserve);
    if (!block) return;
    const auto begin = (reinterpret_cast<std::uintptr_t>(block) + kHuge - 1) & ~(kHuge - 1);
    const auto end = (reinterpret_cast<std::uintptr_t>(block) + kReserve) & ~(kHuge - 1);
    if (end > begin) madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);  // only advice
    std::free(block);
}
#endif

}  // namespace

int main(int argc, char** argv) {
#ifdef __GLIBC__
    // One compile and the process ends: the heap grows in large steps and is never handed
    // back, so the C library asks the kernel for memory a few times instead of dozens.
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
    mallopt(M_TOP_PAD, 8 << 20);
    mallopt(M_MMAP_THRESHOLD, 256 << 20);
#ifdef __linux__
    PreferHugePages();
#endif
#endif
    if (argc >= 2 && std::strcmp(argv[1], "--dump") == 0) return rc::DumpMain(argc - 1, argv + 1);
    const std::string program = argc > 0 ? argv[0] : "restallow-rc";
    const std::string name = program.substr(program.rfind('/') + 1);  // npos + 1: all of it
    try {
        return rc::RunTool(
            rc::ReadCommandLine(program, std::vector<std::string>(argv + std::min(argc, 1), argv + argc)));
    } catch (const rc::UsageError& usage) {
        std::fprintf(stderr, "%s: %s (%s --help lists the options)\n", name.c_str(), usage.what(), name.c_str());
        return 2;
    }
}
