// The cases of data/zig: each script compiled here is byte for byte what zig rc wrote for it
// (rc.exe's bytes), kept beside it as <case>.res; make_zig_goldens.sh remakes them.
#include <algorithm>
#include <cstdlib>

#include "RcTestSupport.h"
#include "resformat/TextCodec.h"

namespace rc::test {
namespace {

std::filesystem::path ZigCases() { return DataDir() / "zig"; }

std::vector<std::string> CaseNames() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(ZigCases())) {
        if (entry.path().extension() == ".rc") names.push_back(entry.path().stem().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string CompileCase(const std::string& name) {
    ScratchDir dir;
    CompileOptions options;
    options.script = (ZigCases() / (name + ".rc")).string();
    options.output = dir.path("out.res").string();
    const CompileResult result = CompileScript(options);
    EXPECT_TRUE(result.ok) << name << ": " << result.error;
    return ReadBytes(dir.path("out.res"));
}

TEST(ZigGolden, EveryCaseMatchesZigRcByteForByte) {
    const std::vector<std::string> names = CaseNames();
    EXPECT_GE(names.size(), 17u);
    for (const std::string& name : names) {
        const std::string golden = ReadBytes(ZigCases() / (name + ".res"));
        ASSERT_FALSE(golden.empty()) << name << ".res is missing";
        EXPECT_TRUE(CompileCase(name) == golden) << name << ": output differs from zig rc's";
    }
}

// With ZIG naming the zig program, its output now is compared too, not only the kept one.
TEST(ZigGolden, LiveZigRcAgreesWhenZigIsGiven) {
    if (ZigProgram().empty()) GTEST_SKIP() << "ZIG does not name the zig program";
    ScratchDir dir;
    const std::string command =
        "'" + (ZigCases() / "make_zig_goldens.sh").string() + "' '" + dir.path("").string() + "' >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    for (const std::string& name : CaseNames()) {
        EXPECT_TRUE(CompileCase(name) == ReadBytes(dir.path(name + ".res"))) << name;
    }
}

// zig rc cannot read UTF-16: its golden comes from the same text in UTF-8. The UTF-16 script
// and that text give the same bytes here too.
TEST(ZigGolden, Utf16ScriptReadsAsItsUtf8Text) {
    ScratchDir dir;
    const std::string utf16 = ReadBytes(ZigCases() / "utf16.rc");
    ASSERT_GT(utf16.size(), 2u);
    std::string utf8 = "#pragma code_page(65001)\n";
    for (std::size_t i = 2; i + 1 < utf16.size(); i += 2) {
        const unsigned unit = static_cast<unsigned char>(utf16[i]) | (static_cast<unsigned char>(utf16[i + 1]) << 8);
        std::u16string one(1, static_cast<char16_t>(unit));
        utf8 += Utf16ToUtf8(one);
    }
    EXPECT_TRUE(CompileText(utf8) == CompileCase("utf16"));
}

}  // namespace
}  // namespace rc::test
