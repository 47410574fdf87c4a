// Fuzz target: any bytes as a program. What the reader accepts, the minimizer packs, and the
// packed program reads back with every segment and resource byte unchanged.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "Minimizer.h"
#include "NeFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view file(reinterpret_cast<const char*>(data), size);
    const auto read = ne::ReadProgram(file);
    if (!read) return 0;
    const auto packed = ne::Minimize(file);
    if (!packed) return 0;
    const std::string& out = *packed;
    const auto again = ne::ReadProgram(out);
    if (!again) std::abort();
    const auto& before = *read;
    const auto& after = *again;
    if (before.segments.size() != after.segments.size()) std::abort();
    for (std::size_t i = 0; i < before.segments.size(); ++i) {
        const auto& a = before.segments[i];
        const auto& b = after.segments[i];
        if (file.substr(a.offset, a.size + a.relocSize) != std::string_view(out).substr(b.offset, b.size + b.relocSize)) std::abort();
    }
    return 0;
}
