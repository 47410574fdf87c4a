// MZ, NE and PE header reading.
#include "files/ExeType.h"

#include "fileaccess/InputFile.h"

#include <iterator>

namespace restallow {
namespace {

std::uint16_t U16(std::string_view b, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(b[at]) | (static_cast<std::uint8_t>(b[at + 1]) << 8));
}

std::uint32_t U32(std::string_view b, std::size_t at) { return U16(b, at) | (static_cast<std::uint32_t>(U16(b, at + 2)) << 16); }

constexpr std::size_t kNewHeaderOffset = 0x3C;
constexpr std::size_t kNeTargetOs = 0x36;
constexpr std::uint8_t kNeOs2 = 1;
constexpr std::uint16_t kPeAmd64 = 0x8664, kPeArm64 = 0xAA64, kPeIa64 = 0x0200;

}  // namespace

fileaccess::Result<std::uint32_t> BinaryTypeOf(std::string_view bytes) {
    using fileaccess::FormatError;
    if (bytes.size() < 0x40 || bytes.substr(0, 2) != "MZ") return FormatError("no MZ program", fileaccess::ErrorKind::Signature);
    const std::uint32_t next = U32(bytes, kNewHeaderOffset);
    // A program without a valid new header is a DOS program.
    if (next < 0x40 || next > bytes.size() || bytes.size() - next < 2) return std::uint32_t{ScsDosBinary};
    const std::string_view signature = bytes.substr(next, 2);
    if (signature == "NE") {
        if (bytes.size() - next <= kNeTargetOs) return FormatError("the NE header is cut short");
        return static_cast<std::uint8_t>(bytes[next + kNeTargetOs]) == kNeOs2 ? std::uint32_t{ScsOs216Binary} : ScsWowBinary;
    }
    if (signature == "PE") {
        if (bytes.size() - next < 6 || bytes.substr(next, 4) != std::string_view("PE\0\0", 4)) {
            return FormatError("the PE header is cut short or malformed");
        }
        const std::uint16_t machine = U16(bytes, next + 4);
        return machine == kPeAmd64 || machine == kPeArm64 || machine == kPeIa64 ? std::uint32_t{Scs64BitBinary} : Scs32BitBinary;
    }
    return std::uint32_t{ScsDosBinary};
}

fileaccess::Result<std::uint32_t> BinaryTypeOfFile(const std::string& path) {
    // A folder, FIFO or device is no program (and is never waited on).
    const fileaccess::Result<fileaccess::InputFile> file = fileaccess::InputFile::Open(path);
    if (!file) return file.error();
    // The headers lie near the start; a few kilobytes hold the new header of any program.
    const fileaccess::Result<std::string> bytes = file->ReadAt(0, 64 * 1024);
    if (!bytes) return bytes.error();
    return BinaryTypeOf(*bytes);
}

}  // namespace restallow
