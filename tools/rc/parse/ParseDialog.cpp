// The parser's part for DIALOG and DIALOGEX: the header and the optional statements.
#include <algorithm>
#include <cctype>
#include <iterator>
#include <string_view>

#include "parse/Parser.h"

namespace rc {
namespace {}  // namespace

// name DIALOG[EX] [options] x [,] y [,] width [,] height [, helpid] [statements] BEGIN controls END
DialogStmt Parser::ParseDialog(const Token& nameToken, bool extended) {
    const char* keyword = extended ? "DIALOGEX" : "DIALOG";
    DialogStmt stmt;
    stmt.name = NameFromWord(nameToken.text, nameToken.where);
    stmt.where = nameToken.where;
    stmt.extended = extended;
    stmt.flags = MfMoveable | MfPure | MfDiscardable;
    ParseOptions(stmt, true);
    std::uint32_t* const frame[] = {&stmt.x, &stmt.y, &stmt.width, &stmt.height};
    for (std::size_t i = 0; i < std::size(frame); ++i) {
        if (i > 0 && Peek().kind == TokenKind::Comma) Take();
        if (!AtExpressionStart()) Unexpected(Peek(), "x, y, width and height of the dialog");
        *frame[i] = ParseExpression();
    }
    if (Peek().kind == TokenKind::Comma) {
        Take();
        if (AtExpressionStart()) stmt.helpId = ParseExpression();  // written in a DIALOGEX only
    }
    while (!AtBlockStart()) {
        if (!ParseDialogOption(stmt)) Unexpected(Peek(), std::string("a ") + keyword + " option or BEGIN");
    }
    const Location start = Take().where;
    stmt.controls.reserve(8);  // most dialogs hold a few controls: room for them at once
    while (!AtBlockEnd()) {
        const Token keywordToken = Take();
        if (keywordToken.kind == TokenKind::End) {
            throw CompileError(start, std::string(keyword) + " is not closed by END or '}'");
        }
        stmt.controls.push_back(ParseControl(keywordToken));
    }
    Take();
    return stmt;
}

// One optional statement between the header and BEGIN; false when the next token is none. Of a
// statement given twice the last counts.
bool Parser::ParseDialogOption(DialogStmt& stmt) {
    if (Peek().kind != TokenKind::Identifier) return false;
    const std::string word = Upper(Peek().text);
    if (word == "STYLE") {
        Take();
        stmt.style = ParseFlags(0);
    } else if (word == "EXSTYLE") {
        Take();
        stmt.exStyle = ParseFlags(0);
    } else if (word == "CAPTION") {
        Take();
        stmt.caption = Literal(Expect(TokenKind::String, "a caption in double quotes"));
    } else if (word == "FONT") {
        Take();
        stmt.font = ParseDialogFont(stmt.extended);
    } else if (word == "MENU") {
        Take();
        stmt.menu = ParseId(Take(), "menu name");
    } else if (word == "CLASS") {
        Take();
        stmt.windowClass = ParseWindowClass(false);
    } else if (!ParseStatementOption(word, stmt)) {
        return false;
    }
    return true;
}

// FONT size [,] "face" [, weight [, italic [, charset]]]; a field between commas may be empty.
DialogFont Parser::ParseDialogFont(bool extended) {
    DialogFont font;
    font.size = ParseExpression();
    SkipCommas();
    font.face = Literal(Expect(TokenKind::String, "a font name in double quotes"));
    if (Peek().kind != TokenKind::Comma) return font;
    if (!extended) throw CompileError(Peek().where, "FONT weight, italic and charset need DIALOGEX");
    Take();
    if (AtExpressionStart()) font.weight = ParseExpression();
    if (Peek().kind != TokenKind::Comma) return font;
    Take();
    font.italic = ParseExpression();
    if (Peek().kind != TokenKind::Comma) return font;
    Take();
    if (AtExpressionStart()) {
        font.charset = ParseExpression();
        font.charsetWritten = true;
    }
    return font;
}

}  // namespace rc
