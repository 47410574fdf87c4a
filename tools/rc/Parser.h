// Reads statements from a script one at a time, following #include lines.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "Statements.h"
#include "fileaccess/Result.h"
#include "Tokenizer.h"

namespace rc {

// Gives the text of a file, or an error saying why it cannot be read.
using FileLoader = std::function<fileaccess::Result<std::string>(const std::string& path)>;

struct ParserOptions {
    int codePage = 0;                      // 0: UTF-8 when valid, else Windows-1252
    std::vector<std::string> includeDirs;  // searched after the including file's folder
    FileLoader load;                       // reads include files
};

class Parser {
public:
    Parser(std::vector<Token> tokens, ParserOptions options);

    // The next statement, or nothing at the end of the script. Throws CompileError.
    std::optional<Statement> Next();

private:
    struct Source {
        std::vector<Token> tokens;
        std::size_t next = 0;
    };

    const Token& Peek();
    Token Take();
    Token Expect(TokenKind kind, const char* what);
    bool IsWord(const Token& token, const char* word) const;
    void Directive(const Token& token);
    void Include(const Token& token, const std::string& name);

    ResourceId ParseId(const Token& token, const char* what);
    std::uint32_t ParseExpression(bool* isLong = nullptr);
    std::uint32_t ParseTerm(bool* isLong);
    std::uint16_t ParseLanguage();
    void ParseOptions(std::uint16_t& flags, std::optional<std::uint16_t>* language, std::uint32_t* version,
                      std::uint32_t* characteristics);
    bool AtBlockStart();
    bool AtBlockEnd();
    StringLiteral Literal(const Token& token) const;

    ResourceStmt ParseResource(const Token& nameToken);
    StringTableStmt ParseStringTable(const Token& keyword);
    std::vector<DataItem> ParseData(const Location& start);

    std::vector<Source> sources_;
    ParserOptions options_;
    int codePage_;
};

}  // namespace rc
