// Fuzz target: any bytes as a script go through the tokenizer, the parser and string decoding
// without crashing; errors come back as CompileError. No string-table text holds a pair of NULs.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "parse/Parser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    try {
        rc::Parser parser(text, "fuzz.rc", {});  // tokens read as the parser goes, as the compiler reads them
        while (auto statement = parser.Next()) {
            if (auto* table = std::get_if<rc::StringTableStmt>(&*statement)) {
                for (const auto& entry : table->entries) {
                    if (entry.text.find(std::u16string_view(u"\0\0", 2)) != std::u16string::npos) std::abort();
                }
            }
        }
    } catch (const rc::CompileError&) {}
    return 0;
}
