// String literals of statements turned into text, with errors at the literal's line.
#pragma once

#include <string>
#include <string_view>

#include "Statements.h"
#include "TextCodec.h"

namespace rc {

// The literal's text with its escapes processed in the code page in force where it stood.
std::u16string DecodeLiteral(const StringLiteral& literal, NullHandling nulls);

// The text in code page 1252, as the 16-bit format stores it; throws CompileError at `where`
// naming `what` for a character that code page lacks.
std::string NarrowText(std::u16string_view text, const Location& where, const char* what);

}  // namespace rc
