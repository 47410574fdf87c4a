// MENU and MENUEX: items, separators and popups with their options.
#include <strings.h>

#include <iterator>
#include <string>

#include "parse/Keywords.h"
#include "parse/Parser.h"
#include "resformat/BodyFormat.h"

namespace rc {
namespace {

struct MenuOption {
    const char* word;
    std::uint16_t flag;
};

constexpr MenuOption kMenuOptions[] = {
    {"CHECKED", MfChecked},           {"GRAYED", MfGrayed},       {"HELP", MfHelp},           {"INACTIVE", MfInactive},
    {"MENUBARBREAK", MfMenuBarBreak}, {"MENUBREAK", MfMenuBreak}, {"OWNERDRAW", MfOwnerDraw}, {"BITMAP", MfBitmap},
};

const MenuOption* FindMenuOption(const Token& token) {
    if (token.kind != TokenKind::Identifier) return nullptr;
    for (const MenuOption& option : kMenuOptions) {
        if (SameWord(token.text, option.word)) return &option;
    }
    return nullptr;
}

}  // namespace

// name MENU [options] BEGIN items END; name MENUEX [options] [helpid] [options] BEGIN items END
MenuStmt Parser::ParseMenu(const Token& nameToken, bool extended) {
    MenuStmt menu;
    menu.extended = extended;
    menu.head = ParseHead(nameToken, MfMoveable | MfPure | MfDiscardable);
    if (extended && AtExpressionStart()) {
        menu.helpId = ParseExpression();
        ParseOptions(menu.head, false);
    }
    const Location start = OpenBlock(menu.extended ? "MENUEX" : "MENU");
    ParseMenuItems(menu.extended, menu.items, start, 1);
    return menu;
}

void Parser::ParseMenuItems(bool extended, std::vector<MenuItem>& items, const Location& start, int depth) {
    while (!AtBlockEnd()) {
        const Token keyword = Take();
        if (keyword.kind == TokenKind::End) throw CompileError(start, "block is not closed by END or '}'");
        const bool popup = IsWord(keyword, "POPUP");
        if (!popup && !IsWord(keyword, "MENUITEM")) {
            Unexpected(keyword, "MENUITEM, POPUP or END");
        }
        items.push_back(ParseMenuItem(extended, keyword));
        if (!popup) continue;
        if (depth >= kMaxNesting) {
            throw CompileError(keyword.where,
                               "POPUP nested too deeply (more than " + std::to_string(kMaxNesting) + " levels)");
        }
        const Location open = OpenBlock("POPUP");
        ParseMenuItems(extended, items.back().children, open, depth + 1);
    }
    Take();
}

// MENU:   MENUITEM "text" [,] id [,] [option [,]]... | MENUITEM SEPARATOR | POPUP "text" [,] [option [,]]...
// MENUEX: MENUITEM "text" [, id [, type [, state]]] [,] | POPUP "text" [, id [, type [, state [, helpid]]]] [,]
MenuItem Parser::ParseMenuItem(bool extended, const Token& keyword) {
    MenuItem item;
    item.where = keyword.where;
    const bool popup = IsWord(keyword, "POPUP");
    item.kind = popup ? MenuItem::Kind::Popup : MenuItem::Kind::Item;
    if (!popup && IsWord(Peek(), "SEPARATOR")) {
        Take();
        SkipCommas();
        item.kind = MenuItem::Kind::Separator;
        return item;
    }
    const Token text = Take();
    if (text.kind != TokenKind::String) Unexpected(text, "the text of the menu item");
    item.text = Literal(text);
    if (!extended) {
        SkipCommas();
        if (!popup) {
            if (!AtExpressionStart()) {
                if (Peek().kind == TokenKind::Identifier && !IsKeyword(Peek().text)) NotANumber(Peek());
                Unexpected(Peek(), "the id of the menu item");
            }
            item.id = ParseExpression();
            if (Peek().kind == TokenKind::Comma) Take();
        }
        ParseMenuOptions(item, popup);
        return item;
    }
    std::uint32_t* const fields[] = {&item.id, &item.type, &item.state, &item.helpId};
    const std::size_t count = popup ? 4 : 3;
    for (std::size_t i = 0; i < count && Peek().kind == TokenKind::Comma; ++i) {
        Take();
        *fields[i] = OptionalField();
    }
    if (Peek().kind == TokenKind::Comma) Take();
    return item;
}

// Options follow the id, each with or without commas after it.
void Parser::ParseMenuOptions(MenuItem& item, bool popup) {
    while (const MenuOption* option = FindMenuOption(Peek())) {
        Take();
        item.flags |= option->flag;
        SkipCommas();
    }
    const Token& next = Peek();
    const bool itemEnds = next.kind != TokenKind::Identifier || IsWord(next, "MENUITEM") || IsWord(next, "POPUP") ||
                          IsWord(next, "END") || IsWord(next, "BEGIN");
    if (itemEnds) return;
    Unexpected(next, std::string("a ") + (popup ? "POPUP" : "MENUITEM") +
                         " option (CHECKED, GRAYED, HELP, INACTIVE, MENUBARBREAK, MENUBREAK, OWNERDRAW, BITMAP)");
}

}  // namespace rc
