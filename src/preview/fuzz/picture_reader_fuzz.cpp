// Fuzz target: any bytes as an icon or cursor (every image drawn at 32 x 32 and at 3 x 2), and as
// a bitmap file reduced to 7 x 5; nothing may read outside the bytes or pass the memory ceiling.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "preview/BmpFile.h"
#include "preview/IconImage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto icon = restallow::ReadIconFile(bytes);
    if (const restallow::IconFile* file = icon ? &*icon : nullptr) {
        for (const restallow::IconEntry& image : file->images) {
            (void)restallow::DrawIconImage(image, 32, 32, 0x336699);
            (void)restallow::DrawIconImage(image, 3, 2, 0);
        }
        (void)restallow::ChooseIconImage(file->images, 32, 32);
    }
    const int fd = memfd_create("bmp", 0);
    if (fd < 0) return 0;
    if (write(fd, data, size) == static_cast<ssize_t>(size)) {
        (void)restallow::ReadBmpFile("/proc/self/fd/" + std::to_string(fd), [](int, int) { return std::pair(7, 5); });
    }
    close(fd);
    return 0;
}
