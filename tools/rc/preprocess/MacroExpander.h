// Expands macros in a line of tokens as C does: arguments first, then the result rescanned.
#pragma once

#include <deque>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "preprocess/MacroTable.h"
#include "resformat/Diagnostic.h"

namespace rc {

class MacroExpander {
public:
    // `where` is the line expanded: what __FILE__ and __LINE__ give, and where errors are. In a
    // `condition` (#if) the name after "defined" is left as it is, also where a macro produced
    // the "defined".
    MacroExpander(const MacroTable& macros, Location where, bool condition = false) : macros_(macros) {
        Start(std::move(where), condition);
    }
    // An expander to be started on each line.
    explicit MacroExpander(const MacroTable& macros) : macros_(macros) {}
    // Goes on with another line: the tokens made for the one before are no longer valid. The
    // stores keep their storage, so that an expander kept from line to line rarely allocates.
    void Start(Location where, bool condition = false);

    // Throws CompileError: a wrong number of arguments,
    // an argument list that is not closed, or an expansion grown beyond reason. The tokens made
    // refer to text the expander holds: they are used while it lives.
    std::vector<PpToken> Expand(std::vector<PpToken> tokens, int depth = 0);
    // The same into `out`, emptied first. `tokens` is the work stack and is left empty; the
    // storage of both is kept, for a caller that expands line after line.
    void Expand(std::vector<PpToken>& tokens, std::vector<PpToken>& out, int depth = 0);

private:
    using Args = std::vector<std::vector<PpToken>>;

    bool Special(PpToken& token);
    std::string_view Keep(std::string text);
    static bool Contains(const HiddenSet* set, const Macro* macro);
    const HiddenSet* With(const HiddenSet* set, const Macro* macro);
    const HiddenSet* Union(const HiddenSet* a, const HiddenSet* b);
    const HiddenSet* Intersection(const HiddenSet* a, const HiddenSet* b);
    void KeepDefinedOperand(std::vector<PpToken>& input, std::vector<PpToken>& out) const;
    Args CollectArgs(const Macro& macro, std::vector<PpToken>& input, const HiddenSet*& closeHidden);
    std::vector<PpToken> Substitute(const Macro& macro, const Args& args, int depth);
    void PushReplacement(std::vector<PpToken>& input, std::span<const PpToken> replacement, const HiddenSet* hidden,
                         bool space);
    void Paste(std::vector<PpToken>& result, std::vector<PpToken> right, const Macro& macro);
    void Charge(std::span<const PpToken> produced);
    void Append(std::vector<PpToken>& result, std::span<const PpToken> produced);

    const MacroTable& macros_;
    Location where_;
    bool condition_ = false;
    // What the expansion of the line may still produce, in tokens and in bytes of their text.
    std::size_t tokensLeft_ = 0;
    std::size_t bytesLeft_ = 0;
    // Deques keep their elements in place, and clearing one keeps a block for the next line.
    std::deque<std::string> texts_;  // of the tokens expansion makes
    std::deque<HiddenSet> sets_;
};

}  // namespace rc
