// ACCELERATORS and TOOLBAR tables.
#include <strings.h>

#include <optional>
#include <string>
#include <vector>

#include "parse/Keywords.h"
#include "parse/Literal.h"
#include "parse/Parser.h"
#include "resformat/TextCodec.h"

namespace rc {
namespace {

std::uint16_t Fit16(std::uint32_t value) { return static_cast<std::uint16_t>(value); }

bool IsAsciiLetter(char32_t c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// The key of a string event, as rc.exe reads it: "^X" is the control character of the letter X;
// one character is itself (a letter in upper case for VIRTKEY); two are both, the first in the
// high byte. A NUL ends the string. An escaped byte of a narrow string is its character in
// code page 1252.
std::uint16_t StringKey(const StringLiteral& literal, bool virtKey) {
    std::vector<char32_t> chars;
    for (const LiteralChar& c : ReadLiteral(literal.body, literal.wide, literal.codePage, literal.column)) {
        chars.push_back(c.escaped && !literal.wide ? Cp1252ToUnicode(static_cast<std::uint8_t>(c.value)) : c.value);
    }
    const std::string shown = "accelerator " + QuotedText(literal.body, '"');
    if (chars.empty() || chars[0] == 0) throw CompileError(literal.where, shown + " is empty");
    if (chars[0] == '^') {
        if (chars.size() < 2) throw CompileError(literal.where, shown + " needs a letter after '^'");
        if (chars[1] == '^') return '^';
        if (!IsAsciiLetter(chars[1])) throw CompileError(literal.where, shown + ": '^' must be followed by a letter");
        return static_cast<std::uint16_t>((chars[1] & ~0x20u) - 0x40);
    }
    const std::optional<char32_t> second = chars.size() > 1 ? std::optional<char32_t>(chars[1]) : std::nullopt;
    std::uint32_t key = chars[0];
    if (key >= 0x10000) {
        if (second && *second != 0) throw CompileError(literal.where, shown + " is too long: one character, or two");
        key = (key & 0x3FF) + 0xDC00 + ((key - 0x10000) / 0x400) * 0x100;
    }
    if (second && *second == 0) return Fit16(key);
    if (chars.size() > 2 && chars[2] != 0)
        throw CompileError(literal.where, shown + " is too long: one character, or two");
    if (second) {
        if (*second >= 0x10000) throw CompileError(literal.where, shown + " is too long: one character, or two");
        key = (key << 8) + *second;
    } else if (virtKey && key >= 'a' && key <= 'z') {
        key -= 0x20;
    }
    return Fit16(key);
}

}  // namespace

AcceleratorStmt Parser::ParseAccelerators(const Token& nameToken) {
    AcceleratorStmt stmt;
    stmt.head = ParseHead(nameToken, MfMoveable | MfPure);
    const Location start = OpenBlock("ACCELERATORS");
    while (!AtBlockEnd()) {
        if (Peek().kind == TokenKind::End) throw CompileError(start, "block is not closed by END or '}'");
        stmt.entries.push_back(ParseAccelerator());
    }
    Take();
    return stmt;
}

// event, id [, ASCII | VIRTKEY | NOINVERT | SHIFT | CONTROL | ALT]...
Accelerator Parser::ParseAccelerator() {
    Accelerator entry;
    entry.where = Peek().where;
    std::optional<StringLiteral> event;
    std::uint32_t number = 0;
    if (Peek().kind == TokenKind::String) {
        event = Literal(Take());
    } else if (AtExpressionStart()) {
        number = ParseExpression();
    } else {
        if (Peek().kind == TokenKind::Identifier && !IsKeyword(Peek().text)) NotANumber(Peek());
        throw CompileError(entry.where,
                           "expected an accelerator key (a string or a number), found " + Described(Peek()));
    }
    Expect(TokenKind::Comma, "',' and the command id of the accelerator");
    entry.id = Fit16(ParseExpression());
    while (Peek().kind == TokenKind::Comma) {
        Take();
        const Token word = Take();
        if (IsWord(word, "ASCII")) continue;
        if (IsWord(word, "VIRTKEY"))
            entry.flags |= AfVirtKey;
        else if (IsWord(word, "NOINVERT"))
            entry.flags |= AfNoInvert;
        else if (IsWord(word, "SHIFT"))
            entry.flags |= AfShift;
        else if (IsWord(word, "CONTROL"))
            entry.flags |= AfControl;
        else if (IsWord(word, "ALT"))
            entry.flags |= AfAlt;
        else
            Unexpected(word, "ASCII, VIRTKEY, NOINVERT, SHIFT, CONTROL or ALT");
    }
    entry.key = event ? StringKey(*event, (entry.flags & AfVirtKey) != 0) : Fit16(number);
    entry.character = event && !(entry.flags & AfVirtKey);
    return entry;
}

// name TOOLBAR [options] width, height BEGIN { BUTTON id | SEPARATOR } END
ToolbarStmt Parser::ParseToolbar(const Token& nameToken) {
    ToolbarStmt stmt;
    stmt.head = ParseHead(nameToken, MfMoveable | MfPure);
    stmt.width = Fit16(ParseExpression());
    Expect(TokenKind::Comma, "',' and the button height");
    stmt.height = Fit16(ParseExpression());
    const Location start = OpenBlock("TOOLBAR");
    while (!AtBlockEnd()) {
        const Token word = Take();
        if (IsWord(word, "SEPARATOR")) {
            stmt.buttons.push_back(0);
        } else if (IsWord(word, "BUTTON")) {
            stmt.buttons.push_back(Fit16(ParseExpression()));
        } else if (word.kind == TokenKind::End) {
            throw CompileError(start, "block is not closed by END or '}'");
        } else {
            Unexpected(word, "BUTTON, SEPARATOR or END");
        }
    }
    Take();
    return stmt;
}

}  // namespace rc
