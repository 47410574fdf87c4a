// #define lines turned into macros, and the table that holds them.
#include "MacroTable.h"

#include <algorithm>
#include <stdexcept>

#include "BuiltinHash.h"
#include "BuiltinHeaders.h"

namespace rc {

int Macro::ParamIndex(std::string_view word) const {
    for (std::size_t i = 0; i < params.size(); ++i) {
        if (params[i] == word) return static_cast<int>(i);
    }
    return -1;
}

namespace {

// Reads "(a, b, ...)" starting at the "("; returns the index after the ")".
std::size_t ParseParams(const std::vector<PpToken>& tokens, std::size_t i, Macro& macro) {
    ++i;
    if (i < tokens.size() && tokens[i].Is(")")) return i + 1;
    while (true) {
        if (i >= tokens.size()) throw std::runtime_error("missing ')' in the parameters of macro '" + macro.name + "'");
        const PpToken& token = tokens[i];
        if (token.Is("...")) {
            macro.variadic = true;
            macro.params.push_back("__VA_ARGS__");
            ++i;
        } else if (token.kind == PpKind::Identifier) {
            if (macro.ParamIndex(token.text) >= 0) {
                throw std::runtime_error("duplicate parameter '" + std::string(token.text) + "' of macro '" + macro.name + "'");
            }
            macro.params.emplace_back(token.text);
            ++i;
            if (i < tokens.size() && tokens[i].Is("...")) {
                macro.variadic = true;
                ++i;
            }
        } else {
            throw std::runtime_error("bad parameter '" + std::string(token.text) + "' of macro '" + macro.name + "'");
        }
        if (i < tokens.size() && tokens[i].Is(")")) return i + 1;
        if (macro.variadic || i >= tokens.size() || !tokens[i].Is(",")) {
            throw std::runtime_error("expected ',' or ')' in the parameters of macro '" + macro.name + "'");
        }
        ++i;
    }
}

// Copies the body's texts into the macro's own block and points the tokens at it.
void KeepBodyText(Macro& macro) {
    std::size_t size = 0;
    for (const PpToken& token : macro.body) size += token.text.size();
    macro.text = std::make_unique<char[]>(size + 1);
    char* at = macro.text.get();
    for (PpToken& token : macro.body) {
        std::copy(token.text.begin(), token.text.end(), at);
        token.text = std::string_view(at, token.text.size());
        at += token.text.size();
    }
}

}  // namespace

Macro ParseDefine(const std::vector<PpToken>& tokens, std::size_t i) {
    if (i >= tokens.size()) throw std::runtime_error("#define needs a macro name");
    if (tokens[i].kind != PpKind::Identifier) {
        throw std::runtime_error("macro name must be an identifier, not '" + std::string(tokens[i].text) + "'");
    }
    Macro macro;
    macro.name = tokens[i].text;
    if (macro.name == "defined") throw std::runtime_error("'defined' cannot be a macro name");
    ++i;
    if (i < tokens.size() && tokens[i].Is("(") && !tokens[i].space) {
        macro.functionLike = true;
        i = ParseParams(tokens, i, macro);
    }
    macro.body.assign(tokens.begin() + static_cast<std::ptrdiff_t>(i), tokens.end());
    if (!macro.body.empty()) macro.body.front().space = false;
    KeepBodyText(macro);
    for (std::size_t b = 0; b < macro.body.size(); ++b) {
        const PpToken& token = macro.body[b];
        if (token.Is("##") && (b == 0 || b + 1 == macro.body.size())) {
            throw std::runtime_error("'##' cannot be at either end of macro '" + macro.name + "'");
        }
        macro.pastes = macro.pastes || token.Is("##");
        if (macro.functionLike && token.Is("#") &&
            (b + 1 == macro.body.size() || macro.ParamIndex(macro.body[b + 1].text) < 0)) {
            throw std::runtime_error("'#' is not followed by a parameter of macro '" + macro.name + "'");
        }
    }
    return macro;
}

MacroTable::MacroTable() : runApplied_(BuiltinRuns().size(), 0) { macros_.reserve(1024); }

void MacroTable::Define(Macro macro) {
    Entry& entry = macros_[macro.name];  // an entry keeps its address when redefined
    entry.macro = std::move(macro);
    entry.order = ++order_;
    entry.defined = true;
}

void MacroTable::Undefine(std::string_view name) {
    if (!Defined(name)) return;
    Entry& entry = macros_[std::string(name)];
    entry.macro = Macro();
    entry.order = ++order_;
    entry.defined = false;
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
    if (created) lexed->second = ParseDefine(LexLine(latest.builtin->text), 0);
    return &lexed->second;
}

}  // namespace rc
