// Fuzz target: any bytes as an animated cursor; every frame the reader returns lies inside them.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "preview/MediaHeaders.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view file(reinterpret_cast<const char*>(data), size);
    const auto read = restallow::ReadAnimatedCursor(file);
    if (const restallow::AnimatedCursor* cursor = read ? &*read : nullptr) {
        for (std::string_view frame : cursor->frames) {
            if (frame.data() < file.data() || frame.data() + frame.size() > file.data() + file.size()) std::abort();
        }
        (void)cursor->DelayMilliseconds();
    }
    return 0;
}
