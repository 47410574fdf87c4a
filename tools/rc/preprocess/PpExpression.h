// Evaluates the expression of #if and #elif lines with the integer rules of C.
#pragma once

#include <cstdint>
#include <vector>

#include "preprocess/PpLexer.h"
#include "resformat/Diagnostic.h"

namespace rc {

// The tokens come macro-expanded, with "defined NAME" already replaced by 1 or 0; names left
// over count as 0. True when the value is not zero. Throws CompileError at `where` (the line of
// the #if) for a syntax error, a division by zero or nesting deeper than the evaluator allows.
bool EvaluateCondition(const std::vector<PpToken>& tokens, const Location& where);

}  // namespace rc
