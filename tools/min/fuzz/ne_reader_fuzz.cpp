// Fuzz target: any bytes as a program. What the reader accepts, the minimizer packs (or refuses
// with a message), and the packed program reads back with every segment, resource and name
// unchanged: the check restallow-min makes before it writes anything.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "Minimizer.h"
#include "NeFile.h"
#include "PackedCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view file(reinterpret_cast<const char*>(data), size);
    if (!ne::ReadProgram(file)) return 0;
    const auto packed = ne::Minimize(file);
    if (!packed) return 0;
    if (!ne::CheckPacked(file, *packed)) std::abort();
    return 0;
}
