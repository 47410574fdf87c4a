// Fuzz target: any bytes as an .ico/.cur file; every image the reader accepts lies inside the file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "encode/IconFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view file(reinterpret_cast<const char*>(data), size);
    const auto read = rc::ReadIconDirectory(file);
    if (read) {
        for (const rc::IconImage& image : read->images) {
            if (image.bytes.data() < file.data() ||
                image.bytes.data() + image.bytes.size() > file.data() + file.size()) {
                std::abort();
            }
            rc::ImageFormat(image.bytes);
        }
    }
    return 0;
}
