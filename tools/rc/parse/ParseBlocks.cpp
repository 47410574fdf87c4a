// Parts shared by the statements with bodies: the name and options before the body, blocks,
// and the optional number fields of MENUEX items.
#include <strings.h>

#include "parse/Parser.h"

namespace rc {

// The name (its word, as Next read it), then memory options, LANGUAGE, VERSION, CHARACTERISTICS.
ResourceAttributes Parser::ParseHead(const Token& nameToken, std::uint16_t defaultFlags) {
    ResourceAttributes head;
    head.where = nameToken.where;
    head.name = NameFromWord(nameToken.text, nameToken.where);
    head.flags = defaultFlags;
    ParseOptions(head, false);
    return head;
}

Location Parser::OpenBlock(const char* statement) {
    if (!AtBlockStart()) Unexpected(Peek(), std::string("BEGIN or '{' after ") + statement);
    return Take().where;
}

bool Parser::AtExpressionStart() {
    const Token& token = Peek();
    return token.kind == TokenKind::Int || token.kind == TokenKind::LeftParen ||
           (token.kind == TokenKind::Operator && (token.text == "-" || token.text == "~")) || IsWord(token, "NOT");
}

// A number field that may be left out ("MENUITEM "x", , 0x800"): 0 when empty.
std::uint32_t Parser::OptionalField() { return AtExpressionStart() ? ParseExpression() : 0; }

}  // namespace rc
