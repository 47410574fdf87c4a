// #define lines turned into macros, and the table that holds them.
#include "preprocess/MacroTable.h"

#include <algorithm>

#include "preprocess/BuiltinHash.h"
#include "preprocess/BuiltinHeaders.h"
#include "resformat/Diagnostic.h"

namespace rc {

int Macro::ParamIndex(std::string_view word) const {
    for (std::size_t i = 0; i < params.size(); ++i) {
        if (params[i] == word) return static_cast<int>(i);
    }
    return -1;
}

namespace {

// A copy of `text` in the arena.
std::string_view Kept(std::pmr::memory_resource& arena, std::string_view text) {
    if (text.empty()) return {};
    char* at = static_cast<char*>(arena.allocate(text.size(), 1));
    std::copy(text.begin(), text.end(), at);
    return {at, text.size()};
}

// A copy of `items` in the arena, each item's text copied too.
template <typename T, typename TextOf>
std::span<T> KeptAll(std::pmr::memory_resource& arena, std::span<const T> items, TextOf textOf) {
    if (items.empty()) return {};
    T* at = static_cast<T*>(arena.allocate(items.size() * sizeof(T), alignof(T)));
    std::uninitialized_copy(items.begin(), items.end(), at);
    for (std::size_t i = 0; i < items.size(); ++i) textOf(at[i]) = Kept(arena, textOf(at[i]));
    return {at, items.size()};
}

// Reads "(a, b, ...)" starting at the "("; returns the index after the ")". The parameters
// refer to the line's text.
std::size_t ParseParams(const std::vector<PpToken>& tokens, std::size_t i, Macro& macro,
                        std::vector<std::string_view>& params, const Location& where) {
    const auto known = [&](std::string_view word) {
        return std::find(params.begin(), params.end(), word) != params.end();
    };
    ++i;
    if (i < tokens.size() && tokens[i].Is(")")) return i + 1;
    while (true) {
        if (i >= tokens.size())
            throw CompileError(where, "missing ')' in the parameters of macro " + QuotedText(macro.name));
        const PpToken& token = tokens[i];
        if (token.Is("...")) {
            macro.variadic = true;
            params.push_back("__VA_ARGS__");
            ++i;
        } else if (token.kind == PpKind::Identifier) {
            if (known(token.text)) {
                throw CompileError(
                    where, "duplicate parameter " + QuotedText(token.text) + " of macro " + QuotedText(macro.name));
            }
            params.push_back(token.text);
            ++i;
            if (i < tokens.size() && tokens[i].Is("...")) {
                macro.variadic = true;
                ++i;
            }
        } else {
            throw CompileError(where,
                               "bad parameter " + QuotedText(token.text) + " of macro " + QuotedText(macro.name));
        }
        if (i < tokens.size() && tokens[i].Is(")")) return i + 1;
        if (macro.variadic || i >= tokens.size() || !tokens[i].Is(",")) {
            throw CompileError(where, "expected ',' or ')' in the parameters of macro " + QuotedText(macro.name));
        }
        ++i;
    }
}

void CheckBody(Macro& macro, const Location& where) {
    const std::span<const PpToken> body = macro.body;
    for (std::size_t b = 0; b < body.size(); ++b) {
        const PpToken& token = body[b];
        if (token.Is("##") && (b == 0 || b + 1 == body.size())) {
            throw CompileError(where, "'##' cannot be at either end of macro " + QuotedText(macro.name));
        }
        macro.pastes = macro.pastes || token.Is("##");
        if (macro.functionLike && token.Is("#") && (b + 1 == body.size() || macro.ParamIndex(body[b + 1].text) < 0)) {
            throw CompileError(where, "'#' is not followed by a parameter of macro " + QuotedText(macro.name));
        }
    }
}

}  // namespace

Macro ParseDefine(const std::vector<PpToken>& tokens, std::size_t i, std::pmr::memory_resource& arena,
                  const Location& where) {
    if (i >= tokens.size()) throw CompileError(where, "#define needs a macro name");
    if (tokens[i].kind != PpKind::Identifier) {
        throw CompileError(where, "macro name must be an identifier, not " + QuotedText(tokens[i].text));
    }
    Macro macro;
    macro.name = tokens[i].text;
    if (macro.name == "defined") throw CompileError(where, "'defined' cannot be a macro name");
    ++i;
    std::vector<std::string_view> params;
    if (i < tokens.size() && tokens[i].Is("(") && !tokens[i].space) {
        macro.functionLike = true;
        i = ParseParams(tokens, i, macro, params, where);
    }
    macro.params = params;
    macro.body = std::span<const PpToken>(tokens).subspan(i);
    CheckBody(macro, where);
    // Checked while it refers to the line; kept once it is sound.
    macro.name = Kept(arena, macro.name);
    macro.params = KeptAll(arena, macro.params, [](std::string_view& text) -> std::string_view& { return text; });
    const std::span<PpToken> body =
        KeptAll(arena, macro.body, [](PpToken& token) -> std::string_view& { return token.text; });
    if (!body.empty()) body.front().space = false;
    macro.body = body;
    return macro;
}

MacroTable::MacroTable() : runApplied_(BuiltinRuns().size(), 0) { macros_.reserve(1024); }

void MacroTable::Define(const std::vector<PpToken>& tokens, std::size_t first, const Location& where) {
    const Macro macro = ParseDefine(tokens, first, arena_, where);
    Entry& entry = macros_[macro.name];  // an entry keeps its address when redefined
    entry.macro = macro;
    entry.order = ++order_;
    entry.defined = true;
}

void MacroTable::Undefine(std::string_view name) {
    if (!Defined(name)) return;
    auto found = macros_.find(name);
    if (found == macros_.end()) found = macros_.try_emplace(Kept(arena_, name)).first;  // the name stays
    found->second.macro = Macro();
    found->second.order = ++order_;
    found->second.defined = false;
}

std::size_t MacroTable::Hash::operator()(std::string_view text) const { return BuiltinHash(text); }

MacroTable::Latest MacroTable::LatestOf(std::string_view name) const {
    const std::uint32_t hash = BuiltinHash(name);
    Latest latest;
    std::uint64_t order = 0;
    if (auto found = macros_.find(HashedName{name, hash}); found != macros_.end()) {
        latest.entry = &found->second;
        order = found->second.order;
    }
    for (const BuiltinDefinition& definition : FindBuiltinDefinitions(name, hash)) {
        if (runApplied_[definition.run] > order) {
            order = runApplied_[definition.run];
            latest = {nullptr, &definition};
        }
    }
    return latest;
}

bool MacroTable::Defined(std::string_view name) const {
    const Latest latest = LatestOf(name);
    return latest.builtin || (latest.entry && latest.entry->defined);
}

const Macro* MacroTable::Find(std::string_view name) const {
    const Latest latest = LatestOf(name);
    if (latest.entry) return latest.entry->defined ? &latest.entry->macro : nullptr;
    if (!latest.builtin) return nullptr;
    auto [lexed, created] = lexed_.try_emplace(latest.builtin);
    if (created) lexed->second = ParseDefine(LexLine(latest.builtin->text), 0, arena_, {});
    return &lexed->second;
}

}  // namespace rc
