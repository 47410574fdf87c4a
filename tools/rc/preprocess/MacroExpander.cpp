// Macro expansion with the hide sets of the C standard: a name is not expanded again inside its
// own expansion, but left as it is (so "#define X X" then "#if X" reads 0).
#include "preprocess/MacroExpander.h"

#include <algorithm>

#include "resformat/Diagnostic.h"

namespace rc {
namespace {

constexpr int kMaxNesting = 200;

// The budget of one line counts what macros produce, never the line's own tokens: a generated
// data line of 140,000 values costs nothing, and a line of small macros may grow some times over.
// A macro that doubles at each level exhausts it after about twenty levels, before its tokens
// hold much memory; a stringized or pasted token counts its bytes, as copies of one long string
// would otherwise multiply the output without adding tokens.
constexpr std::size_t kExpansionTokens = std::size_t{1} << 20;
constexpr std::size_t kExpansionBytes = std::size_t{64} << 20;
constexpr std::size_t kGrowthPerToken = 8;  // more budget for each token and byte of the line itself

std::string StringizedText(const std::vector<PpToken>& arg) {
    std::string text = "\"";
    for (std::size_t i = 0; i < arg.size(); ++i) {
        if (i > 0 && arg[i].space) text += ' ';
        const bool quoted = arg[i].kind == PpKind::String || arg[i].kind == PpKind::Char;
        for (char c : arg[i].text) {
            if (quoted && (c == '"' || c == '\\')) text += '\\';
            text += c;
        }
    }
    text += '"';
    return text;
}

}  // namespace

void MacroExpander::Start(Location where, bool condition) {
    where_ = std::move(where);
    condition_ = condition;
    texts_.clear();
    sets_.clear();
}

std::string_view MacroExpander::Keep(std::string text) { return texts_.emplace_back(std::move(text)); }

bool MacroExpander::Contains(const HiddenSet* set, const Macro* macro) {
    for (; set; set = set->rest) {
        if (set->macro == macro) return true;
    }
    return false;
}

const HiddenSet* MacroExpander::With(const HiddenSet* set, const Macro* macro) {
    return Contains(set, macro) ? set : &sets_.emplace_back(HiddenSet{macro, set});
}

const HiddenSet* MacroExpander::Union(const HiddenSet* a, const HiddenSet* b) {
    if (!a || a == b) return b;
    for (; b; b = b->rest) a = With(a, b->macro);
    return a;
}

const HiddenSet* MacroExpander::Intersection(const HiddenSet* a, const HiddenSet* b) {
    if (a == b) return a;
    const HiddenSet* common = nullptr;
    for (; a; a = a->rest) {
        if (Contains(b, a->macro)) common = With(common, a->macro);
    }
    return common;
}

bool MacroExpander::Special(PpToken& token) {
    if (token.text == "__LINE__") {
        token = {PpKind::Number, token.space, Keep(std::to_string(where_.line)), nullptr};
        return true;
    }
    if (token.text == "__FILE__") {
        std::string text = "\"";
        for (char c : where_.file ? std::string_view(*where_.file) : std::string_view())
            text += (c == '"' || c == '\\') ? std::string("\\") + c : std::string(1, c);
        token = {PpKind::String, token.space, Keep(text + "\""), nullptr};
        return true;
    }
    return false;
}

std::vector<PpToken> MacroExpander::Expand(std::vector<PpToken> tokens, int depth) {
    std::vector<PpToken> out;
    out.reserve(tokens.size() + 8);
    Expand(tokens, out, depth);
    return out;
}

void MacroExpander::Expand(std::vector<PpToken>& input, std::vector<PpToken>& out, int depth) {
    if (depth > kMaxNesting) throw CompileError(where_, "macro arguments nested too deeply");
    if (depth == 0) {
        std::size_t bytes = 0;
        for (const PpToken& token : input) bytes += token.text.size();
        tokensLeft_ = kExpansionTokens + kGrowthPerToken * input.size();
        bytesLeft_ = kExpansionBytes + kGrowthPerToken * bytes;
    }
    out.clear();
    std::reverse(input.begin(), input.end());  // taken from the back
    while (!input.empty()) {
        if (depth > 0) Charge({});  // an argument scanned before it is substituted
        PpToken token = input.back();
        input.pop_back();
        const Macro* macro = token.kind == PpKind::Identifier ? macros_.Find(token.text) : nullptr;
        if (!macro || (macro->functionLike && (input.empty() || !input.back().Is("(")))) {
            const bool defined = condition_ && !macro && token.text == "defined";
            if (!macro && token.kind == PpKind::Identifier) Special(token);
            out.push_back(token);
            if (defined) KeepDefinedOperand(input, out);
            continue;
        }
        if (Contains(token.hidden, macro)) {  // a name inside its own expansion stays as it is, as in C
            out.push_back(token);
            continue;
        }
        if (!macro->functionLike && !macro->pastes) {  // its body as it stands: nothing to substitute
            Charge(macro->body);
            PushReplacement(input, macro->body, With(token.hidden, macro), token.space);
            continue;
        }
        const HiddenSet* hidden = token.hidden;
        Args args;
        if (macro->functionLike) {
            const HiddenSet* closeHidden = nullptr;
            args = CollectArgs(*macro, input, closeHidden);
            hidden = Intersection(hidden, closeHidden);
        }
        hidden = With(hidden, macro);
        PushReplacement(input, Substitute(*macro, args, depth), hidden, token.space);
    }
}

// Puts a macro's replacement in front of the rest of the input, to be scanned again. Only a name
// can be expanded again: the other tokens need no hide set.
void MacroExpander::PushReplacement(std::vector<PpToken>& input, std::span<const PpToken> replacement,
                                    const HiddenSet* hidden, bool space) {
    if (replacement.empty()) {
        if (!input.empty()) input.back().space = input.back().space || space;
        return;
    }
    for (std::size_t i = replacement.size(); i-- > 0;) {
        PpToken& piece = input.emplace_back(replacement[i]);
        if (piece.kind == PpKind::Identifier) piece.hidden = Union(piece.hidden, hidden);
        if (i == 0) piece.space = space;
    }
}

// Moves "NAME" or "( NAME )" after "defined" to the output unexpanded.
void MacroExpander::KeepDefinedOperand(std::vector<PpToken>& input, std::vector<PpToken>& out) const {
    const bool paren = !input.empty() && input.back().Is("(");
    for (int i = 0; i < (paren ? 3 : 1) && !input.empty(); ++i) {
        out.push_back(std::move(input.back()));
        input.pop_back();
    }
}

// Takes "( ... )" from the input; arguments are split at commas outside inner parentheses.
MacroExpander::Args MacroExpander::CollectArgs(const Macro& macro, std::vector<PpToken>& input,
                                               const HiddenSet*& closeHidden) {
    input.pop_back();  // "("
    Args args(1);
    int depth = 0;
    while (true) {
        if (input.empty()) throw CompileError(where_, "unterminated argument list of macro " + QuotedText(macro.name));
        PpToken token = std::move(input.back());
        input.pop_back();
        if (token.Is(")") && depth == 0) {
            closeHidden = token.hidden;
            break;
        }
        if (token.Is("(")) ++depth;
        if (token.Is(")")) --depth;
        const bool intoRest = macro.variadic && args.size() == macro.params.size();
        if (token.Is(",") && depth == 0 && !intoRest) {
            args.emplace_back();
            continue;
        }
        args.back().push_back(std::move(token));
    }
    if (!args.front().empty()) args.front().front().space = false;
    const std::size_t wanted = macro.params.size();
    if (args.size() == 1 && args[0].empty() && wanted == 0) args.clear();
    if (macro.variadic && args.size() + 1 == wanted) args.emplace_back();  // nothing for the "..."
    if (args.size() != wanted) {
        throw CompileError(where_, "macro " + QuotedText(macro.name) + " takes " + std::to_string(wanted) +
                                       " argument" + (wanted == 1 ? "" : "s") + ", " + std::to_string(args.size()) +
                                       " given");
    }
    return args;
}

std::vector<PpToken> MacroExpander::Substitute(const Macro& macro, const Args& args, int depth) {
    std::vector<PpToken> result;
    const std::span<const PpToken> body = macro.body;
    result.reserve(body.size());
    bool lastEmpty = false;  // the token before a "##" was an argument without tokens
    for (std::size_t i = 0; i < body.size(); ++i) {
        const PpToken& token = body[i];
        const int param = macro.functionLike && token.kind == PpKind::Identifier ? macro.ParamIndex(token.text) : -1;
        if (macro.functionLike && token.Is("#")) {
            const std::vector<PpToken>& arg = args[static_cast<std::size_t>(macro.ParamIndex(body[++i].text))];
            const PpToken stringized{PpKind::String, token.space, Keep(StringizedText(arg)), nullptr};
            Append(result, {&stringized, 1});
            lastEmpty = false;
        } else if (token.Is("##")) {
            const PpToken& next = body[++i];
            const int rightParam = macro.functionLike ? macro.ParamIndex(next.text) : -1;
            std::vector<PpToken> right =
                rightParam >= 0 ? args[static_cast<std::size_t>(rightParam)] : std::vector<PpToken>{next};
            if (right.empty() && !result.empty() && result.back().Is(",") && next.text == "__VA_ARGS__" && !lastEmpty) {
                result.pop_back();  // ", ## __VA_ARGS__" without arguments drops the comma
            } else if (lastEmpty || result.empty()) {
                if (!right.empty()) right.front().space = next.space;
                Append(result, right);
            } else {
                Paste(result, std::move(right), macro);
            }
            lastEmpty = right.empty() && lastEmpty;
        } else if (param >= 0) {
            const std::vector<PpToken>& arg = args[static_cast<std::size_t>(param)];
            const bool pasted = i + 1 < body.size() && body[i + 1].Is("##");
            std::vector<PpToken> piece = pasted ? arg : Expand(arg, depth + 1);
            if (!piece.empty()) piece.front().space = token.space;
            Append(result, piece);
            lastEmpty = arg.empty();
        } else {
            Append(result, {&token, 1});
            lastEmpty = false;
        }
    }
    return result;
}

void MacroExpander::Paste(std::vector<PpToken>& result, std::vector<PpToken> right, const Macro& macro) {
    if (right.empty()) return;
    PpToken& left = result.back();
    const std::string_view pasted = Keep(std::string(left.text).append(right.front().text));
    std::vector<PpToken> joined = LexLine(pasted);
    if (joined.size() != 1) {
        throw CompileError(where_, "pasting " + QuotedText(left.text, '"') + " and " +
                                       QuotedText(right.front().text, '"') + " in macro " + QuotedText(macro.name) +
                                       " does not give one token");
    }
    joined.front().space = left.space;
    Charge(joined);
    left = std::move(joined.front());
    Append(result, std::span<const PpToken>(right).subspan(1));
}

// Counts what a macro produces against the line's budget; every step of expansion costs at least
// one token, also one that produces nothing, so that expansion without growth is bounded too.
void MacroExpander::Charge(std::span<const PpToken> produced) {
    std::size_t bytes = 0;
    for (const PpToken& token : produced) bytes += token.text.size();
    const std::size_t tokens = std::max<std::size_t>(produced.size(), 1);
    if (tokens > tokensLeft_ || bytes > bytesLeft_) throw CompileError(where_, "macro expansion grows too large");
    tokensLeft_ -= tokens;
    bytesLeft_ -= bytes;
}

void MacroExpander::Append(std::vector<PpToken>& result, std::span<const PpToken> produced) {
    Charge(produced);
    result.insert(result.end(), produced.begin(), produced.end());
}

}  // namespace rc
