// The controls of DIALOG and DIALOGEX:
//   keyword [text ,] id , [class , style ,] x [,] y [,] width [,] height [, style [, exstyle [, helpid]]]
// (CONTROL takes its class and style before x; any run of commas counts as one between text, id,
// class and style, and a field after x may be left empty).
#include <algorithm>
#include <cctype>
#include <iterator>

#include "parse/Keywords.h"
#include "parse/Literal.h"
#include "parse/Parser.h"
#include "resformat/TextCodec.h"

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
    {"USERBUTTON", 0x50010008, 0x80, TextRule::Required, kTextArguments},
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

// The classes a CONTROL names with their ordinals, as keywords or in quotes in any letter case.
constexpr const char* kClassNames[] = {"BUTTON", "EDIT", "STATIC", "LISTBOX", "SCROLLBAR", "COMBOBOX"};

const ControlKind* FindControl(const std::string& upper) {
    const auto match = std::find_if(std::begin(kControls), std::end(kControls),
                                    [&](const ControlKind& kind) { return upper == kind.keyword; });
    return match == std::end(kControls) ? nullptr : &*match;
}

std::optional<std::uint16_t> ClassOrdinal(const std::u16string& name) {
    std::string upper;
    for (char16_t unit : name) {
        if (unit >= 0x80) return std::nullopt;
        upper += static_cast<char>(std::toupper(static_cast<int>(unit)));
    }
    for (std::size_t i = 0; i < std::size(kClassNames); ++i) {
        if (upper == kClassNames[i]) return static_cast<std::uint16_t>(0x80 + i);
    }
    return std::nullopt;
}

}  // namespace

// A class: "name", a number, or (for CONTROL) one of the six class keywords; a dialog's
// CLASS may also be a name without quotes, taken in upper case. A control's class named
// Button, Edit, Static, ListBox, ScrollBar or ComboBox is written as that class's ordinal.
WindowClass Parser::ParseWindowClass(bool forControl) {
    WindowClass result;
    const Token& next = Peek();
    if (next.kind == TokenKind::String) {
        result.name = Literal(Take());
        const std::optional<std::uint16_t> ordinal =
            forControl ? ClassOrdinal(DecodeLiteral(result.name, NullHandling::CutAtNull)) : std::nullopt;
        if (ordinal) result = {true, *ordinal, {}};
    } else if (next.kind == TokenKind::Identifier && !IsWord(next, "NOT")) {
        const Token word = Take();
        const std::string upper = Upper(word.text);
        if (!forControl) {
            result.name = {upper, false, InputCodePage(word.where), outputCodePage_, word.column, word.where};
            return result;
        }
        const auto match = std::find(std::begin(kClassNames), std::end(kClassNames), upper);
        if (match == std::end(kClassNames)) {
            throw CompileError(word.where, "unknown control class " + QuotedText(word.text) +
                                               " (BUTTON, EDIT, STATIC, LISTBOX, SCROLLBAR, COMBOBOX or a string)");
        }
        result.isOrdinal = true;
        result.ordinal = static_cast<std::uint32_t>(0x80 + (match - std::begin(kClassNames)));
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
    control.style = kind->defaultStyle;
    // HEDIT and IEDIT are edit controls in 32 bits; Windows 3.x pen windows knew them by name.
    const bool penEdit = upper == "HEDIT" || upper == "IEDIT";
    if (kind->classOrdinal != 0 || (penEdit && !options_.win16)) {
        control.windowClass = {true, kind->classOrdinal != 0 ? kind->classOrdinal : 0x81u, {}};
    } else {
        control.windowClass.name = {upper,           false,          InputCodePage(keyword.where),
                                    outputCodePage_, keyword.column, keyword.where};
    }
    SkipCommas();
    if (kind->text == TextRule::Required || (kind->text == TextRule::Optional && Peek().kind == TokenKind::String)) {
        control.text = ParseControlText(keyword);
        SkipCommas();
    }
    control.id = ControlNumber(control, kind->arguments);
    SkipCommas();
    const bool isControl = upper == "CONTROL";
    if (isControl) {
        const TokenKind next = Peek().kind;
        if (next == TokenKind::End || next == TokenKind::RightBrace || next == TokenKind::LeftBrace) {
            throw CompileError(control.where, "too few arguments for CONTROL (" + std::string(kind->arguments) + ")");
        }
        control.windowClass = ParseWindowClass(true);
        SkipCommas();
        CheckArgument(control, kind->arguments);
        control.style = ParseFlags(kind->defaultStyle);
        SkipCommas();
    }
    ParseControlFrame(control, kind->arguments);
    if (!isControl && OptionalFieldFollows()) control.style = ParseFlags(kind->defaultStyle);
    if (OptionalFieldFollows()) control.exStyle = ParseFlags(0);
    if (OptionalFieldFollows()) control.helpId = ParseExpression();  // written in a DIALOGEX only
    if (AtBlockStart()) {
        const Location start = Take().where;
        control.data = ParseData(start);
    }
    return control;
}

// x [,] y [,] width [,] height; an icon may leave its size to the icon.
void Parser::ParseControlFrame(ControlStmt& control, const char* arguments) {
    std::uint32_t* const frame[] = {&control.x, &control.y, &control.width, &control.height};
    const std::size_t required = control.keyword == "ICON" ? 2 : 4;
    for (std::size_t i = 0; i < std::size(frame); ++i) {
        if (i >= required) {
            if (Peek().kind != TokenKind::Comma) break;
            Take();
        } else if (i > 0 && Peek().kind == TokenKind::Comma) {
            Take();
        }
        *frame[i] = ControlNumber(control, arguments);
    }
}

// A comma, then a number field that may be left empty: true when a number follows.
bool Parser::OptionalFieldFollows() {
    if (Peek().kind != TokenKind::Comma) return false;
    Take();
    const Token& next = Peek();
    if (AtExpressionStart()) return true;
    if (next.kind == TokenKind::Identifier && !IsKeyword(next.text)) NotANumber(next);
    return false;
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
        text.string = {std::string(Take().text), false,       InputCodePage(next.where),
                       outputCodePage_,          next.column, next.where};
    } else {
        text.kind = DialogText::Kind::Ordinal;
        text.ordinal = ParseExpression();
    }
    return text;
}

// Before a required argument: running into the next statement or the end means arguments are
// missing; a name that is no keyword is one that no #define gave a value.
void Parser::CheckArgument(const ControlStmt& control, const char* arguments) {
    const Token& next = Peek();
    const bool missing = next.kind == TokenKind::End || next.kind == TokenKind::RightBrace ||
                         next.kind == TokenKind::LeftBrace || next.kind == TokenKind::Comma ||
                         (next.kind == TokenKind::Identifier && IsKeyword(next.text) && !IsWord(next, "NOT"));
    if (missing) throw CompileError(control.where, "too few arguments for " + control.keyword + " (" + arguments + ")");
}

std::uint32_t Parser::ControlNumber(const ControlStmt& control, const char* arguments) {
    CheckArgument(control, arguments);
    return ParseExpression();
}

}  // namespace rc
