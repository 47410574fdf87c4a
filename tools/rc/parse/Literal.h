// String literals of statements turned into text, with errors at the literal's line.
#pragma once

#include <string>
#include <string_view>

#include "parse/StatementParts.h"
#include "resformat/TextCodec.h"

namespace rc {

// The literal's text with its escapes processed in the code page in force where it stood.
std::u16string DecodeLiteral(const StringLiteral& literal, NullHandling nulls);

}  // namespace rc
