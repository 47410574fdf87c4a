// VERSIONINFO: the fixed fields, then BLOCKs of VALUEs.
#include <strings.h>

#include <string>

#include "parse/Keywords.h"
#include "parse/Parser.h"
#include "resformat/BodyFormat.h"

namespace rc {

VersionStmt Parser::ParseVersionInfo(const Token& nameToken) {
    VersionStmt stmt;
    stmt.head = ParseHead(nameToken, MfMoveable | MfPure);
    std::uint32_t* const numbers[] = {&stmt.fileFlagsMask, &stmt.fileFlags, &stmt.fileOs, &stmt.fileType,
                                      &stmt.fileSubtype};
    const char* const words[] = {"FILEFLAGSMASK", "FILEFLAGS", "FILEOS", "FILETYPE", "FILESUBTYPE"};
    while (Peek().kind == TokenKind::Identifier && !AtBlockStart()) {
        const Token field = Take();
        if (IsWord(field, "FILEVERSION")) {
            ParseFixedVersion(stmt.fileVersion);
            continue;
        }
        if (IsWord(field, "PRODUCTVERSION")) {
            ParseFixedVersion(stmt.productVersion);
            continue;
        }
        bool known = false;
        for (std::size_t i = 0; i < std::size(words) && !known; ++i) {
            if (IsWord(field, words[i])) {
                *numbers[i] = ParseExpression();
                known = true;
            }
        }
        if (!known) {
            Unexpected(field,
                       "a VERSIONINFO field (FILEVERSION, PRODUCTVERSION, FILEFLAGSMASK, "
                       "FILEFLAGS, FILEOS, FILETYPE, FILESUBTYPE) or BEGIN");
        }
    }
    const Location start = OpenBlock("VERSIONINFO");
    ParseVersionNodes(stmt.blocks, start, 0);
    return stmt;
}

// Up to four parts, separated by commas; missing ones are 0, and each keeps its low 16 bits.
void Parser::ParseFixedVersion(std::array<std::uint16_t, 4>& parts) {
    parts = {};
    for (std::size_t i = 0; i < parts.size(); ++i) {
        parts[i] = static_cast<std::uint16_t>(ParseExpression());
        if (Peek().kind != TokenKind::Comma) return;
        if (i + 1 == parts.size()) throw CompileError(Peek().where, "a version has at most four parts");
        Take();
    }
}

// Depth 0 is the body of VERSIONINFO itself.
void Parser::ParseVersionNodes(std::vector<VersionNode>& nodes, const Location& start, int depth) {
    while (!AtBlockEnd()) {
        const Token keyword = Take();
        if (keyword.kind == TokenKind::End) throw CompileError(start, "block is not closed by END or '}'");
        const bool isBlock = IsWord(keyword, "BLOCK");
        if (!isBlock && !IsWord(keyword, "VALUE")) Unexpected(keyword, "BLOCK, VALUE or END");
        if (isBlock && depth >= kMaxNesting) {
            throw CompileError(keyword.where,
                               "BLOCK nested too deeply (more than " + std::to_string(kMaxNesting) + " levels)");
        }
        VersionNode node = ParseVersionValue(keyword, isBlock);
        if (isBlock) {
            const Location open = OpenBlock("BLOCK");
            ParseVersionNodes(node.children, open, depth + 1);
        }
        nodes.push_back(std::move(node));
    }
    Take();
}

// BLOCK or VALUE "key" [,] value [,] value ...: strings and numbers, any run of commas between.
VersionNode Parser::ParseVersionValue(const Token& keyword, bool isBlock) {
    VersionNode value;
    value.isBlock = isBlock;
    value.where = keyword.where;
    const char* what = isBlock ? "the name of the BLOCK in double quotes" : "the name of the VALUE in double quotes";
    value.key = Literal(Expect(TokenKind::String, what));
    SkipCommas();
    while (Peek().kind == TokenKind::String || AtExpressionStart()) {
        VersionValuePart part;
        if (Peek().kind == TokenKind::String) {
            part.isString = true;
            part.string = Literal(Take());
        } else {
            part.number = ParseExpression(&part.isLong);
        }
        part.trailingComma = Peek().kind == TokenKind::Comma;
        SkipCommas();
        value.parts.push_back(std::move(part));
    }
    if (!isBlock && Peek().kind == TokenKind::Identifier && !IsKeyword(Peek().text)) NotANumber(Peek());
    return value;
}

}  // namespace rc
