// Reads statements from preprocessed script text one at a time.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "Statements.h"
#include "Tokenizer.h"

namespace rc {

struct ParserOptions {
    int codePage = 0;  // 0: UTF-8 when valid, else Windows-1252
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

    ResourceId ParseId(const Token& token, const char* what);
    std::uint32_t ParseExpression(bool* isLong = nullptr);
    // An expression whose NOT terms also clear bits of a default style.
    MaskedValue ParseMaskedExpression();
    MaskedValue ParseMasked(bool* isLong, int depth);
    MaskedValue ParseTerm(bool* isLong, int depth);
    std::uint16_t ParseLanguage();
    void ParseOptions(std::uint16_t& flags, std::optional<std::uint16_t>* language, std::uint32_t* version,
                      std::uint32_t* characteristics);
    bool AtBlockStart();
    bool AtBlockEnd();
    StringLiteral Literal(const Token& token) const;

    Statement ParseResource(const Token& nameToken);
    StringTableStmt ParseStringTable(const Token& keyword);
    std::vector<DataItem> ParseData(const Location& start);

    // DIALOG and DIALOGEX (ParseDialog.cpp).
    DialogStmt ParseDialog(const ResourceId& name, const Location& where, bool extended);
    bool ParseDialogOption(DialogStmt& stmt);
    DialogFont ParseDialogFont(bool extended);
    WindowClass ParseWindowClass(bool forControl);
    ControlStmt ParseControl(const Token& keyword);
    DialogText ParseControlText(const Token& keyword);
    void ControlComma(const ControlStmt& control, const char* arguments);
    MaskedValue ControlArgument(const ControlStmt& control, const char* arguments);

    std::vector<Source> sources_;
    ParserOptions options_;
    int codePage_;
};

}  // namespace rc
