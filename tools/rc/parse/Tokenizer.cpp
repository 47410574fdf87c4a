// The script tokenizer: comments are dropped, preprocessor lines are kept whole.
#include "parse/Tokenizer.h"

#include <cctype>

namespace rc {
namespace {

bool StartsIdentifier(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) || c == '_' || c == '.' || c == '/' || c == '\\';
}

bool ContinuesIdentifier(char c) {
    return StartsIdentifier(c) || std::isdigit(static_cast<unsigned char>(c)) || c == ':';
}

class Scanner {
public:
    Scanner(std::string_view text, const std::string& file)
        : text_(text), file_(std::make_shared<const std::string>(file)) {
        tokens_.reserve(text.size() / 8 + 16);
    }

    std::vector<Token> Run() {
        while (SkipBlanksAndComments()) {
            const char c = text_[pos_];
            if (c == '#' && atLineStart_) {
                Directive();
            } else if (c == '"' || ((c == 'L' || c == 'l') && Peek(1) == '"')) {
                String();
            } else if (std::isdigit(static_cast<unsigned char>(c))) {
                Word(TokenKind::Int, [](char ch) { return std::isalnum(static_cast<unsigned char>(ch)) != 0; });
            } else if (StartsIdentifier(c)) {
                Word(TokenKind::Identifier, ContinuesIdentifier);
            } else {
                Punctuation(c);
            }
            atLineStart_ = false;
        }
        tokens_.push_back({TokenKind::End, "", false, {file_, line_}});
        return std::move(tokens_);
    }

private:
    char Peek(std::size_t ahead) const { return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : '\0'; }

    // Returns false at the end of the text.
    bool SkipBlanksAndComments() {
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            if (c == '\n') {
                ++line_;
                ++pos_;
                atLineStart_ = true;
            } else if (c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v' || c == '\x1a') {
                ++pos_;
            } else if (c == '/' && Peek(1) == '/') {
                while (pos_ < text_.size() && text_[pos_] != '\n') ++pos_;
            } else if (c == '/' && Peek(1) == '*') {
                const int startLine = line_;
                pos_ += 2;
                while (pos_ < text_.size() && !(text_[pos_] == '*' && Peek(1) == '/')) {
                    if (text_[pos_++] == '\n') ++line_;
                }
                if (pos_ >= text_.size()) throw CompileError({file_, startLine}, "unterminated comment");
                pos_ += 2;
            } else {
                return true;
            }
        }
        return false;
    }

    void Directive() {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && text_[pos_] != '\n') ++pos_;
        std::string line(text_.substr(start, pos_ - start));
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) line.pop_back();
        if (!LineMarker(line)) tokens_.push_back({TokenKind::Directive, std::move(line), false, {file_, line_}});
    }

    // "# N "file"" or "#line N "file"" (the preprocessor's markers): the next line is line N of
    // that file. False for any other directive.
    bool LineMarker(std::string_view line) {
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

    // A string runs to the next double quote that is neither doubled nor escaped as \" (the form
    // of rc.exe and windres, taken when a closing quote follows on the line); it may not cross a
    // line end.
    void String() {
        Token token{TokenKind::String, "", text_[pos_] != '"', {file_, line_}};
        if (token.wide) ++pos_;
        const std::size_t start = ++pos_;
        while (true) {
            if (pos_ >= text_.size() || text_[pos_] == '\n') {
                throw CompileError(token.where, "unterminated string");
            }
            if (text_[pos_] == '\\' && (Peek(1) == '\\' || (Peek(1) == '"' && Peek(2) != '"' && QuoteFollows(pos_ + 2)))) {
                pos_ += 2;
                continue;
            }
            if (text_[pos_] == '"') {
                if (Peek(1) != '"') break;
                ++pos_;
            }
            ++pos_;
        }
        token.text = std::string(text_.substr(start, pos_ - start));
        ++pos_;
        tokens_.push_back(std::move(token));
    }

    bool QuoteFollows(std::size_t from) const {
        for (std::size_t i = from; i < text_.size() && text_[i] != '\n'; ++i) {
            if (text_[i] == '"') return true;
        }
        return false;
    }

    template <typename Continues>
    void Word(TokenKind kind, Continues continues) {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && continues(text_[pos_])) ++pos_;
        tokens_.push_back({kind, std::string(text_.substr(start, pos_ - start)), false, {file_, line_}});
    }

    void Punctuation(char c) {
        TokenKind kind;
        switch (c) {
        case ',': kind = TokenKind::Comma; break;
        case '(': kind = TokenKind::LeftParen; break;
        case ')': kind = TokenKind::RightParen; break;
        case '{': kind = TokenKind::LeftBrace; break;
        case '}': kind = TokenKind::RightBrace; break;
        case ';': kind = TokenKind::Semicolon; break;
        case '+': case '-': case '|': case '&': case '~': kind = TokenKind::Operator; break;
        default: {
            const auto byte = static_cast<unsigned char>(c);
            const std::string shown = byte >= 0x20 && byte < 0x7F ? std::string("'") + c + "'" : "byte " + std::to_string(byte);
            throw CompileError({file_, line_}, "unexpected character " + shown);
        }
        }
        tokens_.push_back({kind, std::string(1, c), false, {file_, line_}});
        ++pos_;
    }

    std::string_view text_;
    std::shared_ptr<const std::string> file_;
    std::size_t pos_ = 0;
    int line_ = 1;
    bool atLineStart_ = true;
    std::vector<Token> tokens_;
};

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
    case TokenKind::Semicolon: return "';'";
    case TokenKind::Directive: return "preprocessor line";
    case TokenKind::End: return "end of file";
    }
    return "token";
}

std::string Described(const Token& token) {
    return token.kind == TokenKind::End ? TokenKindName(token.kind) : QuotedText(token.text);
}

std::vector<Token> Tokenize(std::string_view text, const std::string& fileName) {
    // A UTF-8 byte-order mark is not part of the script.
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    return Scanner(text, fileName).Run();
}

}  // namespace rc
