// Reads statements from preprocessed script text one at a time.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fileaccess/Result.h"
#include "parse/Statements.h"
#include "parse/Tokenizer.h"

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
    // The next token, which must be of `kind`; `what` names it in the error (else its kind's name).
    Token Expect(TokenKind kind, const char* what = nullptr);
    // Throws "expected <what>, found <the token>" at the token.
    [[noreturn]] static void Unexpected(const Token& found, std::string_view what);
    bool IsWord(const Token& token, const char* word) const;
    void Directive(const Token& token);

    ResourceId ParseId(const Token& token, const char* what);
    std::uint32_t ParseExpression(bool* isLong = nullptr);
    // An expression whose NOT terms also clear bits of a default style.
    MaskedValue ParseMaskedExpression();
    MaskedValue ParseMasked(bool* isLong, int depth);
    MaskedValue ParseTerm(bool* isLong, int depth);
    std::uint16_t ParseLanguage();
    // Memory options, and unless memoryOnly LANGUAGE, VERSION and CHARACTERISTICS, in any order.
    void ParseOptions(ResourceOptions& options, bool memoryOnly);
    // LANGUAGE, VERSION or CHARACTERISTICS (`word`, upper-cased, not yet taken) with its value;
    // false for any other word.
    bool ParseStatementOption(const std::string& word, ResourceOptions& options);
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

    // Statements with bodies of their own, each in its own file (ParseMenu.cpp, ParseVersion.cpp,
    // ParseAccelerators.cpp). Depth counts open blocks, against kMaxNesting.
    ResourceAttributes ParseHead(const Token& nameToken, std::uint16_t defaultFlags);
    Location OpenBlock(const char* statement);
    bool AtExpressionStart();
    std::uint32_t OptionalField();
    MenuStmt ParseMenu(const Token& nameToken);
    void ParseMenuItems(bool extended, std::vector<MenuItem>& items, const Location& start, int depth);
    MenuItem ParseMenuItem(bool extended, const Token& keyword);
    void ParseMenuOptions(MenuItem& item, bool popup);
    VersionStmt ParseVersionInfo(const Token& nameToken);
    void ParseFixedVersion(std::array<std::uint16_t, 4>& parts);
    void ParseVersionNodes(std::vector<VersionNode>& nodes, const Location& start, int depth);
    VersionNode ParseVersionValue(const Token& keyword);
    AcceleratorStmt ParseAccelerators(const Token& nameToken);
    Accelerator ParseAccelerator();
    ToolbarStmt ParseToolbar(const Token& nameToken);

    std::vector<Source> sources_;
    ParserOptions options_;
    int codePage_;
};

}  // namespace rc
