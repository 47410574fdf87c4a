// Include guards found while a file is read.
#include "preprocess/IncludeGuard.h"

#include "preprocess/PpLexer.h"

namespace rc {

void IncludeGuard::Before(std::string_view directive, std::string_view text, std::size_t depth) {
    if (!possible_) return;
    if (closed_ || (depth == 1 && (directive == "else" || directive == "elif"))) {
        possible_ = false;
    } else if (!started_) {
        started_ = true;
        const std::vector<PpToken> tokens = LexLine(text);
        if (directive == "ifndef" && tokens.size() == 3 && tokens[2].kind == PpKind::Identifier)
            name_ = std::string(tokens[2].text);
        else
            possible_ = false;
    }
}

void IncludeGuard::After(std::size_t depth) {
    if (possible_ && started_ && depth == 0) closed_ = true;
}

}  // namespace rc
