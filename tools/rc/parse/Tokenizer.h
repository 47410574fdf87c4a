// Splits script text into tokens that carry their file and line.
#pragma once

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
    LeftBrace,   // "{" (BEGIN stays an identifier)
    RightBrace,
    Operator,    // + - | & ~
    Directive,   // a whole "#..." line
    End,
};

const char* TokenKindName(TokenKind kind);

struct Token {
    TokenKind kind = TokenKind::End;
    std::string text;  // identifiers and numbers as written; strings without L and outer quotes
    bool wide = false; // L"..."
    bool glued = false;  // no blank or line end between it and the token before
    int column = 0;      // where it starts in its line, tabs counted to the next multiple of 8
    Location where;

    // The token as the script spells it (a string with its L and quotes).
    std::string Spelled() const;
};

// How an error message names a token it did not expect: its text in quotes, or the name of its
// kind where it has no text of its own (the end of the file).
std::string Described(const Token& token);

// The tokens of rc.exe's language: a word ends at a blank, a quote or one of , { } ( ) + - | & ~
// ' ; =; a ';' starts a comment to the end of the line; a string may run over line ends.
// Line markers ("# N "file"") of preprocessed text set the file and line of the tokens after them.
// Throws CompileError for an unterminated string or comment or a character no token may hold.
std::vector<Token> Tokenize(std::string_view text, const std::string& fileName);

}  // namespace rc
