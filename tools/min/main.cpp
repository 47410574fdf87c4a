// restallow-min: writes a packed copy of a 16-bit Windows program.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "Minimizer.h"
#include "PackedCheck.h"
#include "fileaccess/InputFile.h"
#include "fileaccess/OutputFile.h"

namespace {

int Fail(const std::string& file, const std::string& message) {
    std::fprintf(stderr, "restallow-min: %s: error: %s\n", file.c_str(), message.c_str());
    return 1;
}

// 16-bit programs address at most a few megabytes; anything far larger is no such program.
constexpr std::uint64_t kInputLimit = 64 * fileaccess::kMiB;

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::puts("restallow-min " RESTALLOW_VERSION);
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        std::puts(
            "usage: restallow-min INPUT OUTPUT\n"
            "Writes a packed copy of the 16-bit Windows (NE) program INPUT to OUTPUT: segments and\n"
            "resources get the smallest alignment that still addresses them; every byte of them stays.");
        return 0;
    }
    if (argc != 3) {
        std::fputs("usage: restallow-min INPUT OUTPUT\n", stderr);
        return 2;
    }
    const std::string input = argv[1], output = argv[2];
    const fileaccess::Result<std::string> bytes = fileaccess::ReadFile(input, kInputLimit);
    if (!bytes) return Fail(input, bytes.error().what());
    const auto packed = ne::Minimize(*bytes);
    if (!packed) return Fail(input, packed.error().message);
    // Nothing is replaced by a program that restallow-min itself could not read back whole.
    if (const fileaccess::Status checked = ne::CheckPacked(*bytes, *packed); !checked) {
        return Fail(input, checked.error().message + "; nothing was written");
    }
    if (const fileaccess::Status written = fileaccess::WriteFile(output, *packed); !written) {
        return Fail(output, written.error().what());
    }
    std::printf("%s: %zu bytes -> %s: %zu bytes\n", input.c_str(), bytes->size(), output.c_str(), packed->size());
    return 0;
}
