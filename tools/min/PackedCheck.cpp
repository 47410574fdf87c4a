// The read-back check of a packed program.
#include "PackedCheck.h"

#include <algorithm>
#include <string>

#include "NeFile.h"

namespace ne {
namespace {

fileaccess::Error Differs(const std::string& what) { return fileaccess::FormatError("the packed program " + what); }

// The bytes of a block that the file holds: the last resource may be cut short by its end.
std::string_view Held(std::string_view file, std::uint64_t offset, std::uint64_t size) {
    if (offset >= file.size()) return {};
    return file.substr(offset, std::min<std::uint64_t>(size, file.size() - offset));
}

}  // namespace

fileaccess::Status CheckPacked(std::string_view original, std::string_view packed) {
    const fileaccess::Result<Program> before = ReadProgram(original);
    if (!before) return before.error();
    const fileaccess::Result<Program> after = ReadProgram(packed);
    if (!after) return Differs("does not read back: " + after.error().message);
    if (after->segments.size() != before->segments.size()) return Differs("has another number of segments");
    for (std::size_t i = 0; i < before->segments.size(); ++i) {
        const Segment& a = before->segments[i];
        const Segment& b = after->segments[i];
        if (a.flags != b.flags ||
            Held(original, a.offset, a.size + a.relocSize) != Held(packed, b.offset, b.size + b.relocSize)) {
            return Differs("changed segment " + std::to_string(i + 1));
        }
    }
    if (after->resources.size() != before->resources.size()) return Differs("has another number of resources");
    for (std::size_t i = 0; i < before->resources.size(); ++i) {
        const Resource& a = before->resources[i];
        const Resource& b = after->resources[i];
        const std::string_view bytes = Held(original, a.offset, a.size);
        if (a.typeId != b.typeId || a.id != b.id || b.size < bytes.size() ||
            Held(packed, b.offset, bytes.size()) != bytes) {
            return Differs("changed resource " + std::to_string(i + 1));
        }
    }
    if (Held(original, before->nonResidentOffset, before->nonResidentSize) !=
        Held(packed, after->nonResidentOffset, after->nonResidentSize)) {
        return Differs("changed the non-resident names");
    }
    return fileaccess::Ok();
}

}  // namespace ne
