// The binary-type codes of what the MZ, NE and PE headers tell.
#include "files/ExeType.h"

#include <optional>

#include "byteformat/ExeHeaders.h"
#include "fileaccess/InputFile.h"

namespace restallow {
namespace {

constexpr std::uint16_t kPeAmd64 = 0x8664, kPeArm64 = 0xAA64, kPeIa64 = 0x0200;

}  // namespace

fileaccess::Result<std::uint32_t> BinaryTypeOf(std::string_view bytes) {
    using fileaccess::FormatError;
    const byteformat::MzHeader mz = byteformat::ReadMzHeader(bytes);
    switch (mz.kind) {
        case byteformat::ExeKind::NotMz: return FormatError("no MZ program", fileaccess::ErrorKind::Signature);
        case byteformat::ExeKind::Dos: return std::uint32_t{ScsDosBinary};  // also one without a valid new header
        case byteformat::ExeKind::Ne: {
            const std::optional<std::uint8_t> os = byteformat::ReadNeTargetOs(bytes, mz.newHeaderAt);
            if (!os) return FormatError("the NE header is cut short");
            return *os == byteformat::ne::kTargetOs2 ? std::uint32_t{ScsOs216Binary} : ScsWowBinary;
        }
        case byteformat::ExeKind::Pe: {
            const std::optional<std::uint16_t> machine = byteformat::ReadPeMachine(bytes, mz.newHeaderAt);
            if (!machine) return FormatError("the PE header is cut short or malformed");
            return *machine == kPeAmd64 || *machine == kPeArm64 || *machine == kPeIa64 ? std::uint32_t{Scs64BitBinary}
                                                                                       : Scs32BitBinary;
        }
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
