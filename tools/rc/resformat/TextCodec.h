// Text decoding and encoding for scripts: UTF-8, Windows-1252 and every other code page of the
// system's iconv, read as rc.exe reads them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rc {

// A code page of 0 means: UTF-8 when the bytes are valid UTF-8, else Windows-1252.
inline constexpr int kAutoCodePage = 0;
inline constexpr int kCp1252 = 1252;
inline constexpr int kCpUtf8 = 65001;
// What a byte sequence that spells no character of its code page reads as.
inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// One character of a text and the number of bytes that spell it there.
struct CodePoint {
    char32_t value = 0;
    std::uint8_t length = 1;
};

// 0, 1252, 65001, and any other code page that the system can convert.
bool IsSupportedCodePage(int codePage);
bool IsValidUtf8(std::string_view bytes);
char16_t Cp1252ToUnicode(std::uint8_t byte);
std::optional<std::uint8_t> UnicodeToCp1252(char16_t unit);

// The characters of `bytes` in the code page; a sequence that spells no character reads as
// U+FFFD (in UTF-8 the sequences rc.exe rejects, after Table 3-7 of the Unicode standard).
std::vector<CodePoint> DecodeCodePoints(std::string_view bytes, int codePage);
// The same as UTF-16.
std::u16string Decode(std::string_view bytes, int codePage);
void AppendUtf16(std::u16string& out, char32_t code);

// A character written as narrow text in the code page (0 means 1252): its bytes, or "?" where
// the code page has no such character, as rc.exe writes narrow strings.
void AppendNarrow(std::string& out, char32_t code, int codePage);

std::string Utf16ToUtf8(std::u16string_view text);

}  // namespace rc
