// String literals of statements turned into text or bytes, as rc.exe reads them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "parse/StatementParts.h"

namespace rc {

// How NUL characters end a string after its escapes are processed: CutAtNull at the first
// (names, classes, VERSIONINFO text), CutAtDoubleNull at the first pair, and the NULs at the end
// dropped (string tables).
enum class NullHandling { Keep, CutAtNull, CutAtDoubleNull };

// A character of a literal after its escapes; an escaped number (\x41, \101) is no character of
// the code page but a value that the string's width truncates.
struct LiteralChar {
    char32_t value = 0;
    bool escaped = false;
};

// The characters of a literal's body (without L and the outer quotes, doubled quotes still
// doubled) read in the code page: "" is a quote; \a is 8, \n, \r, \t, \\ and \" as in C; \ooo
// and \xhh take up to 3 and 2 digits (7 and 4 in a wide string); a backslash before any other
// character stays in a narrow string and goes in a wide one, with that character; a tab is
// spaces to the next multiple of 8 columns (`column` is where the literal starts); a line end
// and the blanks after it are a blank and a line feed.
std::vector<LiteralChar> ReadLiteral(std::string_view body, bool wide, int codePage, int column = 0);

// Cuts the text as `nulls` says.
void CutAtNulls(std::u16string& text, NullHandling nulls);

// The literal as UTF-16: escaped values truncated to 16 bits.
std::u16string LiteralText(std::string_view body, bool wide, int codePage, NullHandling nulls, int column = 0);
std::u16string DecodeLiteral(const StringLiteral& literal, NullHandling nulls);

// A quoted file name: its escapes processed (\\ is one backslash), the rest of its bytes as
// written, so that the name is a path of this system whatever code page the script is in.
std::string LiteralFileName(const StringLiteral& literal);

// The literal as narrow text: a narrow literal's escaped values truncated to a byte, characters
// (and a wide literal's escaped values) in `outputCodePage` ('?' where it has none).
std::string LiteralNarrowBytes(const StringLiteral& literal, int outputCodePage);

// A narrow literal as the bytes of data: its narrow text in the literal's output code page; a
// wide one as UTF-16LE. Appended to `out`.
void AppendDataBytes(std::string& out, const StringLiteral& literal);
std::string LiteralDataBytes(const StringLiteral& literal);

}  // namespace rc
