// The script tokenizer: comments are dropped, preprocessor lines are kept whole.
#include "parse/Tokenizer.h"

#include <array>
#include <cctype>
#include <optional>

#include "resformat/ByteScan.h"

namespace rc {
namespace {

// rc.exe's blanks: the line end, and the control characters but NUL, 1 to 4 and 0x1A.
constexpr bool Blank(unsigned char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || (c >= 0x05 && c <= 0x08) || c == 0x0B || c == 0x0C ||
           (c >= 0x0E && c <= 0x1F);
}

// What ends a word (a name, a keyword or a number), as rc.exe reads it.
constexpr bool WordEnd(unsigned char c) {
    return Blank(c) || std::string_view("\",{}+-|&~()';=\x7F").find(static_cast<char>(c)) != std::string_view::npos ||
           c == '\0';
}

// One table look-up a character: the tokenizer looks at every byte of a script.
enum : unsigned char { kBlank = 1, kEndsWord = 2 };
constexpr std::array<unsigned char, 256> kClasses = [] {
    std::array<unsigned char, 256> classes{};
    for (int c = 0; c < 256; ++c) {
        const auto byte = static_cast<unsigned char>(c);
        classes[byte] = static_cast<unsigned char>((Blank(byte) ? kBlank : 0) | (WordEnd(byte) ? kEndsWord : 0));
    }
    return classes;
}();

bool IsBlank(unsigned char c) { return (kClasses[c] & kBlank) != 0; }
bool EndsWord(unsigned char c) { return (kClasses[c] & kEndsWord) != 0; }
bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }

// Bytes that no token outside a string may hold (rc.exe's preprocessor refuses @ and `).
bool Forbidden(unsigned char c) { return c == '\0' || (c >= 0x01 && c <= 0x04) || c == 0x7F || c == '@' || c == '`'; }

}  // namespace

const char* TokenKindName(TokenKind kind) {
    switch (kind) {
        case TokenKind::Identifier: return "identifier";
        case TokenKind::Int: return "number";
        case TokenKind::String: return "string";
        case TokenKind::Comma: return "','";
        case TokenKind::LeftParen: return "'('";
        case TokenKind::RightParen: return "')'";
        case TokenKind::LeftBrace: return "'{'";
        case TokenKind::RightBrace: return "'}'";
        case TokenKind::Operator: return "operator";
        case TokenKind::Directive: return "preprocessor line";
        case TokenKind::End: return "end of file";
    }
    return "token";
}

std::string Token::Spelled() const {
    if (kind != TokenKind::String) return std::string(text);
    return (wide ? "L\"" : "\"") + std::string(text) + "\"";
}

std::string Described(const Token& token) {
    return token.kind == TokenKind::End ? TokenKindName(token.kind) : QuotedText(token.text);
}

// A UTF-8 byte-order mark is not part of the script.
Tokenizer::Tokenizer(std::string_view text, const std::string& fileName)
    : text_(text.substr(0, 3) == "\xEF\xBB\xBF" ? text.substr(3) : text),
      file_(std::make_shared<const std::string>(fileName)) {}

Token Tokenizer::Next() {
    Token token;
    Next(token);
    return token;
}

void Tokenizer::Next(Token& out) {
    try {
        Read(out);
    } catch (const CompileError&) {
        failed_ = true;
        throw;
    }
}

void Tokenizer::CheckRest() {
    if (failed_) return;
    Token token;
    do {
        Next(token);
    } while (token.kind != TokenKind::End);
}

void Tokenizer::Read(Token& out) {
    while (SkipBlanksAndComments()) {
        const bool made = Scan(static_cast<unsigned char>(text_[pos_]), out);
        atLineStart_ = false;
        if (made) return;
    }
    out = {TokenKind::End, "", false, false, 0, {file_, line_}};
}

// The token that starts with `c` into `out`; false for a line marker.
bool Tokenizer::Scan(unsigned char c, Token& out) {
    start_ = pos_;
    if (c == '#' && atLineStart_) return Directive(out);
    if (c == '"' || ((c == 'L' || c == 'l') && Peek(1) == '"')) return String(out);
    if (IsDigit(c)) return Word(TokenKind::Int, out);
    if (c == ',' || c == '(' || c == ')' || c == '{' || c == '}' || c == '+' || c == '-' || c == '|' || c == '&' ||
        c == '~') {
        return Punctuation(c, out);
    }
    if (Forbidden(c)) {
        const std::string shown =
            c >= 0x20 && c < 0x7F ? std::string("'") + static_cast<char>(c) + "'" : "byte " + std::to_string(c);
        throw CompileError({file_, line_}, "unexpected character " + shown + " outside a string");
    }
    return Word(TokenKind::Identifier, out);
}

char Tokenizer::Peek(std::size_t ahead) const { return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : '\0'; }

void Tokenizer::NewLine() {
    ++line_;
    lineStart_ = pos_ + 1;
    atLineStart_ = true;
}

// Returns false at the end of the text. A ';' comments out the rest of its line.
bool Tokenizer::SkipBlanksAndComments() {
    while (pos_ < text_.size()) {
        const auto c = static_cast<unsigned char>(text_[pos_]);
        if (c == '\n') {
            NewLine();
            ++pos_;
        } else if (IsBlank(c) || c == 0x1A) {
            ++pos_;
        } else if (c == ';' || (c == '/' && Peek(1) == '/')) {
            while (pos_ < text_.size() && text_[pos_] != '\n') ++pos_;
        } else if (c == '/' && Peek(1) == '*') {
            const int startLine = line_;
            pos_ += 2;
            while (pos_ < text_.size() && !(text_[pos_] == '*' && Peek(1) == '/')) {
                if (text_[pos_] == '\n') NewLine();
                ++pos_;
            }
            if (pos_ >= text_.size()) throw CompileError({file_, startLine}, "unterminated comment");
            pos_ += 2;
        } else {
            return true;
        }
    }
    return false;
}

bool Tokenizer::Made(Token& out, TokenKind kind, std::string_view text, bool wide, int line) {
    out.kind = kind;
    out.text = text;
    out.wide = wide;
    out.glued = any_ && start_ == end_;
    out.column = 0;
    if (out.where.file != file_) out.where.file = file_;
    out.where.line = line;
    any_ = true;
    end_ = pos_;
    return true;
}

bool Tokenizer::Directive(Token& out) {
    const std::size_t start = pos_;
    while (pos_ < text_.size() && text_[pos_] != '\n') ++pos_;
    std::string_view line = text_.substr(start, pos_ - start);
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) line.remove_suffix(1);
    if (LineMarker(line)) return false;
    return Made(out, TokenKind::Directive, line, false, line_);
}

// "# N "file"" or "#line N "file"" (the preprocessor's markers): the next line is line N of
// that file. False for any other directive.
bool Tokenizer::LineMarker(std::string_view line) {
    line.remove_prefix(1);
    auto skipBlanks = [&line] {
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    };
    skipBlanks();
    if (line.starts_with("line")) line.remove_prefix(4), skipBlanks();
    std::size_t digits = 0;
    while (digits < line.size() && std::isdigit(static_cast<unsigned char>(line[digits]))) ++digits;
    if (digits == 0 || digits > 9) return false;
    const int number = std::stoi(std::string(line.substr(0, digits)));
    line.remove_prefix(digits);
    skipBlanks();
    if (!line.empty() && line.front() == '"') {
        std::string name;
        for (std::size_t i = 1; i < line.size() && line[i] != '"'; ++i) {
            if (line[i] == '\\' && i + 1 < line.size()) ++i;
            name += line[i];
        }
        file_ = std::make_shared<const std::string>(std::move(name));
    }
    line_ = number - 1;  // the line end after the marker counts one
    return true;
}

// Counted on from the column found before in the same line: a line of many strings is read once.
int Tokenizer::ColumnOf(std::size_t at, std::size_t lineStart) {
    if (columnLine_ != lineStart || columnAt_ > at) {
        columnLine_ = columnAt_ = lineStart;
        column_ = 0;
    }
    for (; columnAt_ < at; ++columnAt_) column_ += text_[columnAt_] == '\t' ? 8 - column_ % 8 : 1;
    return column_;
}

// A string runs to the next double quote that is neither doubled nor escaped as \" (the form
// of old scripts, taken when a closing quote follows on the line), over line ends if need be.
bool Tokenizer::String(Token& out) {
    const int line = line_;
    const std::size_t at = pos_, lineStart = lineStart_;
    const bool wide = text_[pos_] != '"';
    if (wide) ++pos_;
    const std::size_t start = ++pos_;
    while (true) {
        SkipPlainStringText();
        if (pos_ >= text_.size()) throw CompileError({file_, line}, "unterminated string");
        const char c = text_[pos_];
        if (c == '\\' && (Peek(1) == '\\' || (Peek(1) == '"' && Peek(2) != '"' && QuoteFollows(pos_ + 2)))) {
            pos_ += 2;
            continue;
        }
        if (c == '"') {
            if (Peek(1) != '"') break;
            ++pos_;
        } else if (c == '\n') {
            NewLine();
        }
        ++pos_;
    }
    const std::string_view body = text_.substr(start, pos_ - start);
    ++pos_;
    Made(out, TokenKind::String, body, wide, line);
    // Only the tabs of a literal depend on the column it starts at.
    if (body.find('\t') != std::string_view::npos) out.column = ColumnOf(at, lineStart);
    return true;
}

// The characters up to the next quote, backslash or line end stand for themselves.
void Tokenizer::SkipPlainStringText() { pos_ = FindFirstOf(text_, pos_, '"', '\\', '\n'); }

bool Tokenizer::QuoteFollows(std::size_t from) const {
    for (std::size_t i = from; i < text_.size() && text_[i] != '\n'; ++i) {
        if (text_[i] == '"') return true;
    }
    return false;
}

// A word's first character is taken whatever it is; the word then runs to a delimiter.
bool Tokenizer::Word(TokenKind kind, Token& out) {
    ++pos_;
    while (pos_ < text_.size() && !EndsWord(static_cast<unsigned char>(text_[pos_]))) ++pos_;
    return Made(out, kind, text_.substr(start_, pos_ - start_), false, line_);
}

bool Tokenizer::Punctuation(unsigned char c, Token& out) {
    TokenKind kind = TokenKind::Operator;
    switch (c) {
        case ',': kind = TokenKind::Comma; break;
        case '(': kind = TokenKind::LeftParen; break;
        case ')': kind = TokenKind::RightParen; break;
        case '{': kind = TokenKind::LeftBrace; break;
        case '}': kind = TokenKind::RightBrace; break;
        default: break;
    }
    ++pos_;
    return Made(out, kind, text_.substr(start_, 1), false, line_);
}

std::vector<Token> Tokenize(std::string_view text, const std::string& fileName) {
    Tokenizer tokenizer(text, fileName);
    std::vector<Token> tokens;
    tokens.reserve(text.size() / 8 + 16);
    do {
        tokens.push_back(tokenizer.Next());
    } while (tokens.back().kind != TokenKind::End);
    return tokens;
}

}  // namespace rc
