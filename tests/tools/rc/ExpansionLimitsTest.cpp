// The preprocessor's expansion budget: long lines of plain data pass, runaway macros stop early.
#include <sys/wait.h>

#include "PpTestSupport.h"

namespace rc::test {
namespace {

// "1 RCDATA { v0, v1, ... }" on one line, each value made by `value`.
template <typename Value>
std::string DataLine(int count, Value value) {
    std::string line = "1 RCDATA { ";
    for (int i = 0; i < count; ++i) line += (i ? ", " : "") + value(i);
    return line + " }\n";
}

// Macros that double at each level: M<levels> gives 2^levels tokens "x".
std::string Doubling(int levels) {
    std::string text = "#define M0 x\n";
    for (int i = 1; i <= levels; ++i)
        text += "#define M" + std::to_string(i) + " M" + std::to_string(i - 1) + " M" + std::to_string(i - 1) + "\n";
    return text;
}

class ExpansionBudget : public PpTest {};

TEST_F(ExpansionBudget, OneLineOf140000PlainValuesCompiles) {
    const std::string script = DataLine(140000, [](int i) { return std::to_string(i & 0x7FFF); });
    const CompileResult result = Compile(dir.write("data.rc", script), dir.path("data.res"));
    ASSERT_TRUE(result.ok) << result.error.substr(0, 200);
    const OwnedRes res = ReadRes(ReadBytes(dir.path("data.res")));
    ASSERT_EQ(res.entries().size(), 1u);
    ASSERT_EQ(res.entries()[0].data.size(), 280000u);
    EXPECT_EQ(res.entries()[0].data.substr(2 * 139999, 2), std::string("\xDF\x22", 2));  // 139999 & 0x7FFF = 0x22DF
}

TEST_F(ExpansionBudget, OneLineOf140000SmallMacrosCompiles) {
    // Each value grows from 4 tokens to 11: 1.5 million tokens made by macros on one line.
    const std::string script = "#define TWICE(x) ((x) + (x))\n" +
                               DataLine(140000, [](int i) { return "TWICE(" + std::to_string(i % 100) + ")"; });
    const CompileResult result = Compile(dir.write("macros.rc", script), dir.path("macros.res"));
    ASSERT_TRUE(result.ok) << result.error.substr(0, 200);
    const OwnedRes res = ReadRes(ReadBytes(dir.path("macros.res")));
    ASSERT_EQ(res.entries().size(), 1u);
    ASSERT_EQ(res.entries()[0].data.size(), 280000u);
    EXPECT_EQ(res.entries()[0].data.substr(2 * 99, 2), std::string("\xC6\x00", 2));  // 99 + 99
}

TEST_F(ExpansionBudget, RunawayExpansionIsStillRefused) {
    // Copies of one long string: few tokens, but 2^16 times a megabyte of text.
    std::string copies = "#define L0 \"" + std::string(1 << 20, 's') + "\"\n";
    for (int i = 1; i <= 16; ++i)
        copies += "#define L" + std::to_string(i) + " L" + std::to_string(i - 1) + " L" + std::to_string(i - 1) + "\n";
    // Nested arguments that expand to nothing, rescanned ten times at each of 12 levels.
    std::string nothing = "#define E\n#define K(x) x x x x x x x x x x\nA RCDATA { ";
    for (int i = 0; i < 12; ++i) nothing += "K(";
    nothing += "E E E";
    for (int i = 0; i < 12; ++i) nothing += ")";
    const std::string longLine = DataLine(140000, [](int i) { return std::to_string(i % 10); });
    ExpectEachFails(
        dir,
        {
            {"doubling on a short line", Doubling(40) + "M40\n", 42, "macro expansion grows too large"},
            {"doubling at the end of a long line", Doubling(40) + longLine.substr(0, longLine.size() - 3) + ", M40 }\n",
             42, "macro expansion grows too large"},
            {"copies of one long string", copies + "D RCDATA { L16 }\n", 18, "macro expansion grows too large"},
            {"work without growth", nothing + " }\n", 3, "macro expansion grows too large"},
            {"a #if that doubles", Doubling(40) + "#if M40\n#endif\n", 42, "macro expansion grows too large"},
        });
}

// The budget stops a bomb long before it holds much: the command ends with the budget's message
// well within a CPU-time limit that an unchecked expansion would exceed many times over.
TEST_F(ExpansionBudget, BombEndsTheCommandEarlyWithItsMessage) {
    dir.write("bomb.rc", Doubling(60) + "1 RCDATA { M60 }\n");
    const std::string command =
        "cd '" + dir.path("").string() + "' && ulimit -t 20 && '" RESTALLOW_RC "' bomb.rc 2>err.txt";
    const int status = std::system(("bash -c \"" + command + "\"").c_str());
    ASSERT_TRUE(WIFEXITED(status)) << "killed by a signal (the CPU-time limit?)";
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_EQ(ReadBytes(dir.path("err.txt")), "bomb.rc(62): error: macro expansion grows too large\n");
    EXPECT_FALSE(std::filesystem::exists(dir.path("bomb.res")));
}

}  // namespace
}  // namespace rc::test
