// Splits script text into tokens that carry their file and line.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "resformat/Diagnostic.h"

namespace rc {

// Token kinds; TokenKindName gives the words used in error messages.
enum class TokenKind {
    Identifier,  // names, keywords, unquoted file names
    Int,         // 12, 0x1F, 7L
    String,      // "text" or L"text"
    Comma,
    LeftParen,
    RightParen,
    LeftBrace,   // "{" (BEGIN stays an identifier)
    RightBrace,
    Operator,    // + - | & ~
    Semicolon,   // only after a STRINGTABLE entry, as old scripts have it
    Directive,   // a whole "#..." line
    End,
};

const char* TokenKindName(TokenKind kind);

struct Token {
    TokenKind kind = TokenKind::End;
    std::string text;  // identifiers and numbers as written; strings without L and outer quotes
    bool wide = false; // L"..."
    Location where;
};

// How an error message names a token it did not expect: its text in quotes, or the name of its
// kind where it has no text of its own (the end of the file).
std::string Described(const Token& token);

// Line markers ("# N "file"") of preprocessed text set the file and line of the tokens after them.
// Throws CompileError for an unterminated string or comment or a character no token starts with.
std::vector<Token> Tokenize(std::string_view text, const std::string& fileName);

}  // namespace rc
