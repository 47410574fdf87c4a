// Splits script text into tokens that carry their file and line.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "resformat/Diagnostic.h"

namespace rc {

// Token kinds; TokenKindName gives the words used in error messages.
enum class TokenKind {
    Identifier,  // names, keywords, unquoted file names: anything up to a delimiter
    Int,         // a word that starts with a digit: 12, 0x1F, 7L, 1.5
    String,      // "text" or L"text"
    Comma,
    LeftParen,
    RightParen,
    LeftBrace,  // "{" (BEGIN stays an identifier)
    RightBrace,
    Operator,   // + - | & ~
    Directive,  // a whole "#..." line
    End,
};

const char* TokenKindName(TokenKind kind);

struct Token {
    TokenKind kind = TokenKind::End;
    std::string_view text;  // identifiers and numbers as written; strings without L and outer quotes
    bool wide = false;      // L"..."
    bool glued = false;     // no blank or line end between it and the token before
    int column = 0;         // where a string that holds a tab starts in its line (tabs counted to the next
                            // multiple of 8); 0 for any other token
    Location where;

    // The token as the script spells it (a string with its L and quotes).
    std::string Spelled() const;
};

// How an error message names a token it did not expect: its text in quotes, or the name of its
// kind where it has no text of its own (the end of the file).
std::string Described(const Token& token);

// Reads the tokens of script text one at a time, so that a large script is never held as tokens
// whole. A token's text lies in the script text, which must outlive the tokenizer and its tokens.
// The tokens of rc.exe's language: a word ends at a blank, a quote or one of , { } ( ) + - | & ~
// ' ; =; a ';' starts a comment to the end of the line; a string may run over line ends.
// Line markers ("# N "file"") of preprocessed text set the file and line of the tokens after them.
// Throws CompileError for an unterminated string or comment or a character no token may hold.
class Tokenizer {
public:
    Tokenizer(std::string_view text, const std::string& fileName);

    // The next token; at the end of the text an End token, again and again.
    Token Next();
    // The same into `out`, whose storage is reused.
    void Next(Token& out);
    // Throws the error that the rest of the text holds, if any: the whole text is read before a
    // script is compiled, so its tokens' errors come before those of the statements.
    void CheckRest();

private:
    void Read(Token& out);
    // Each of these reads a token into `out`: false for a line marker, which makes none.
    bool Scan(unsigned char c, Token& out);
    bool Made(Token& out, TokenKind kind, std::string_view text, bool wide, int line);
    bool Directive(Token& out);
    bool String(Token& out);
    bool Word(TokenKind kind, Token& out);
    bool Punctuation(unsigned char c, Token& out);
    char Peek(std::size_t ahead) const;
    void NewLine();
    bool SkipBlanksAndComments();
    bool LineMarker(std::string_view line);
    int ColumnOf(std::size_t at, std::size_t lineStart);
    bool QuoteFollows(std::size_t from) const;
    void SkipPlainStringText();

    std::string_view text_;
    std::shared_ptr<const std::string> file_;
    std::size_t pos_ = 0;
    std::size_t start_ = 0;       // of the token being read
    std::size_t end_ = 0;         // of the token before
    std::size_t lineStart_ = 0;   // of the line being read
    std::size_t columnLine_ = 0;  // the start of the line column_ was counted in
    std::size_t columnAt_ = 0;    // where column_ was counted to
    int column_ = 0;
    int line_ = 1;
    bool atLineStart_ = true;
    bool any_ = false;     // a token was read
    bool failed_ = false;  // an error was thrown
};

// All the tokens of the text, the End token last. They refer to the text, which must outlive them.
std::vector<Token> Tokenize(std::string_view text, const std::string& fileName);

}  // namespace rc
