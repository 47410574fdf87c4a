// Fuzz target: any bytes as an AVI clip's header, and as MIDI and font files for their checks.
#include <cstdint>
#include <string_view>

#include "preview/MediaHeaders.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view file(reinterpret_cast<const char*>(data), size);
    (void)restallow::ReadAviHeader(file);
    (void)restallow::CheckMidi(file);
    (void)restallow::ReadFontFamily(file);
    return 0;
}
