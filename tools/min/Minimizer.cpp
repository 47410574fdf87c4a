// Minimizer: header first, then every block in its old order at the new alignment.
#include "Minimizer.h"

#include <algorithm>

#include "NeFile.h"
#include "NeHeader.h"
#include "byteformat/ByteWriter.h"

namespace ne {
namespace {

using byteformat::PatchU16;
using byteformat::PatchU32;

// The 16- and 32-bit fields of the packed program; Layout has checked that each value fits.
std::uint16_t Word(std::uint64_t value) { return static_cast<std::uint16_t>(value); }
std::uint32_t Dword(std::uint64_t value) { return static_cast<std::uint32_t>(value); }

struct Block {
    enum Kind { SegmentData, ResourceData, NonResident } kind;
    std::size_t index;
    std::uint64_t oldOffset;
    std::uint64_t size;  // bytes it takes in the new file (the old file may hold fewer at its end)
    std::uint64_t newOffset = 0;
};

std::vector<Block> BlocksOf(const Program& p) {
    std::vector<Block> blocks;
    for (std::size_t i = 0; i < p.segments.size(); ++i) {
        const Segment& s = p.segments[i];
        if (s.offset != 0) blocks.push_back({Block::SegmentData, i, s.offset, s.size + s.relocSize});
    }
    for (std::size_t i = 0; i < p.resources.size(); ++i) {
        const Resource& r = p.resources[i];
        // The file may end inside the last resource's last unit: the new file gets the whole
        // resource, its missing bytes as zeros, so that nothing placed after it (the
        // non-resident names) moves into it.
        if (r.size != 0) blocks.push_back({Block::ResourceData, i, r.offset, r.size});
    }
    if (p.nonResidentSize != 0 && p.nonResidentOffset >= p.headerEnd) {
        blocks.push_back({Block::NonResident, 0, p.nonResidentOffset, p.nonResidentSize});
    }
    std::sort(blocks.begin(), blocks.end(), [](const Block& a, const Block& b) { return a.oldOffset < b.oldOffset; });
    return blocks;
}

// Lays the blocks out behind the header with alignment 1 << shift; false when an offset or a
// resource length no longer fits its 16-bit field.
bool Layout(std::vector<Block>& blocks, const Program& p, std::uint64_t headerSize, unsigned shift) {
    const std::uint64_t unit = 1ull << shift;
    std::uint64_t position = headerSize;
    for (Block& block : blocks) {
        if (block.kind != Block::NonResident) position = (position + unit - 1) / unit * unit;
        block.newOffset = position;
        if (block.kind != Block::NonResident && (position >> shift) > 0xFFFF) return false;
        if (block.kind == Block::ResourceData && (p.resources[block.index].size + unit - 1) / unit > 0xFFFF)
            return false;
        position += block.size;
    }
    return true;
}

}  // namespace

fileaccess::Result<std::string> Minimize(std::string_view file) {
    const fileaccess::Result<Program> read = ReadProgram(file);
    if (!read) return read.error();
    const Program& p = *read;

    std::uint64_t headerSize = p.headerEnd;
    if (p.nonResidentSize != 0 && p.nonResidentOffset < p.headerEnd) {
        headerSize = std::max<std::uint64_t>(headerSize, p.nonResidentOffset + p.nonResidentSize);
    }
    std::vector<Block> blocks = BlocksOf(p);
    std::uint64_t dataEnd = headerSize;
    for (const Block& block : blocks)
        dataEnd = std::max(dataEnd, std::min<std::uint64_t>(block.oldOffset + block.size, file.size()));

    unsigned shift = 1;  // a segment shift of 0 would mean 512-byte sectors
    while (shift < 16 && !Layout(blocks, p, headerSize, shift)) ++shift;
    if (shift == 16) return fileaccess::FormatError("the program is too large to be packed");

    std::string out(file.substr(0, headerSize));
    const std::uint64_t unit = 1ull << shift;
    PatchU16(out, p.neOffset + kAlignmentShift, Word(shift));
    if (!p.resources.empty()) PatchU16(out, p.resourceTableAt, Word(shift));
    // The gang-load area names file sectors that no longer hold what it describes.
    PatchU16(out, p.neOffset + kGangLoadOffset, 0);
    PatchU16(out, p.neOffset + kGangLoadSize, 0);
    out[p.neOffset + kOtherFlags] =
        static_cast<char>(static_cast<std::uint8_t>(out[p.neOffset + kOtherFlags]) & ~kHasGangLoadArea);
    for (const Block& block : blocks) {
        out.resize(block.newOffset, '\0');
        out.append(file.substr(block.oldOffset, block.size));  // what the file holds of it
        out.resize(block.newOffset + block.size, '\0');
        switch (block.kind) {
            case Block::SegmentData:
                PatchU16(out, p.segments[block.index].entryAt, Word(block.newOffset >> shift));
                break;
            case Block::ResourceData: {
                const Resource& r = p.resources[block.index];
                PatchU16(out, r.entryAt, Word(block.newOffset >> shift));
                PatchU16(out, r.entryAt + 2, Word((r.size + unit - 1) / unit));
                break;
            }
            case Block::NonResident: PatchU32(out, p.neOffset + kNonResidentNames, Dword(block.newOffset)); break;
        }
    }
    if (p.nonResidentSize != 0 && p.nonResidentOffset < p.headerEnd)
        PatchU32(out, p.neOffset + kNonResidentNames, Dword(p.nonResidentOffset));
    // A resource without data keeps no offset: under the new unit its old one could point anywhere.
    for (const Resource& r : p.resources) {
        if (r.size == 0) PatchU16(out, r.entryAt, 0);
    }
    // A larger unit may round a resource up past its bytes; the file must hold its last unit.
    for (const Block& block : blocks) {
        if (block.kind == Block::ResourceData) {
            const std::uint64_t units = (p.resources[block.index].size + unit - 1) / unit;
            if (out.size() < block.newOffset + units * unit) out.resize(block.newOffset + units * unit, '\0');
        }
    }
    out.append(file.substr(std::min<std::uint64_t>(dataEnd, file.size())));  // anything appended after the program
    return out;
}

}  // namespace ne
