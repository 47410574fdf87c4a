// Bitmap headers: BITMAPCOREHEADER (12 bytes, 3-byte colours) and BITMAPINFOHEADER with its
// V4 and V5 forms (4-byte colours, bit masks after the header for BI_BITFIELDS).
#include "encode/BitmapFile.h"

#include "resformat/Bytes.h"

namespace rc {
namespace {

constexpr std::size_t kFileHeader = 14;

// The colours the table should hold, and the bytes of each; 0 colours where none is needed.
bool Palette(std::string_view head, std::uint32_t headerSize, std::uint64_t& colors, unsigned& elementSize,
             unsigned& masks) {
    if (headerSize == 12) {
        if (head.size() < kFileHeader + 12) return false;
        const std::uint16_t bits = ReadU16(head, kFileHeader + 10);
        colors = bits <= 8 ? (1u << bits) : 0;
        elementSize = 3;
        masks = 0;
        return bits == 1 || bits == 4 || bits == 8 || bits == 24;
    }
    if ((headerSize != 40 && headerSize != 108 && headerSize != 124) || head.size() < kFileHeader + 40) return false;
    const std::uint16_t bits = ReadU16(head, kFileHeader + 14);
    const std::uint32_t compression = ReadU32(head, kFileHeader + 16);
    const std::uint32_t used = ReadU32(head, kFileHeader + 32);
    if (bits == 1 || bits == 4 || bits == 8) {
        if (used > (1u << bits)) return false;
        colors = used == 0 ? (1u << bits) : used;
    } else if (bits == 16 || bits == 24 || bits == 32) {
        colors = used;
    } else {
        return false;
    }
    elementSize = 4;
    masks = compression == 3 ? 12 : compression == 6 ? 16 : 0;
    return true;
}

}  // namespace

std::uint32_t PixelOffset(std::string_view head) { return head.size() >= kFileHeader ? ReadU32(head, 10) : 0; }

std::uint64_t MissingPaletteBytes(std::string_view head, std::uint64_t fileSize) {
    constexpr std::uint64_t kMaxMissing = 4096;
    if (head.size() < kFileHeader + 4) return 0;
    const std::uint32_t pixels = PixelOffset(head);
    const std::uint32_t headerSize = ReadU32(head, kFileHeader);
    if (pixels > fileSize || pixels < kFileHeader + static_cast<std::uint64_t>(headerSize)) return 0;
    std::uint64_t colors = 0;
    unsigned elementSize = 0, masks = 0;
    if (!Palette(head, headerSize, colors, elementSize, masks)) return 0;
    const std::uint64_t between = pixels - kFileHeader - headerSize;
    if (between < masks) return 0;
    const std::uint64_t expected = colors * elementSize;
    const std::uint64_t actual = between - masks;
    return actual < expected && expected - actual <= kMaxMissing ? expected - actual : 0;
}

}  // namespace rc
