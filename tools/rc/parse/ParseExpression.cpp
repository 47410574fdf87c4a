// Numbers and expressions as rc.exe reads them: a number is a word that starts with a digit,
// read in base 10 (leading zeros included), 16 after 0x or 8 after 0o up to its first other
// character, an L anywhere making it 32-bit, wrapping at 32 bits; a '-' or '~' written right
// before it is part of it. The operators + - | & have equal precedence, left to right.
#include <cctype>

#include "parse/Keywords.h"
#include "parse/Parser.h"

namespace rc {
namespace {

// Deep nesting in a script must end in an error, not in an overflow of the stack.
constexpr int kMaxDepth = 256;

std::uint32_t Apply(char op, std::uint32_t left, std::uint32_t right) {
    return op == '+' ? left + right : op == '-' ? left - right : op == '|' ? left | right : left & right;
}

}  // namespace

NumberValue ReadNumber(std::string_view text) {
    NumberValue number;
    char prefix = 0;
    if (!text.empty() && (text[0] == '-' || text[0] == '~')) {
        prefix = text[0];
        text.remove_prefix(1);
    }
    unsigned base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X' || text[1] == 'o')) {
        base = text[1] == 'o' ? 8 : 16;
        text.remove_prefix(2);
    }
    for (const char c : text) {
        if (c == 'L' || c == 'l') {
            number.isLong = true;
            break;
        }
        const unsigned digit = c >= '0' && c <= '9'   ? static_cast<unsigned>(c - '0')
                               : c >= 'a' && c <= 'z' ? static_cast<unsigned>(c - 'a' + 10)
                               : c >= 'A' && c <= 'Z' ? static_cast<unsigned>(c - 'A' + 10)
                                                      : 99;
        if (digit >= base) break;
        number.value = number.value * base + digit;
    }
    if (prefix == '-') number.value = 0u - number.value;
    if (prefix == '~') number.value = ~number.value;
    return number;
}

// A name where a number belongs is mostly one that no #define gave a value.
void Parser::NotANumber(const Token& token) {
    if (token.kind == TokenKind::Identifier && !IsKeyword(token.text)) {
        throw CompileError(token.where, QuotedText(token.text) +
                                            " is not defined: a number is expected here (is the header "
                                            "that defines it included?)");
    }
    Unexpected(token, std::string("a ") + TokenKindName(TokenKind::Int));
}

// A '-' or '~' written right before a number is part of that number.
bool Parser::AtSignedNumber() {
    const Token& sign = Peek();
    if (sign.kind != TokenKind::Operator || (sign.text != "-" && sign.text != "~")) return false;
    const Token& next = Ahead(1);
    return next.kind == TokenKind::Int && next.glued;
}

NumberValue Parser::NumberToken() {
    if (!AtSignedNumber()) return ReadNumber(Take().text);
    std::string spelled(Take().text);
    return ReadNumber(spelled.append(Take().text));
}

// expression := term { ("+" | "-" | "|" | "&") term }, evaluated from left to right.
// term := number | "-" term | "~" term | "NOT" term | "(" expression ")".
// NOT x is worth 0 and clears x from what stands left of it and from a control's default style.
std::uint32_t Parser::ParseExpression(bool* isLong) { return ParseMasked(isLong, 0).value; }

MaskedValue Parser::ParseMasked(bool* isLong, int depth) {
    MaskedValue value = ParseTerm(isLong, depth);
    while (Peek().kind == TokenKind::Operator && Peek().text != "~") {
        const char op = Take().text[0];
        const MaskedValue right = ParseTerm(isLong, depth);
        value.value = Apply(op, value.value & ~right.notMask, right.value);
        value.notMask |= right.notMask;
    }
    return value;
}

MaskedValue Parser::ParseTerm(bool* isLong, int depth) {
    const Token& token = Peek();
    if (depth >= kMaxDepth) throw CompileError(token.where, "expression nested too deeply");
    if (token.kind == TokenKind::Int || AtSignedNumber()) {
        const NumberValue number = NumberToken();
        if (isLong && number.isLong) *isLong = true;
        return {number.value, 0};
    }
    const Token taken = Take();
    if (taken.kind == TokenKind::Operator && taken.text == "-") {
        MaskedValue value = ParseTerm(isLong, depth + 1);
        value.value = 0u - value.value;
        return value;
    }
    if (taken.kind == TokenKind::Operator && taken.text == "~") return {~ParseTerm(isLong, depth + 1).value, 0};
    if (IsWord(taken, "NOT")) return {0, ParseTerm(isLong, depth + 1).value};
    if (taken.kind == TokenKind::LeftParen) {
        const MaskedValue value = ParseMasked(isLong, depth + 1);
        Expect(TokenKind::RightParen);
        return value;
    }
    NotANumber(taken);
}

// A style: the default style joins the first number of the expression; "NOT x" first clears x
// from the default, later it clears x from what the operator before it gives.
std::uint32_t Parser::ParseFlags(std::uint32_t defaultStyle) {
    FlagsState state{defaultStyle};
    return ParseFlagsExpression(state, 0).value;
}

Parser::Flags Parser::ParseFlagsExpression(FlagsState& state, int depth) {
    Flags value = ParseFlagsTerm(state, depth);
    while (Peek().kind == TokenKind::Operator && Peek().text != "~") {
        const char op = Take().text[0];
        const Flags right = ParseFlagsTerm(state, depth);
        value = {Apply(op, value.value, right.value) & value.keep & right.keep, ~0u};
    }
    return value;
}

Parser::Flags Parser::ParseFlagsTerm(FlagsState& state, int depth) {
    const Token& token = Peek();
    if (depth >= kMaxDepth) throw CompileError(token.where, "expression nested too deeply");
    if (IsWord(token, "NOT")) {
        Take();
        const std::uint32_t cleared = ParseTerm(nullptr, depth + 1).value;
        if (state.defaultUsed) return {0, ~cleared};
        state.defaultUsed = true;
        return {state.defaultStyle & ~cleared, ~0u};
    }
    if (token.kind == TokenKind::LeftParen) {
        Take();
        const Flags inner = ParseFlagsExpression(state, depth + 1);
        Expect(TokenKind::RightParen);
        return inner;
    }
    std::uint32_t value = ParseTerm(nullptr, depth + 1).value;
    if (!state.defaultUsed) value |= state.defaultStyle;
    state.defaultUsed = true;
    return {value, ~0u};
}

// LANGUAGE primary, sub: the two parts of the id, cut to 10 and 6 bits.
std::uint16_t Parser::ParseLanguage() {
    const std::uint32_t primary = ParseExpression();
    Expect(TokenKind::Comma);
    const std::uint32_t sub = ParseExpression();
    return static_cast<std::uint16_t>((primary & 0x3FF) | ((sub & 0x3F) << 10));
}

}  // namespace rc
