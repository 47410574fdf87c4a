// Text decoding for scripts: UTF-8, Windows-1252, and the escapes of string literals.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rc {

// A code page of 0 means: UTF-8 when the bytes are valid UTF-8, else Windows-1252.
inline constexpr int kAutoCodePage = 0;
inline constexpr int kCp1252 = 1252;
inline constexpr int kCpUtf8 = 65001;

bool IsSupportedCodePage(int codePage);
bool IsValidUtf8(std::string_view bytes);
char16_t Cp1252ToUnicode(std::uint8_t byte);
std::optional<std::uint8_t> UnicodeToCp1252(char16_t unit);

// Decodes bytes into UTF-16 units; throws std::runtime_error for bytes the code page cannot hold.
std::u16string Decode(std::string_view bytes, int codePage);

// How NUL characters end a string after its escapes are processed.
enum class NullHandling { Keep, CutAtNull, CutAtDoubleNull };

// The text of a string literal as the tokenizer kept it (without L and the outer quotes, with
// doubled quotes still doubled), with its escapes processed as resource compilers do.
// Throws std::runtime_error describing a malformed escape.
std::u16string ProcessStringLiteral(std::string_view body, bool wide, int codePage, NullHandling nulls);

std::string Utf16ToUtf8(std::u16string_view text);

}  // namespace rc
