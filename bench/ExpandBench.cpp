// Times ExpandFile on an SZDD file against a bare libmspack decode of it to /dev/null.
#include <mspack.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "build/Expander.h"

namespace {

template <typename Step>
double Seconds(Step step) {
    const auto start = std::chrono::steady_clock::now();
    step();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: expand_bench FILE.SZDD OUTPUT\n");
        return 2;
    }
    double ours = 1e9, bare = 1e9;
    for (int run = 0; run < 3; ++run) {
        ours = std::min(ours, Seconds([&] {
                            if (!restallow::ExpandFile(argv[1], argv[2])) std::fprintf(stderr, "expand failed\n");
                        }));
        bare = std::min(bare, Seconds([&] {
                            msszdd_decompressor* szdd = mspack_create_szdd_decompressor(nullptr);
                            if (szdd->decompress(szdd, argv[1], "/dev/null") != MSPACK_ERR_OK)
                                std::fprintf(stderr, "decode failed\n");
                            mspack_destroy_szdd_decompressor(szdd);
                        }));
    }
    std::printf("ExpandFile        %.3f s\nlibmspack alone   %.3f s   (ratio %.2f)\n", ours, bare, ours / bare);
    return 0;
}
