// Fuzz target: any bytes as a script go through the tokenizer, the parser and string decoding
// without crashing; errors come back as CompileError.
#include <cstddef>
#include <cstdint>
#include <string>

#include "parse/Literal.h"
#include "parse/Parser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    try {
        rc::Parser parser(text, "fuzz.rc", {});  // tokens read as the parser goes, as the compiler reads them
        while (auto statement = parser.Next()) {
            if (auto* table = std::get_if<rc::StringTableStmt>(&*statement)) {
                for (const auto& entry : table->entries) {
                    for (const auto& piece : entry.pieces) {
                        rc::DecodeLiteral(piece, rc::NullHandling::CutAtDoubleNull);
                        rc::LiteralDataBytes(piece);
                    }
                }
            }
        }
    } catch (const rc::CompileError&) {}
    return 0;
}
