// Build step: writes the C++ file that holds the built-in headers. Besides each header's text it
// lists the header's runs of #define lines, and every definition of those runs in one hash table
// by name, so that the compiler takes a run of a few thousand definitions in one step instead
// of reading and storing each line at every start.
// Usage: restallow-embed-headers OUTPUT HEADER...
#include <algorithm>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "fileaccess/InputFile.h"
#include "fileaccess/OutputFile.h"
#include "preprocess/BuiltinHash.h"
#include "preprocess/PpLexer.h"
#include "resformat/Diagnostic.h"

namespace {

struct Definition {
    std::string name;
    std::string text;  // from the name on, as the preprocessor's own #define would read it
    std::size_t run;
    rc::Location where;  // its #define line
};

struct Run {
    std::size_t begin, end;  // where the reader stands before its first line and after its last
    long newlines;           // in between
};

struct Header {
    std::string name;  // lower case
    std::string text;
    std::size_t firstRun = 0;
    std::vector<Run> runs;
};

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string Quoted(const std::string& text, const rc::Location& where) {
    std::string out = "\"";
    for (char c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) > 0x7E) {
            throw rc::CompileError(where, "a character other than printable ASCII in a definition");
        }
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out + "\"sv";
}

// A #define line gives its definition; a blank line belongs to any run; any other line ends it.
enum class LineKind { Blank, Define, Other };

LineKind Classify(const rc::LogicalLine& line, Definition& definition) {
    const std::string_view text = line.view();
    const std::vector<rc::PpToken> tokens = rc::LexLine(text);
    if (tokens.empty()) return LineKind::Blank;
    if (tokens.size() < 3 || !tokens[0].Is("#") || tokens[1].text != "define" || tokens[2].kind != rc::PpKind::Identifier) {
        return LineKind::Other;
    }
    definition.name = std::string(tokens[2].text);
    const std::size_t define = text.find("define");
    definition.text = std::string(text.substr(text.find(definition.name, define + 6)));
    while (!definition.text.empty() && (definition.text.back() == ' ' || definition.text.back() == '\t')) definition.text.pop_back();
    return LineKind::Define;
}

// Finds the runs of a header: logical lines as the preprocessor reads them, so that a run starts
// exactly where the preprocessor's reader stands after the line before it.
void FindRuns(Header& header, std::size_t firstRun, std::vector<Definition>& definitions) {
    header.firstRun = firstRun;
    rc::LineReader reader(header.text);
    const std::string_view text = reader.text();
    const auto file = std::make_shared<const std::string>(header.name);
    rc::LogicalLine line;
    bool open = false;
    while (true) {
        const std::size_t before = reader.position();
        if (!reader.Next(line)) {
            if (reader.openCommentLine()) throw rc::CompileError({file, reader.openCommentLine()}, "unterminated comment");
            break;
        }
        Definition definition;
        definition.where = {file, line.line};
        const LineKind kind = Classify(line, definition);
        if (kind == LineKind::Other) {
            open = false;
            continue;
        }
        if (kind == LineKind::Blank && !open) continue;
        if (!open) {
            header.runs.push_back({before, before, 0});
            open = true;
        }
        Run& run = header.runs.back();
        run.end = reader.position();
        run.newlines = std::count(text.begin() + static_cast<long>(run.begin), text.begin() + static_cast<long>(run.end), '\n');
        if (kind == LineKind::Define) {
            definition.run = firstRun + header.runs.size() - 1;
            definitions.push_back(std::move(definition));
        }
    }
}

void Write(std::ostream& out, const std::vector<Header>& headers, std::vector<Definition>& definitions) {
    std::stable_sort(definitions.begin(), definitions.end(), [](const Definition& a, const Definition& b) { return a.name < b.name; });
    std::size_t slots = 1;
    while (slots < definitions.size() * 2) slots *= 2;
    std::vector<std::size_t> table(slots, 0);
    for (std::size_t i = 0; i < definitions.size(); ++i) {
        if (i > 0 && definitions[i].name == definitions[i - 1].name) continue;
        std::size_t at = rc::BuiltinHash(definitions[i].name) & (slots - 1);
        while (table[at] != 0) at = (at + 1) & (slots - 1);
        table[at] = i + 1;
    }
    out << "// Made by restallow-embed-headers from tools/rc/headers; do not edit.\n"
           "#include \"preprocess/BuiltinHeaders.h\"\n\nnamespace rc {\n\nusing namespace std::string_view_literals;\n\n"
           "// sv literals: their length is known without strlen, so the tables are constant-initialized.\n"
           "extern constinit const BuiltinRun kBuiltinRuns[] = {\n";
    for (const Header& header : headers) {
        for (const Run& run : header.runs) out << "    {" << run.begin << ", " << run.end << ", " << run.newlines << "},\n";
    }
    out << "    {0, 0, 0}};\n\nextern constinit const BuiltinHeader kBuiltinHeaders[] = {\n";
    for (const Header& header : headers) {
        if (header.text.find(")rch\"") != std::string::npos) throw rc::CompileError({}, header.name + " holds the raw string delimiter");
        out << "    {\"" << header.name << "\"sv, R\"rch(" << header.text << ")rch\"sv, kBuiltinRuns + " << header.firstRun << ", "
            << header.runs.size() << "},\n";
    }
    out << "};\n\nextern constinit const BuiltinDefinition kBuiltinDefinitions[] = {\n";
    for (const Definition& d : definitions) out << "    {" << Quoted(d.name, d.where) << ", " << Quoted(d.text, d.where) << ", " << d.run << "},\n";
    out << "    {\"\"sv, \"\"sv, 0}};\n\nextern constinit const BuiltinSlot kBuiltinSlots[] = {";
    for (std::size_t i = 0; i < table.size(); ++i) {
        const std::uint32_t hash = table[i] ? rc::BuiltinHash(definitions[table[i] - 1].name) : 0;
        out << (i % 8 == 0 ? "\n    " : " ") << "{" << table[i] << ", " << hash << "u},";
    }
    out << "\n};\n\nextern const std::size_t kBuiltinHeaderCount = " << headers.size() << ";\n"
        << "extern const std::size_t kBuiltinRunCount = " << (headers.empty() ? 0 : headers.back().firstRun + headers.back().runs.size()) << ";\n"
        << "extern const std::size_t kBuiltinDefinitionCount = " << definitions.size() << ";\n"
        << "extern const std::size_t kBuiltinSlotCount = " << slots << ";\n\n}  // namespace rc\n";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: restallow-embed-headers OUTPUT HEADER...\n";
        return 2;
    }
    try {
        std::vector<std::string> paths(argv + 2, argv + argc);
        std::sort(paths.begin(), paths.end(), [](const std::string& a, const std::string& b) { return Lower(a) < Lower(b); });
        std::vector<Header> headers;
        std::vector<Definition> definitions;
        std::size_t runs = 0;
        for (const std::string& path : paths) {
            fileaccess::Result<std::string> text = fileaccess::ReadFile(path, 1u << 24);
            if (!text) throw rc::CompileError({}, text.error().what());
            Header header;
            header.name = Lower(path.substr(path.find_last_of('/') + 1));
            header.text = std::move(text).value();
            FindRuns(header, runs, definitions);
            runs += header.runs.size();
            headers.push_back(std::move(header));
        }
        std::ostringstream out;
        Write(out, headers, definitions);
        if (const fileaccess::Status written = fileaccess::WriteFile(argv[1], out.str()); !written) {
            throw rc::CompileError({}, written.error().what());
        }
    } catch (const rc::CompileError& error) {
        std::cerr << "restallow-embed-headers: " << error.text() << "\n";
        return 1;
    } catch (const std::exception& error) {
        std::cerr << "restallow-embed-headers: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
