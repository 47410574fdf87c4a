// Decoding of string literals with errors at their place.
#include "parse/Literal.h"

#include <stdexcept>

namespace rc {

std::u16string DecodeLiteral(const StringLiteral& literal, NullHandling nulls) {
    try {
        return ProcessStringLiteral(literal.body, literal.wide, literal.codePage, nulls);
    } catch (const std::runtime_error& error) {
        throw CompileError(literal.where, error.what());
    }
}

}  // namespace rc
