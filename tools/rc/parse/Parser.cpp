// The statement parser: resource lines, RCDATA blocks, string tables, LANGUAGE and #pragma code_page.
#include "parse/Parser.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>
#include <strings.h>

#include "parse/Keywords.h"
#include "resformat/TextCodec.h"

namespace rc {
namespace {

std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::toupper(c); });
    return text;
}

std::uint16_t DefaultFlags(ResourceStmt::Kind kind) {
    switch (kind) {
    case ResourceStmt::Kind::Icon:
    case ResourceStmt::Kind::Cursor: return MfDiscardable | MfMoveable;
    case ResourceStmt::Kind::AniCursor:
    case ResourceStmt::Kind::AniIcon: return MfDiscardable | MfMoveable | MfPure;
    default: return MfMoveable | MfPure;
    }
}

std::uint16_t DefaultFlags(ResourceStmt::Kind kind, const ResourceId& type) {
    if (type == ResourceId::Number(RtFont) || type == ResourceId::Number(RtFontDir)) return MfMoveable | MfDiscardable;
    return DefaultFlags(kind);
}

// Applies a memory option; false when the word is none.
bool ApplyMemoryOption(const std::string& word, std::uint16_t& flags) {
    if (word == "MOVEABLE") flags |= MfMoveable;
    else if (word == "FIXED") flags &= ~(MfMoveable | MfDiscardable);
    else if (word == "PURE" || word == "SHARED") flags |= MfPure;
    else if (word == "IMPURE" || word == "NONSHARED") flags &= ~(MfPure | MfDiscardable);
    else if (word == "PRELOAD") flags |= MfPreload;
    else if (word == "LOADONCALL") flags &= ~MfPreload;
    else if (word == "DISCARDABLE") flags |= MfDiscardable | MfMoveable | MfPure;
    else return false;
    return true;
}

std::uint32_t ParseNumber(const Token& token, bool& isLong) {
    std::string digits = token.text;
    isLong = !digits.empty() && (digits.back() == 'L' || digits.back() == 'l');
    if (isLong) digits.pop_back();
    int base = 10;
    std::size_t start = 0;
    if (digits.size() > 1 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
        base = 16;
        start = 2;
    } else if (digits.size() > 1 && digits[0] == '0') {
        base = 8;
        start = 1;
    }
    std::uint64_t value = 0;
    if (start == digits.size()) throw CompileError(token.where, "invalid number " + QuotedText(token.text));
    for (std::size_t i = start; i < digits.size(); ++i) {
        const int c = std::tolower(static_cast<unsigned char>(digits[i]));
        const int digit = std::isdigit(c) ? c - '0' : std::isalpha(c) ? c - 'a' + 10 : 99;
        if (digit >= base) throw CompileError(token.where, "invalid number " + QuotedText(token.text));
        value = value * base + digit;
        if (value > 0xFFFFFFFFull) throw CompileError(token.where, "number " + QuotedText(token.text) + " is too large");
    }
    return static_cast<std::uint32_t>(value);
}

}  // namespace

Parser::Parser(std::vector<Token> tokens, ParserOptions options)
    : options_(std::move(options)), codePage_(options_.codePage) {
    sources_.push_back({std::move(tokens), 0});
}

const Token& Parser::Peek() {
    while (true) {
        Source& source = sources_.back();
        const Token& token = source.tokens[source.next];
        if (token.kind == TokenKind::End && sources_.size() > 1) {
            sources_.pop_back();
            continue;
        }
        if (token.kind == TokenKind::Directive) {
            const Token directive = token;
            ++source.next;
            Directive(directive);
            continue;
        }
        return token;
    }
}

Token Parser::Take() {
    Token token = Peek();
    Source& source = sources_.back();
    if (token.kind != TokenKind::End) ++source.next;
    return token;
}

Token Parser::Expect(TokenKind kind, const char* what) {
    Token token = Take();
    if (token.kind != kind) Unexpected(token, what ? what : TokenKindName(kind));
    return token;
}

void Parser::Unexpected(const Token& found, std::string_view what) {
    throw CompileError(found.where, "expected " + std::string(what) + ", found " + Described(found));
}

bool Parser::IsWord(const Token& token, const char* word) const {
    return token.kind == TokenKind::Identifier && strcasecmp(token.text.c_str(), word) == 0;
}

void Parser::Directive(const Token& token) {
    std::string_view line = token.text;
    line.remove_prefix(1);
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    if (line.starts_with("pragma")) {
        const auto open = line.find('(');
        const auto close = line.find(')');
        if (line.find("code_page") == std::string_view::npos || open == std::string_view::npos || close < open) {
            throw CompileError(token.where, "unsupported #pragma: " + ShortText(token.text));
        }
        const std::string value(line.substr(open + 1, close - open - 1));
        int codePage = -1;
        try {
            codePage = value == "DEFAULT" ? kAutoCodePage : std::stoi(value);
        } catch (const std::exception&) {
        }
        if (!IsSupportedCodePage(codePage)) throw CompileError(token.where, "unsupported code page " + QuotedText(value));
        codePage_ = codePage;
    } else {
        throw CompileError(token.where, "unsupported preprocessor directive: " + ShortText(token.text));
    }
}

std::optional<Statement> Parser::Next() {
    const Token first = Take();
    if (first.kind == TokenKind::End) return std::nullopt;
    if (IsWord(first, "LANGUAGE")) return LanguageStmt{ParseLanguage()};
    if (IsWord(first, "STRINGTABLE")) return ParseStringTable(first);
    const std::string upper = first.kind == TokenKind::Identifier ? Upper(first.text) : std::string();
    if (const char* context = BlockWordContext(upper)) throw CompileError(first.where, upper + " " + context);
    const Token& type = Peek();
    if (IsWord(type, "MENU") || IsWord(type, "MENUEX")) return ParseMenu(first);
    if (IsWord(type, "VERSIONINFO")) return ParseVersionInfo(first);
    if (IsWord(type, "ACCELERATORS")) return ParseAccelerators(first);
    if (IsWord(type, "TOOLBAR")) return ParseToolbar(first);
    return ParseResource(first);
}

ResourceId Parser::ParseId(const Token& token, const char* what) {
    switch (token.kind) {
    case TokenKind::Int: {
        bool isLong = false;
        const std::uint32_t value = ParseNumber(token, isLong);
        if (value > 0xFFFF) throw CompileError(token.where, std::string(what) + " " + ShortText(token.text) + " does not fit in 16 bits");
        return ResourceId::Number(static_cast<std::uint16_t>(value));
    }
    case TokenKind::Identifier: {
        const std::string upper = Upper(token.text);
        return ResourceId::Text(std::u16string(upper.begin(), upper.end()));
    }
    case TokenKind::String:
        try {
            return ResourceId::Text(ProcessStringLiteral(token.text, token.wide, codePage_, NullHandling::CutAtNull));
        } catch (const std::runtime_error& error) {
            throw CompileError(token.where, error.what());
        }
    default:
        Unexpected(token, what);
    }
}

// expression := term { ("+" | "-" | "|" | "&") term }, evaluated from left to right.
// term := "-" term | "~" term | "NOT" term | "(" expression ")" | number.
// NOT x is worth 0 and clears x from what stands left of it and from a control's default style.
std::uint32_t Parser::ParseExpression(bool* isLong) { return ParseMasked(isLong, 0).value; }

MaskedValue Parser::ParseMaskedExpression() { return ParseMasked(nullptr, 0); }

MaskedValue Parser::ParseMasked(bool* isLong, int depth) {
    MaskedValue value = ParseTerm(isLong, depth);
    while (Peek().kind == TokenKind::Operator && Peek().text != "~") {
        const char op = Take().text[0];
        const MaskedValue right = ParseTerm(isLong, depth);
        value.value &= ~right.notMask;
        value.value = op == '+' ? value.value + right.value
                    : op == '-' ? value.value - right.value
                    : op == '|' ? value.value | right.value
                                : value.value & right.value;
        value.notMask |= right.notMask;
    }
    return value;
}

MaskedValue Parser::ParseTerm(bool* isLong, int depth) {
    // Deep nesting in a script must end in an error, not in an overflow of the stack.
    constexpr int kMaxDepth = 256;
    const Token token = Take();
    if (depth >= kMaxDepth) throw CompileError(token.where, "expression nested too deeply");
    if (token.kind == TokenKind::Operator && token.text == "-") {
        MaskedValue value = ParseTerm(isLong, depth + 1);
        value.value = 0u - value.value;
        return value;
    }
    if (token.kind == TokenKind::Operator && token.text == "~") return {~ParseTerm(isLong, depth + 1).value, 0};
    if (IsWord(token, "NOT")) return {0, ParseTerm(isLong, depth + 1).value};
    if (token.kind == TokenKind::LeftParen) {
        const MaskedValue value = ParseMasked(isLong, depth + 1);
        Expect(TokenKind::RightParen);
        return value;
    }
    if (token.kind != TokenKind::Int) Unexpected(token, std::string("a ") + TokenKindName(TokenKind::Int));
    bool tokenLong = false;
    const std::uint32_t value = ParseNumber(token, tokenLong);
    if (isLong && tokenLong) *isLong = true;
    return {value, 0};
}

std::uint16_t Parser::ParseLanguage() {
    const Location where = Peek().where;
    const std::uint32_t primary = ParseExpression();
    Expect(TokenKind::Comma);
    const std::uint32_t sub = ParseExpression();
    if (primary >= (1u << 10)) throw CompileError(where, "primary language id " + std::to_string(primary) + " does not fit in 10 bits");
    if (sub >= (1u << 6)) throw CompileError(where, "sublanguage id " + std::to_string(sub) + " does not fit in 6 bits");
    return static_cast<std::uint16_t>(primary | (sub << 10));
}

void Parser::ParseOptions(ResourceOptions& options, bool memoryOnly) {
    while (Peek().kind == TokenKind::Identifier) {
        const std::string word = Upper(Peek().text);
        if (ApplyMemoryOption(word, options.flags)) {
            Take();
        } else if (memoryOnly || !ParseStatementOption(word, options)) {
            return;
        }
    }
}

bool Parser::ParseStatementOption(const std::string& word, ResourceOptions& options) {
    if (word != "LANGUAGE" && word != "VERSION" && word != "CHARACTERISTICS") return false;
    Take();
    if (word == "LANGUAGE") options.language = ParseLanguage();
    else if (word == "VERSION") options.version = ParseExpression();
    else options.characteristics = ParseExpression();
    return true;
}

bool Parser::AtBlockStart() {
    const Token& token = Peek();
    return token.kind == TokenKind::LeftBrace || IsWord(token, "BEGIN");
}

bool Parser::AtBlockEnd() {
    const Token& token = Peek();
    return token.kind == TokenKind::RightBrace || IsWord(token, "END");
}

StringLiteral Parser::Literal(const Token& token) const { return {token.text, token.wide, codePage_, token.where}; }

Statement Parser::ParseResource(const Token& nameToken) {
    ResourceStmt stmt;
    stmt.where = nameToken.where;
    stmt.name = ParseId(nameToken, "resource name");
    const Token typeToken = Take();
    if (typeToken.kind == TokenKind::End) Unexpected(typeToken, "a resource type");
    const std::string word = typeToken.kind == TokenKind::Identifier ? Upper(typeToken.text) : std::string();
    using Kind = ResourceStmt::Kind;
    if (word == "DIALOG" || word == "DIALOGEX") return ParseDialog(stmt.name, nameToken.where, word == "DIALOGEX");
    if (word == "BITMAP") stmt.kind = Kind::Bitmap, stmt.type = ResourceId::Number(RtBitmap);
    else if (word == "ICON") stmt.kind = Kind::Icon;
    else if (word == "CURSOR") stmt.kind = Kind::Cursor;
    else if (word == "ANICURSOR") stmt.kind = Kind::AniCursor, stmt.type = ResourceId::Number(RtAniCursor);
    else if (word == "ANIICON") stmt.kind = Kind::AniIcon, stmt.type = ResourceId::Number(RtAniIcon);
    else if (word == "RCDATA") stmt.kind = Kind::Data, stmt.type = ResourceId::Number(RtRcData);
    else if (const auto number = KeywordType(word)) stmt.kind = Kind::Data, stmt.type = ResourceId::Number(*number);
    else stmt.kind = Kind::Data, stmt.type = ParseId(typeToken, "resource type");

    stmt.flags = DefaultFlags(stmt.kind, stmt.type);
    ParseOptions(stmt, stmt.kind != Kind::Data);
    if (stmt.kind == Kind::Data && AtBlockStart()) {
        const Location start = Take().where;
        stmt.data = ParseData(start);
        return stmt;
    }
    const Token file = Take();
    if (file.kind != TokenKind::String && file.kind != TokenKind::Identifier) Unexpected(file, "a file name");
    if (file.text.empty()) throw CompileError(file.where, "empty file name");
    stmt.file = file.text;  // backslashes and other characters stay as written
    return stmt;
}

std::vector<DataItem> Parser::ParseData(const Location& start) {
    std::vector<DataItem> items;
    while (!AtBlockEnd()) {
        if (Peek().kind == TokenKind::End) throw CompileError(start, "block is not closed by END or '}'");
        if (Peek().kind == TokenKind::Comma) {
            Take();
            continue;
        }
        DataItem item;
        if (Peek().kind == TokenKind::String) {
            item.isString = true;
            item.string = Literal(Take());
        } else {
            item.value = ParseExpression(&item.isLong);
        }
        items.push_back(std::move(item));
    }
    Take();
    return items;
}

StringTableStmt Parser::ParseStringTable(const Token& keyword) {
    StringTableStmt stmt;
    stmt.where = keyword.where;
    stmt.flags = MfMoveable | MfPure | MfDiscardable;
    ParseOptions(stmt, false);
    if (!AtBlockStart()) throw CompileError(Peek().where, "expected BEGIN or '{' after STRINGTABLE");
    const Location start = Take().where;
    while (!AtBlockEnd()) {
        const Token& next = Peek();
        if (next.kind == TokenKind::End) throw CompileError(start, "STRINGTABLE is not closed by END or '}'");
        if (next.kind == TokenKind::Identifier || next.kind == TokenKind::String) {
            throw CompileError(next.where, "string id must be a number, not " + QuotedText(next.text));
        }
        StringEntry entry;
        entry.where = next.where;
        entry.id = ParseExpression();
        if (Peek().kind == TokenKind::Comma) Take();
        while (Peek().kind == TokenKind::String) entry.pieces.push_back(Literal(Take()));
        if (entry.pieces.empty()) Unexpected(Peek(), "a string for id " + std::to_string(entry.id));
        stmt.entries.push_back(std::move(entry));
        if (Peek().kind == TokenKind::Semicolon) Take();  // rc.exe and wrc take it; llvm-rc does not
    }
    Take();
    return stmt;
}

}  // namespace rc
