// Fuzz target: any bytes as a script, compiled into both dialog formats and read back by the
// dump; the same bytes also go to the dump as a template. Nothing may crash or read out of
// bounds; errors come back as CompileError.
#include <cstddef>
#include <cstdint>
#include <string>

#include "dump/DialogDump.h"
#include "encode/DialogEncoder.h"
#include "parse/Parser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    rc::DescribeDialog(text, false);
    rc::DescribeDialog(text, true);
    try {
        rc::Parser parser(rc::Tokenize(text, "fuzz.rc"), {});
        while (auto statement = parser.Next()) {
            const auto* dialog = std::get_if<rc::DialogStmt>(&*statement);
            if (!dialog) continue;
            for (const bool win16 : {false, true}) {
                try {
                    const std::string bytes = win16 ? rc::EncodeDialog16(*dialog) : rc::EncodeDialog32(*dialog);
                    // What the encoder writes must read back whole: no line of the dump is an error.
                    const std::string description = rc::DescribeDialog(bytes, win16);
                    if (description.rfind("error:", 0) == 0 || description.find("\nerror:") != std::string::npos)
                        __builtin_trap();
                } catch (const rc::CompileError&) {}
            }
        }
    } catch (const rc::CompileError&) {}
    return 0;
}
