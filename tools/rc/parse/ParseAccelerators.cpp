// ACCELERATORS and TOOLBAR tables.
#include <strings.h>

#include <cctype>
#include <string>

#include "parse/Literal.h"
#include "parse/Parser.h"

namespace rc {
namespace {


std::uint16_t Fit16(std::uint32_t value, const Location& where, const char* what) {
    if (value > 0xFFFF) throw CompileError(where, std::string(what) + " " + std::to_string(value) + " does not fit in 16 bits");
    return static_cast<std::uint16_t>(value);
}

struct Event {
    bool isString = false;
    std::u16string text;
    std::uint32_t number = 0;
    std::string written;  // for messages
};

// Resolves the event to its key. A lone character is itself (upper case for VIRTKEY); "^X" is
// Ctrl+X: the control code when it stands alone (as llvm-rc writes it), else the virtual key X
// with CONTROL and the other modifiers (as windres writes it; llvm-rc refuses that form).
std::uint16_t ResolveKey(const Event& event, std::uint16_t& flags, const Location& where) {
    if (!event.isString) return Fit16(event.number, where, "accelerator key");
    const std::u16string& text = event.text;
    const std::string shown = "accelerator " + QuotedText(event.written, '"');
    if (text == u"^") throw CompileError(where, shown + " needs a letter after '^'");
    if (text.size() == 2 && text[0] == u'^') {
        const char16_t letter = text[1];
        if (!(letter < 0x80 && std::isalpha(static_cast<int>(letter)))) {
            throw CompileError(where, shown + ": '^' must be followed by a letter");
        }
        const auto upper = static_cast<std::uint16_t>(std::toupper(static_cast<int>(letter)));
        if (flags & (AfVirtKey | AfShift | AfControl | AfAlt)) {
            flags |= AfVirtKey | AfControl;
            return upper;
        }
        return static_cast<std::uint16_t>(upper - 'A' + 1);
    }
    if (text.size() != 1) throw CompileError(where, shown + " must be one character, or '^' and a letter");
    if ((flags & AfVirtKey) && text[0] < 0x80) return static_cast<std::uint16_t>(std::toupper(static_cast<int>(text[0])));
    return text[0];
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
    Event event;
    if (Peek().kind == TokenKind::String) {
        const Token token = Take();
        event.isString = true;
        event.written = token.text;
        event.text = DecodeLiteral(Literal(token), NullHandling::Keep);
    } else if (AtExpressionStart()) {
        event.number = ParseExpression();
    } else {
        throw CompileError(entry.where, "expected an accelerator key (a string or a number), found " + Described(Peek()));
    }
    Expect(TokenKind::Comma, "',' and the command id of the accelerator");
    const Location idWhere = Peek().where;
    entry.id = Fit16(ParseExpression(), idWhere, "accelerator id");
    bool ascii = false;
    while (Peek().kind == TokenKind::Comma) {
        Take();
        const Token word = Take();
        if (IsWord(word, "ASCII")) ascii = true;
        else if (IsWord(word, "VIRTKEY")) entry.flags |= AfVirtKey;
        else if (IsWord(word, "NOINVERT")) entry.flags |= AfNoInvert;
        else if (IsWord(word, "SHIFT")) entry.flags |= AfShift;
        else if (IsWord(word, "CONTROL")) entry.flags |= AfControl;
        else if (IsWord(word, "ALT")) entry.flags |= AfAlt;
        else Unexpected(word, "ASCII, VIRTKEY, NOINVERT, SHIFT, CONTROL or ALT");
    }
    if (ascii && (entry.flags & AfVirtKey)) throw CompileError(entry.where, "an accelerator cannot be both ASCII and VIRTKEY");
    entry.key = ResolveKey(event, entry.flags, entry.where);
    entry.character = event.isString && !(entry.flags & AfVirtKey);
    return entry;
}

// name TOOLBAR [options] width, height BEGIN { BUTTON id | SEPARATOR } END
ToolbarStmt Parser::ParseToolbar(const Token& nameToken) {
    ToolbarStmt stmt;
    stmt.head = ParseHead(nameToken, MfMoveable | MfPure);
    Location where = Peek().where;
    stmt.width = Fit16(ParseExpression(), where, "toolbar button width");
    Expect(TokenKind::Comma, "',' and the button height");
    where = Peek().where;
    stmt.height = Fit16(ParseExpression(), where, "toolbar button height");
    const Location start = OpenBlock("TOOLBAR");
    while (!AtBlockEnd()) {
        const Token word = Take();
        if (IsWord(word, "SEPARATOR")) {
            stmt.buttons.push_back(0);
        } else if (IsWord(word, "BUTTON")) {
            where = Peek().where;
            stmt.buttons.push_back(Fit16(ParseExpression(), where, "button id"));
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
