// Names and types of resources. rc.exe reads a resource's name and type up to the next blank
// (`name-with-dashes/and RCDATA` names NAME-WITH-DASHES/AND, and "x" the name "X" with its
// quotes), and makes a number of a word only when all of it is decimal digits, or 0x and hex
// digits (the first four count), and its value is not 0: "0" and "65536" are names.
#include <optional>

#include "parse/Keywords.h"
#include "parse/Parser.h"
#include "resformat/TextCodec.h"

namespace rc {
namespace {

constexpr std::size_t kMaxNameLength = 256;  // UTF-16 units

int DigitValue(char c, int base) {
    int digit = c >= '0' && c <= '9'   ? c - '0'
                : c >= 'a' && c <= 'f' ? c - 'a' + 10
                : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                       : 99;
    return digit < base ? digit : -1;
}

std::optional<std::uint16_t> OrdinalOf(std::string_view word) {
    int base = 10;
    if (word.size() > 2 && word[0] == '0') {
        if (word[1] == 'x' || word[1] == 'X') {
            base = 16;
            word = word.substr(2, 4);
        } else if (word[1] < '0' || word[1] > '9') {
            return std::nullopt;
        }
    }
    std::uint16_t value = 0;
    for (const char c : word) {
        const int digit = DigitValue(c, base);
        if (digit < 0) {
            if (base == 10) return std::nullopt;
            break;  // hex digits end at the first other character
        }
        value = static_cast<std::uint16_t>(value * base + digit);
    }
    if (value == 0) return std::nullopt;
    return value;
}

}  // namespace

// The token and those written right after it, without a blank between, as one word.
std::string Parser::SpelledWord(const Token& first) {
    std::string word = first.Spelled();
    while (true) {
        const Token& next = Peek();
        if (!next.glued || next.kind == TokenKind::End || next.kind == TokenKind::Directive) break;
        word += Take().Spelled();
    }
    return word;
}

ResourceId Parser::NameFromWord(std::string_view word, const Location& where) const {
    if (const std::optional<std::uint16_t> ordinal = OrdinalOf(word)) return ResourceId::Number(*ordinal);
    if (word.empty()) throw CompileError(where, "empty resource name");
    std::u16string name;
    for (const CodePoint& code : DecodeCodePoints(word, InputCodePage(where))) {
        if (name.size() >= kMaxNameLength) break;
        const char32_t c = code.value;
        AppendUtf16(name, c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    }
    if (name.size() > kMaxNameLength) name.resize(kMaxNameLength);  // may cut a surrogate pair, as rc.exe does
    return ResourceId::Text(std::move(name));
}

ResourceId Parser::ParseId(const Token& token, const char* what) {
    if (token.kind == TokenKind::End || token.kind == TokenKind::Comma || token.kind == TokenKind::LeftBrace ||
        token.kind == TokenKind::RightBrace) {
        Unexpected(token, what);
    }
    return NameFromWord(SpelledWord(token), token.where);
}

ResourceTypeWord Parser::ParseTypeWord() {
    const Token token = Take();
    if (token.kind == TokenKind::End) Unexpected(token, "a resource type");
    const std::string word = SpelledWord(token);
    const ResourceId id = NameFromWord(word, token.where);
    if (id.isNumber && id.number < 256) return TypeOfNumber(id.number);
    if (!id.isNumber) {
        if (const std::optional<ResourceTypeWord> keyword = KeywordType(word, options_.win16)) return *keyword;
    }
    return {ResourceKind::Data, id};
}

}  // namespace rc
