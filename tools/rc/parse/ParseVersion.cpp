// VERSIONINFO: the fixed fields, then BLOCKs of VALUEs.
#include <strings.h>

#include <string>

#include "parse/Parser.h"
#include "resformat/BodyFormat.h"

namespace rc {
namespace {


}  // namespace

VersionStmt Parser::ParseVersionInfo(const Token& nameToken) {
    VersionStmt stmt;
    stmt.head = ParseHead(nameToken, MfMoveable | MfPure);
    std::uint32_t* const numbers[] = {&stmt.fileFlagsMask, &stmt.fileFlags, &stmt.fileOs, &stmt.fileType, &stmt.fileSubtype};
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
            Unexpected(field, "a VERSIONINFO field (FILEVERSION, PRODUCTVERSION, FILEFLAGSMASK, "
                                            "FILEFLAGS, FILEOS, FILETYPE, FILESUBTYPE) or BEGIN");
        }
    }
    const Location start = OpenBlock("VERSIONINFO");
    ParseVersionNodes(stmt.blocks, start, 0);
    return stmt;
}

// Up to four 16-bit parts, separated by commas; missing ones are 0.
void Parser::ParseFixedVersion(std::array<std::uint16_t, 4>& parts) {
    for (std::size_t i = 0;; ++i) {
        const Location where = Peek().where;
        const std::uint32_t value = ParseExpression();
        if (i >= parts.size()) throw CompileError(where, "a version has at most four parts");
        if (value > 0xFFFF) throw CompileError(where, "version part " + std::to_string(value) + " is over 65535");
        parts[i] = static_cast<std::uint16_t>(value);
        if (Peek().kind != TokenKind::Comma) return;
        Take();
    }
}

// Depth 0 is the body of VERSIONINFO itself, which holds BLOCKs only.
void Parser::ParseVersionNodes(std::vector<VersionNode>& nodes, const Location& start, int depth) {
    while (!AtBlockEnd()) {
        const Token keyword = Take();
        if (keyword.kind == TokenKind::End) throw CompileError(start, "block is not closed by END or '}'");
        if (IsWord(keyword, "VALUE")) {
            if (depth == 0) throw CompileError(keyword.where, "VALUE outside a BLOCK");
            nodes.push_back(ParseVersionValue(keyword));
            continue;
        }
        if (!IsWord(keyword, "BLOCK")) Unexpected(keyword, "BLOCK, VALUE or END");
        if (depth >= kMaxNesting) {
            throw CompileError(keyword.where, "BLOCK nested too deeply (more than " + std::to_string(kMaxNesting) + " levels)");
        }
        VersionNode block;
        block.isBlock = true;
        block.where = keyword.where;
        block.key = Literal(Expect(TokenKind::String, "the name of the BLOCK in double quotes"));
        const Location open = OpenBlock("BLOCK");
        ParseVersionNodes(block.children, open, depth + 1);
        nodes.push_back(std::move(block));
    }
    Take();
}

// VALUE "key", part [, part]...: strings and numbers; a string right after a string joins it.
VersionNode Parser::ParseVersionValue(const Token& keyword) {
    VersionNode value;
    value.where = keyword.where;
    value.key = Literal(Expect(TokenKind::String, "the name of the VALUE in double quotes"));
    Expect(TokenKind::Comma, "',' after the name of the VALUE");
    bool afterComma = true;
    while (true) {
        VersionValuePart part;
        part.afterComma = afterComma;
        if (Peek().kind == TokenKind::String) {
            part.isString = true;
            part.string = Literal(Take());
        } else {
            part.number = ParseExpression(&part.isLong);
        }
        value.parts.push_back(std::move(part));
        afterComma = Peek().kind == TokenKind::Comma;
        if (afterComma) {
            Take();
        } else if (Peek().kind != TokenKind::String || !value.parts.back().isString) {
            return value;
        }
    }
}

}  // namespace rc
