// The statement parser: resource lines, RCDATA blocks, string tables, LANGUAGE and #pragma code_page.
#include "parse/Parser.h"

#include <strings.h>

#include <algorithm>
#include <cctype>
#include <cstring>

#include "parse/Keywords.h"
#include "parse/Literal.h"
#include "parse/MemoryOptions.h"
#include "resformat/Bytes.h"
#include "resformat/TextCodec.h"

namespace rc {
namespace {

// Applies a memory option; false when the word is none.
bool ApplyMemoryOption(const std::string& word, ResourceOptions& options) {
    const std::optional<MemoryWord> memory = MemoryWordOf(word);
    if (!memory) return false;
    options.flags = ApplyMemoryWord(options.flags, *memory);
    options.memoryWords.push_back(*memory);
    return true;
}

}  // namespace

Parser::Parser(std::vector<Token> tokens, ParserOptions options)
    : options_(std::move(options)), codePage_(options_.codePage), outputCodePage_(options_.codePage) {
    for (Token& token : tokens) tokens_.Append() = std::move(token);
    if (tokens_.empty() || tokens_.back().kind != TokenKind::End) tokens_.Append() = Token();
}

Parser::Parser(std::string_view text, const std::string& fileName, ParserOptions options)
    : options_(std::move(options)), codePage_(options_.codePage), outputCodePage_(options_.codePage) {
    tokenizer_.emplace(text, fileName);
}

const Token& Parser::ReadAhead(std::size_t ahead) {
    while (tokens_.size() <= next_ + ahead) {
        if (!tokenizer_) return tokens_.back();  // the End token
        tokenizer_->Next(tokens_.Append());
    }
    return tokens_[next_ + ahead];
}

void Parser::Forget() {
    peeked_ = nullptr;
    tokens_.Drop(next_);
    next_ = 0;
}

const Token& Parser::PeekAfterDirectives() {
    while (true) {
        const Token& token = Ahead(0);
        if (token.kind != TokenKind::Directive) {
            peeked_ = &token;
            return token;
        }
        const Token directive = token;
        ++next_;
        Directive(directive);
    }
}

const Token& Parser::Take() {
    const Token& token = Peek();
    if (token.kind != TokenKind::End) {
        ++next_;
        peeked_ = nullptr;
    }
    return token;
}

Token Parser::Expect(TokenKind kind, const char* what) {
    Token token = Take();
    if (token.kind != kind) Unexpected(token, what ? what : TokenKindName(kind));
    return token;
}

void Parser::Unexpected(const Token& found, std::string_view what) {
    throw CompileError(found.where, "expected " + std::string(what) + ", found " + Described(found));
}

bool Parser::IsWord(const Token& token, const char* word) const {
    return token.kind == TokenKind::Identifier && SameWord(token.text, word);
}

int Parser::InputCodePage(const Location& where) const {
    return !options_.unicodeFiles.empty() && options_.unicodeFiles.count(where.fileName()) ? kCpUtf8 : codePage_;
}

// rc.exe reads only "#pragma code_page(N)" and only in the script itself, not in the files it
// includes; the first one sets the code page the script is read in, and each one after it also
// the code page that narrow strings are written in.
void Parser::Directive(const Token& token) {
    std::string_view line = token.text;
    line.remove_prefix(1);
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    if (!line.starts_with("pragma")) return;
    line.remove_prefix(6);
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    if (line.size() < 9 || strncasecmp(line.data(), "code_page", 9) != 0) return;
    if (!options_.rootFile.empty() && token.where.fileName() != options_.rootFile) return;
    if (options_.unicodeFiles.count(token.where.fileName())) return;  // a UTF-16 script is Unicode whatever it says
    CodePageDirective(token, line.substr(9));
}

void Parser::CodePageDirective(const Token& token, std::string_view line) {
    const auto open = line.find('(');
    const auto close = line.find(')');
    if (open == std::string_view::npos || close == std::string_view::npos || close < open) {
        throw CompileError(token.where, "#pragma code_page needs a code page in parentheses: " + ShortText(token.text));
    }
    std::string value(line.substr(open + 1, close - open - 1));
    value.erase(std::remove_if(value.begin(), value.end(), [](unsigned char c) { return std::isspace(c); }),
                value.end());
    int codePage = -1;
    if (strcasecmp(value.c_str(), "DEFAULT") == 0) {
        codePage = options_.codePage;
    } else if (!value.empty() && value.size() <= 5 && std::all_of(value.begin(), value.end(), ::isdigit) &&
               value[0] != '0') {
        codePage = std::stoi(value);
    }
    if (codePage < 0 || !IsSupportedCodePage(codePage))
        throw CompileError(token.where, "unsupported code page " + QuotedText(value));
    codePage_ = codePage;
    if (++codePagePragmas_ > 1) outputCodePage_ = codePage;
}

std::optional<Statement> Parser::Next() {
    Forget();
    try {
        return ParseStatement();
    } catch (const CompileError&) {
        if (tokenizer_) tokenizer_->CheckRest();
        throw;
    }
}

std::optional<Statement> Parser::ParseStatement() {
    const Token first = Take();
    if (first.kind == TokenKind::End) return std::nullopt;
    if (IsWord(first, "LANGUAGE")) return DefaultsStmt{ParseLanguage(), {}, {}};
    if (IsWord(first, "VERSION")) return DefaultsStmt{{}, ParseExpression(), {}};
    if (IsWord(first, "CHARACTERISTICS")) return DefaultsStmt{{}, {}, ParseExpression()};
    if (IsWord(first, "STRINGTABLE")) return ParseStringTable(first);
    const std::string upper = first.kind == TokenKind::Identifier ? Upper(first.text) : std::string();
    if (const char* context = BlockWordContext(upper)) throw CompileError(first.where, upper + " " + context);
    const std::string spelled = SpelledWord(first);
    Token name = first;
    name.text = spelled;  // lives while the statement is parsed
    name.kind = TokenKind::Identifier;
    // rc.exe takes a word alone at the end of the script as nothing.
    if (Peek().kind == TokenKind::End) return std::nullopt;
    const ResourceTypeWord type = ParseTypeWord();
    switch (type.kind) {
        case ResourceKind::Dialog:
        case ResourceKind::DialogEx: return ParseDialog(name, type.kind == ResourceKind::DialogEx);
        case ResourceKind::Menu:
        case ResourceKind::MenuEx: return ParseMenu(name, type.kind == ResourceKind::MenuEx);
        case ResourceKind::VersionInfo: return ParseVersionInfo(name);
        case ResourceKind::Accelerators: return ParseAccelerators(name);
        case ResourceKind::Toolbar: return ParseToolbar(name);
        case ResourceKind::StringTable:
            throw CompileError(
                name.where,
                "a string table has no name, and the type 6 is its own: write STRINGTABLE { id, \"text\" }");
        default: return ParseResource(name, type);
    }
}

void Parser::ParseOptions(ResourceOptions& options, bool memoryOnly) {
    while (Peek().kind == TokenKind::Identifier) {
        const std::string word = Upper(Peek().text);
        if (ApplyMemoryOption(word, options)) {
            Take();
        } else if (memoryOnly || !ParseStatementOption(word, options)) {
            return;
        }
    }
}

bool Parser::ParseStatementOption(const std::string& word, ResourceOptions& options) {
    if (word != "LANGUAGE" && word != "VERSION" && word != "CHARACTERISTICS") return false;
    Take();
    if (word == "LANGUAGE")
        options.language = ParseLanguage();
    else if (word == "VERSION")
        options.version = ParseExpression();
    else
        options.characteristics = ParseExpression();
    return true;
}

bool Parser::AtBlockStart() {
    const Token& token = Peek();
    return token.kind == TokenKind::LeftBrace || IsWord(token, "BEGIN");
}

bool Parser::AtBlockEnd() {
    const Token& token = Peek();
    return token.kind == TokenKind::RightBrace || IsWord(token, "END");
}

StringLiteral Parser::Literal(Token token) const {
    const int codePage = InputCodePage(token.where);
    return {std::string(token.text), token.wide, codePage, outputCodePage_, token.column, std::move(token.where)};
}

void Parser::SkipCommas() {
    while (Peek().kind == TokenKind::Comma) Take();
}

Statement Parser::ParseResource(const Token& nameToken, const ResourceTypeWord& type) {
    ResourceStmt stmt;
    stmt.where = nameToken.where;
    stmt.name = NameFromWord(nameToken.text, nameToken.where);
    stmt.type = type.type;
    using Kind = ResourceStmt::Kind;
    switch (type.kind) {
        case ResourceKind::Bitmap: stmt.kind = Kind::Bitmap; break;
        case ResourceKind::Icon: stmt.kind = Kind::Icon; break;
        case ResourceKind::Cursor: stmt.kind = Kind::Cursor; break;
        case ResourceKind::AniCursor: stmt.kind = Kind::AniCursor; break;
        case ResourceKind::AniIcon: stmt.kind = Kind::AniIcon; break;
        case ResourceKind::Font: stmt.kind = Kind::Font; break;
        case ResourceKind::DlgInclude: stmt.kind = Kind::DlgInclude; break;
        default: stmt.kind = Kind::Data; break;
    }
    stmt.flags = DefaultMemoryFlags(stmt.type);
    // The keywords ANICURSOR and ANIICON start from the flags brcc32 and windres give them; a
    // 16-bit FONT from those it has always had there.
    if (stmt.kind == Kind::AniCursor || stmt.kind == Kind::AniIcon) stmt.flags = MfMoveable | MfPure | MfDiscardable;
    if (stmt.kind == Kind::Font && options_.win16) stmt.flags = MfMoveable | MfDiscardable;
    const bool canHoldData = stmt.kind == Kind::Data || stmt.kind == Kind::Font || stmt.kind == Kind::DlgInclude;
    ParseOptions(stmt, !canHoldData);
    if (canHoldData && AtBlockStart()) {
        const Location start = Take().where;
        stmt.data = ParseData(start);
        return stmt;
    }
    const Token file = Take();
    if (stmt.kind == Kind::DlgInclude && file.kind == TokenKind::String) {
        stmt.includeName = Literal(file);
        return stmt;
    }
    if (file.kind != TokenKind::String && file.kind != TokenKind::Identifier && file.kind != TokenKind::Int) {
        Unexpected(file, "a file name");
    }
    // A quoted name is read as a string; a name without quotes is taken as written.
    stmt.file = file.kind == TokenKind::String ? LiteralFileName(Literal(file)) : SpelledWord(file);
    if (file.kind == TokenKind::String && file.text.find('\\') != std::string::npos) stmt.fileAsWritten = file.text;
    if (stmt.file->empty()) throw CompileError(file.where, "empty file name");
    if (stmt.file->find('\0') != std::string::npos)
        throw CompileError(file.where, "a file name cannot hold a NUL character");
    return stmt;
}

// The values are written as they are read: a block of many megabytes is never held as items.
std::string Parser::ParseData(const Location& start) {
    constexpr std::size_t kForgetAfter = 4096;  // tokens taken before they are dropped
    std::string bytes;
    while (!AtBlockEnd()) {
        if (next_ >= kForgetAfter) Forget();
        if (Peek().kind == TokenKind::End) throw CompileError(start, "block is not closed by END or '}'");
        if (Peek().kind == TokenKind::Comma) {
            Take();
        } else if (Peek().kind == TokenKind::String) {
            AppendDataBytes(bytes, Literal(Take()));
        } else {
            bool isLong = false;
            const std::uint32_t value = ParseExpression(&isLong);
            if (isLong)
                PutU32(bytes, value);
            else
                PutU16(bytes, static_cast<std::uint16_t>(value));
        }
    }
    Take();
    return bytes;
}

// The literals that make a string-table entry, as one text.
std::u16string Parser::StringText() {
    const auto read = [this](const Token& token, NullHandling nulls) {
        return LiteralText(token.text, token.wide, InputCodePage(token.where), nulls, token.column);
    };
    const Token& first = Take();  // stays where it is while the parser reads on
    if (Peek().kind != TokenKind::String) return read(first, NullHandling::CutAtDoubleNull);
    std::u16string text = read(first, NullHandling::Keep);
    while (Peek().kind == TokenKind::String) text += read(Take(), NullHandling::Keep);
    CutAtNulls(text, NullHandling::CutAtDoubleNull);
    return text;
}

StringTableStmt Parser::ParseStringTable(const Token& keyword) {
    StringTableStmt stmt;
    stmt.entries.reserve(16);  // a table mostly fills one block of 16 strings
    stmt.where = keyword.where;
    stmt.flags = MfMoveable | MfPure | MfDiscardable;
    ParseOptions(stmt, false);
    if (!AtBlockStart()) throw CompileError(Peek().where, "expected BEGIN or '{' after STRINGTABLE");
    const Location start = Take().where;
    while (!AtBlockEnd()) {
        const Token& next = Peek();
        if (next.kind == TokenKind::End) throw CompileError(start, "STRINGTABLE is not closed by END or '}'");
        StringEntry entry;
        entry.where = next.where;
        entry.id = ParseExpression();
        if (Peek().kind == TokenKind::Comma) Take();
        if (Peek().kind != TokenKind::String)
            Unexpected(Peek(), "a string for id " + std::to_string(entry.id & 0xFFFF));
        entry.text = StringText();
        stmt.entries.push_back(std::move(entry));
    }
    Take();
    return stmt;
}

}  // namespace rc
