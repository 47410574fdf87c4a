// The parser's part for DIALOG and DIALOGEX: the header, the optional statements and the controls.
#include <algorithm>
#include <cctype>
#include <iterator>
#include <string_view>

#include "parse/Parser.h"

namespace rc {
namespace {

enum class TextRule { Required, None, Optional };

struct ControlKind {
    const char* keyword;
    std::uint32_t defaultStyle;
    std::uint16_t classOrdinal;  // 0: the class is the keyword as a name (pen edit controls)
    TextRule text;
    const char* arguments;  // for "too few arguments" messages
};

constexpr const char* kTextArguments = "text, id, x, y, width, height";
constexpr const char* kNoTextArguments = "id, x, y, width, height";

// Default styles: WS_CHILD | WS_VISIBLE with the control's own bits, as resource compilers use.
constexpr ControlKind kControls[] = {
    {"LTEXT", 0x50020000, 0x82, TextRule::Required, kTextArguments},
    {"CTEXT", 0x50020001, 0x82, TextRule::Required, kTextArguments},
    {"RTEXT", 0x50020002, 0x82, TextRule::Required, kTextArguments},
    {"ICON", 0x50000003, 0x82, TextRule::Required, "icon, id, x, y"},
    {"PUSHBUTTON", 0x50010000, 0x80, TextRule::Required, kTextArguments},
    {"DEFPUSHBUTTON", 0x50010001, 0x80, TextRule::Required, kTextArguments},
    {"PUSHBOX", 0x5001000A, 0x80, TextRule::Required, kTextArguments},
    {"CHECKBOX", 0x50010002, 0x80, TextRule::Required, kTextArguments},
    {"AUTOCHECKBOX", 0x50010003, 0x80, TextRule::Required, kTextArguments},
    {"RADIOBUTTON", 0x50000004, 0x80, TextRule::Required, kTextArguments},
    {"AUTORADIOBUTTON", 0x50000009, 0x80, TextRule::Required, kTextArguments},
    {"STATE3", 0x50010005, 0x80, TextRule::Required, kTextArguments},
    {"AUTO3STATE", 0x50010006, 0x80, TextRule::Required, kTextArguments},
    {"GROUPBOX", 0x50000007, 0x80, TextRule::Required, kTextArguments},
    {"EDITTEXT", 0x50810000, 0x81, TextRule::None, kNoTextArguments},
    {"LISTBOX", 0x50800001, 0x83, TextRule::None, kNoTextArguments},
    {"SCROLLBAR", 0x50000000, 0x84, TextRule::None, kNoTextArguments},
    {"COMBOBOX", 0x50000000, 0x85, TextRule::None, kNoTextArguments},
    {"BEDIT", 0x50810000, 0, TextRule::Optional, kNoTextArguments},
    {"HEDIT", 0x50810000, 0, TextRule::Optional, kNoTextArguments},
    {"IEDIT", 0x50810000, 0, TextRule::Optional, kNoTextArguments},
    {"CONTROL", 0x50000000, 0, TextRule::Required, "text, id, class, style, x, y, width, height"},
};

// The classes a CONTROL may name without quotes, with their ordinals.
constexpr std::pair<const char*, std::uint16_t> kClassKeywords[] = {
    {"BUTTON", 0x80}, {"EDIT", 0x81}, {"STATIC", 0x82}, {"LISTBOX", 0x83}, {"SCROLLBAR", 0x84}, {"COMBOBOX", 0x85}};

std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::toupper(c); });
    return text;
}

const ControlKind* FindControl(const std::string& upper) {
    const auto match = std::find_if(std::begin(kControls), std::end(kControls),
                                    [&](const ControlKind& kind) { return upper == kind.keyword; });
    return match == std::end(kControls) ? nullptr : &*match;
}


}  // namespace

DialogStmt Parser::ParseDialog(const ResourceId& name, const Location& where, bool extended) {
    const char* keyword = extended ? "DIALOGEX" : "DIALOG";
    DialogStmt stmt;
    stmt.name = name;
    stmt.where = where;
    stmt.extended = extended;
    stmt.flags = MfMoveable | MfPure | MfDiscardable;
    ParseOptions(stmt, true);
    std::uint32_t* const frame[] = {&stmt.x, &stmt.y, &stmt.width, &stmt.height};
    for (std::size_t i = 0; i < std::size(frame); ++i) {
        if (i > 0) Expect(TokenKind::Comma, "',' between x, y, width and height");
        *frame[i] = ParseExpression();
    }
    if (extended && Peek().kind == TokenKind::Comma) {
        Take();
        stmt.helpId = ParseExpression();
    }
    while (!AtBlockStart()) {
        if (!ParseDialogOption(stmt)) {
            Unexpected(Peek(), std::string("a ") + keyword + " option or BEGIN");
        }
    }
    const Location start = Take().where;
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

// One optional statement between the header and BEGIN; false when the next token is none.
bool Parser::ParseDialogOption(DialogStmt& stmt) {
    if (Peek().kind != TokenKind::Identifier) return false;
    const std::string word = Upper(Peek().text);
    if (word == "STYLE") {
        Take();
        stmt.style = ParseExpression();
    } else if (word == "EXSTYLE") {
        Take();
        stmt.exStyle = ParseExpression();
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

// FONT size, "face" [, weight [, italic [, charset]]]; old scripts leave out the first comma.
DialogFont Parser::ParseDialogFont(bool extended) {
    DialogFont font;
    font.size = ParseExpression();
    if (Peek().kind == TokenKind::Comma) Take();
    font.face = Literal(Expect(TokenKind::String, "a font name in double quotes"));
    std::uint32_t* const rest[] = {&font.weight, &font.italic, &font.charset};
    for (std::uint32_t* field : rest) {
        if (Peek().kind != TokenKind::Comma) break;
        if (!extended) throw CompileError(Peek().where, "FONT weight, italic and charset need DIALOGEX");
        Take();
        *field = ParseExpression();
    }
    return font;
}

// A class: "name", a number, or (for CONTROL) one of the six class keywords; a dialog's
// CLASS may also be a name without quotes, taken in upper case.
WindowClass Parser::ParseWindowClass(bool forControl) {
    WindowClass result;
    const Token& next = Peek();
    if (next.kind == TokenKind::String) {
        result.name = Literal(Take());
    } else if (next.kind == TokenKind::Identifier && !IsWord(next, "NOT")) {
        const Token word = Take();
        const std::string upper = Upper(word.text);
        if (!forControl) {
            result.name = {upper, false, codePage_, word.where};
            return result;
        }
        const auto match = std::find_if(std::begin(kClassKeywords), std::end(kClassKeywords),
                                        [&](const auto& entry) { return upper == entry.first; });
        if (match == std::end(kClassKeywords)) {
            throw CompileError(word.where, "unknown control class " + QuotedText(word.text) +
                                               " (BUTTON, EDIT, STATIC, LISTBOX, SCROLLBAR, COMBOBOX or a string)");
        }
        result.isOrdinal = true;
        result.ordinal = match->second;
    } else {
        result.isOrdinal = true;
        result.ordinal = ParseExpression();
    }
    return result;
}

ControlStmt Parser::ParseControl(const Token& keyword) {
    const std::string upper = keyword.kind == TokenKind::Identifier ? Upper(keyword.text) : std::string();
    const ControlKind* kind = FindControl(upper);
    if (!kind) Unexpected(keyword, "a control or END");
    ControlStmt control;
    control.keyword = upper;
    control.where = keyword.where;
    control.defaultStyle = kind->defaultStyle;
    if (kind->classOrdinal != 0) {
        control.windowClass.isOrdinal = true;
        control.windowClass.ordinal = kind->classOrdinal;
    } else {
        control.windowClass.name = {upper, false, codePage_, keyword.where};
    }
    const bool hasText = kind->text == TextRule::Required || (kind->text == TextRule::Optional && Peek().kind == TokenKind::String);
    if (hasText) {
        control.text = ParseControlText(keyword);
        // A comma after a quoted text may be missing in old scripts.
        if (control.text->kind == DialogText::Kind::Ordinal || Peek().kind == TokenKind::Comma) ControlComma(control, kind->arguments);
    }
    control.id = ControlArgument(control, kind->arguments).value;
    const bool isControl = upper == "CONTROL";
    if (isControl) {
        ControlComma(control, kind->arguments);
        control.windowClass = ParseWindowClass(true);
        ControlComma(control, kind->arguments);
        control.style = ControlArgument(control, kind->arguments);
    }
    std::uint32_t* const frame[] = {&control.x, &control.y, &control.width, &control.height};
    const std::size_t required = upper == "ICON" ? 2 : 4;  // an icon may leave its size to the icon
    for (std::size_t i = 0; i < std::size(frame); ++i) {
        if (i >= required && Peek().kind != TokenKind::Comma) break;
        ControlComma(control, kind->arguments);
        *frame[i] = ControlArgument(control, kind->arguments).value;
    }
    if (!isControl && Peek().kind == TokenKind::Comma) {
        Take();
        control.style = ParseMaskedExpression();
    }
    if (Peek().kind == TokenKind::Comma) {
        Take();
        control.exStyle = ParseExpression();
    }
    if (Peek().kind == TokenKind::Comma) {
        Take();
        control.helpId = ParseExpression();
    }
    if (AtBlockStart()) {
        const Location start = Take().where;
        control.data = ParseData(start);
    }
    return control;
}

DialogText Parser::ParseControlText(const Token& keyword) {
    DialogText text;
    const Token& next = Peek();
    text.where = next.where;
    if (next.kind == TokenKind::String) {
        text.string = Literal(Take());
    } else if (next.kind == TokenKind::Identifier && !IsWord(next, "NOT")) {
        if (!IsWord(keyword, "ICON")) {
            Unexpected(next, "a text in double quotes for " + Upper(keyword.text));
        }
        text.kind = DialogText::Kind::Name;
        text.string = {Take().text, false, codePage_, next.where};
    } else {
        text.kind = DialogText::Kind::Ordinal;
        text.ordinal = ParseExpression();
    }
    return text;
}

// The comma before a control's next required argument.
void Parser::ControlComma(const ControlStmt& control, const char* arguments) {
    const Token& next = Peek();
    if (next.kind == TokenKind::Comma) {
        Take();
        return;
    }
    if (next.kind == TokenKind::Identifier || next.kind == TokenKind::End || next.kind == TokenKind::RightBrace ||
        next.kind == TokenKind::LeftBrace) {
        throw CompileError(control.where, "too few arguments for " + control.keyword + " (" + arguments + ")");
    }
    Unexpected(next, "',' in " + control.keyword);
}

// A required argument: running into the next statement or the end means arguments are missing.
MaskedValue Parser::ControlArgument(const ControlStmt& control, const char* arguments) {
    const Token& next = Peek();
    const bool missing = next.kind == TokenKind::End || next.kind == TokenKind::RightBrace || next.kind == TokenKind::LeftBrace ||
                         (next.kind == TokenKind::Identifier && !IsWord(next, "NOT"));
    if (missing) throw CompileError(control.where, "too few arguments for " + control.keyword + " (" + arguments + ")");
    return ParseMaskedExpression();
}

}  // namespace rc
