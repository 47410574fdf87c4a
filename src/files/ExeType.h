// Tells what kind of program a file is, with the codes of the Windows binary-type query.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "fileaccess/Result.h"

namespace restallow {

enum BinaryType : std::uint32_t {
    Scs32BitBinary = 0,
    ScsDosBinary = 1,
    ScsWowBinary = 2,  // a 16-bit Windows program
    ScsOs216Binary = 5,
    Scs64BitBinary = 6,
};

// The code 0x030A454E: an NE program that asks for Windows 3.10 ("NE" and version 3.10).
inline constexpr std::uint32_t kNeWindows310 = 0x030A454E;

// The binary type of an MZ program (DOS, NE for Windows or OS/2, PE 32- or 64-bit); a Signature
// error when the bytes are no MZ program, a Format error when its NE or PE header is cut short.
fileaccess::Result<std::uint32_t> BinaryTypeOf(std::string_view bytes);
// The same for a file; its error when it is no regular file or cannot be read.
fileaccess::Result<std::uint32_t> BinaryTypeOfFile(const std::string& path);

// The type code the file fields work with: 0 when the test fails.
inline std::uint32_t GetExeType(const std::string& path) { return BinaryTypeOfFile(path).value_or(0); }
inline bool Is16BitWindowsProgram(std::uint32_t typeCode) {
    return typeCode == kNeWindows310 || typeCode == ScsWowBinary;
}

}  // namespace restallow
