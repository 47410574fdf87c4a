// Reads statements from preprocessed script text one at a time.
#pragma once

#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "fileaccess/Result.h"
#include "parse/Keywords.h"
#include "parse/Statements.h"
#include "parse/TokenQueue.h"
#include "parse/Tokenizer.h"

namespace rc {

struct ParserOptions {
    int codePage = 0;      // 0: UTF-8 when valid, else Windows-1252
    std::string rootFile;  // the script itself: its #pragma code_page lines count, an included file's do not
    bool win16 = false;    // the keywords of the Windows 3.x compilers (MANIFEST, FONTDIR) name types
    std::set<std::string> unicodeFiles;  // files that were UTF-16: read as UTF-8 whatever the code page
};

// A number as written: its value and whether an L made it 32-bit.
struct NumberValue {
    std::uint32_t value = 0;
    bool isLong = false;
};

// The value of a number word ("12", "0x1F", "7L", "-1", "~0", "1.5" reads 1), as rc.exe reads it.
NumberValue ReadNumber(std::string_view text);

class Parser {
public:
    Parser(std::vector<Token> tokens, ParserOptions options);
    // Reads the tokens of `text` as the statements need them; the text must outlive the parser.
    Parser(std::string_view text, const std::string& fileName, ParserOptions options);

    // The next statement, or nothing at the end of the script. Throws CompileError.
    std::optional<Statement> Next();

private:
    // A style being read: its value and the bits a NOT after an operator clears from it.
    struct Flags {
        std::uint32_t value = 0;
        std::uint32_t keep = ~0u;
    };
    struct FlagsState {
        std::uint32_t defaultStyle = 0;
        bool defaultUsed = false;
    };

    std::optional<Statement> ParseStatement();
    // The token `ahead` places after the next one, directives included.
    const Token& Ahead(std::size_t ahead) {
        return next_ + ahead < tokens_.size() ? tokens_[next_ + ahead] : ReadAhead(ahead);
    }
    const Token& ReadAhead(std::size_t ahead);
    // Drops the tokens taken. No reference to a token may be held across it.
    void Forget();
    // The next token, directives done; valid until the tokens are dropped (Forget).
    const Token& Peek() { return peeked_ ? *peeked_ : PeekAfterDirectives(); }
    const Token& PeekAfterDirectives();
    const Token& Take();
    // The next token, which must be of `kind`; `what` names it in the error (else its kind's name).
    Token Expect(TokenKind kind, const char* what = nullptr);
    // Throws "expected <what>, found <the token>" at the token.
    [[noreturn]] static void Unexpected(const Token& found, std::string_view what);
    bool IsWord(const Token& token, const char* word) const;
    // The code page the text at `where` is read in.
    int InputCodePage(const Location& where) const;
    void Directive(const Token& token);
    void CodePageDirective(const Token& token, std::string_view line);

    // Names and types (ParseNames.cpp): a word up to the next blank, as rc.exe reads them.
    std::string SpelledWord(const Token& first);
    ResourceId NameFromWord(std::string_view word, const Location& where) const;
    ResourceId ParseId(const Token& token, const char* what);
    ResourceTypeWord ParseTypeWord();

    // Numbers and expressions (ParseExpression.cpp).
    [[noreturn]] static void NotANumber(const Token& token);
    bool AtSignedNumber();
    NumberValue NumberToken();
    std::uint32_t ParseExpression(bool* isLong = nullptr);
    MaskedValue ParseMasked(bool* isLong, int depth);
    MaskedValue ParseTerm(bool* isLong, int depth);
    std::uint32_t ParseFlags(std::uint32_t defaultStyle);
    Flags ParseFlagsExpression(FlagsState& state, int depth);
    Flags ParseFlagsTerm(FlagsState& state, int depth);
    std::uint16_t ParseLanguage();

    // Memory options, and unless memoryOnly LANGUAGE, VERSION and CHARACTERISTICS, in any order.
    void ParseOptions(ResourceOptions& options, bool memoryOnly);
    // LANGUAGE, VERSION or CHARACTERISTICS (`word`, upper-cased, not yet taken) with its value;
    // false for any other word.
    bool ParseStatementOption(const std::string& word, ResourceOptions& options);
    bool AtBlockStart();
    bool AtBlockEnd();
    StringLiteral Literal(Token token) const;
    void SkipCommas();

    Statement ParseResource(const Token& nameToken, const ResourceTypeWord& type);
    StringTableStmt ParseStringTable(const Token& keyword);
    std::u16string StringText();
    // The bytes of a data block: numbers as WORDs (DWORDs when written with L), strings as
    // LiteralDataBytes gives them.
    std::string ParseData(const Location& start);

    // DIALOG and DIALOGEX (ParseDialog.cpp, ParseControl.cpp).
    DialogStmt ParseDialog(const Token& nameToken, bool extended);
    bool ParseDialogOption(DialogStmt& stmt);
    DialogFont ParseDialogFont(bool extended);
    WindowClass ParseWindowClass(bool forControl);
    ControlStmt ParseControl(const Token& keyword);
    void ParseControlFrame(ControlStmt& control, const char* arguments);
    bool OptionalFieldFollows();
    DialogText ParseControlText(const Token& keyword);
    void CheckArgument(const ControlStmt& control, const char* arguments);
    std::uint32_t ControlNumber(const ControlStmt& control, const char* arguments);

    // Statements with bodies of their own, each in its own file (ParseMenu.cpp, ParseVersion.cpp,
    // ParseAccelerators.cpp). Depth counts open blocks, against kMaxNesting.
    ResourceAttributes ParseHead(const Token& nameToken, std::uint16_t defaultFlags);
    Location OpenBlock(const char* statement);
    bool AtExpressionStart();
    std::uint32_t OptionalField();
    MenuStmt ParseMenu(const Token& nameToken, bool extended);
    void ParseMenuItems(bool extended, std::vector<MenuItem>& items, const Location& start, int depth);
    MenuItem ParseMenuItem(bool extended, const Token& keyword);
    void ParseMenuOptions(MenuItem& item, bool popup);
    VersionStmt ParseVersionInfo(const Token& nameToken);
    void ParseFixedVersion(std::array<std::uint16_t, 4>& parts);
    void ParseVersionNodes(std::vector<VersionNode>& nodes, const Location& start, int depth);
    VersionNode ParseVersionValue(const Token& keyword, bool isBlock);
    AcceleratorStmt ParseAccelerators(const Token& nameToken);
    Accelerator ParseAccelerator();
    ToolbarStmt ParseToolbar(const Token& nameToken);

    std::optional<Tokenizer> tokenizer_;  // none when the tokens were given whole
    TokenQueue tokens_;                   // read and not yet dropped; next_ is the next one
    std::size_t next_ = 0;
    const Token* peeked_ = nullptr;  // what Peek found at next_, until it is taken
    ParserOptions options_;
    int codePage_;
    int outputCodePage_;
    int codePagePragmas_ = 0;
};

}  // namespace rc
