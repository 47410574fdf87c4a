// restallow-rc's rc.exe dialect: the options CMake, Meson and llvm-rc users write, the dependency
// file, standard input and output, and the usage errors.
#include <cstdlib>

#include "RcTestSupport.h"

namespace rc::test {
namespace {

constexpr const char* kScript = "#include \"defs.h\"\nSTRINGTABLE { 1, \"one\" 2, \"\" }\nD RCDATA { VALUE }\n";

class RcDialect : public ::testing::Test {
protected:
    void SetUp() override {
        dir.write("s.rc", kScript);
        dir.write("inc/defs.h", "#ifndef VALUE\n#define VALUE 5\n#endif\n");
        ASSERT_EQ(Run("-i inc -fo base.res s.rc").exit, 0);
        base = ReadBytes(dir.path("base.res"));
        ASSERT_FALSE(base.empty());
    }
    CommandRun Run(const std::string& arguments, const std::string& more = "") {
        return RunIn(dir, RESTALLOW_RC, arguments, more);
    }
    std::string Output(const std::string& name) const { return ReadBytes(dir.path(name)); }
    // The data of the first resource of `type` in the .res file `name`.
    std::string Data(const std::string& name, std::uint16_t type) const {
        const OwnedRes res = ReadRes(Output(name));
        for (const ResEntry& entry : res.entries()) {
            if (entry.type == ResourceId::Number(type)) return std::string(entry.data);
        }
        ADD_FAILURE() << "no resource of type " << type << " in " << name;
        return {};
    }

    ScratchDir dir;
    std::string base;
};

TEST_F(RcDialect, OptionsInAnyCaseWithSlashOrDashValuesGluedOrApart) {
    for (const char* arguments :
         {"/FO out.res /I inc s.rc", "/foout.res /iinc s.rc", "-Fo out.res -I inc /nologo /r s.rc",
          "/i inc /fo out.res -- s.rc", "/I inc /D VALUE=5 /L 409 /C 65001 /fo out.res s.rc"}) {
        SCOPED_TRACE(arguments);
        std::filesystem::remove(dir.path("out.res"));
        const CommandRun run = Run(arguments);
        ASSERT_EQ(run.exit, 0) << run.err;
        EXPECT_EQ(run.err, "");
        EXPECT_TRUE(Output("out.res") == base);
    }
    // CMake's rc rule: -D and -I first, /fo apart, the script by its absolute path (which begins with /).
    const CommandRun cmake = Run("-DVALUE=7 -I inc /fo sub.res '" + dir.path("s.rc").string() + "'");
    ASSERT_EQ(cmake.exit, 0) << cmake.err;
    EXPECT_EQ(Data("sub.res", RtRcData), std::string("\x07\0", 2));
    // /l sets the language, /v says what it does on standard error.
    const CommandRun verbose = Run("/v /l 407 /i inc /fo lang.res s.rc");
    EXPECT_EQ(verbose.err, "restallow-rc: s.rc into lang.res as a .res\n");
    EXPECT_EQ(ReadRes(Output("lang.res")).entries().front().language, 0x0407);
    // #warning goes to standard error, and the compile goes on.
    dir.write("w.rc", "#warning  look here\nD RCDATA { 1 }\n");
    const CommandRun warned = Run("/fo w.res w.rc");
    EXPECT_EQ(warned.exit, 0);
    EXPECT_EQ(warned.err, "w.rc(1): warning: #warning look here\n");
    EXPECT_TRUE(std::filesystem::exists(dir.path("w.res")));
}

TEST_F(RcDialect, NullTerminatedStringsAndTheIncludeVariableLeftOut) {
    ASSERT_EQ(Run("/n /i inc /fo n.res s.rc").exit, 0);
    const std::string plain = Data("base.res", RtString), strings = Data("n.res", RtString);
    // String 1 "one" is 4 units long with its NUL; string 2 "" is 1; the absent ones stay 0.
    EXPECT_EQ(strings.size(), plain.size() + 4);
    EXPECT_EQ(strings.substr(2, 12), std::string("\x04\0o\0n\0e\0\0\0\x01\0", 12));
    EXPECT_EQ(strings.substr(14), std::string(28, '\0'));
    setenv("INCLUDE", dir.path("inc").string().c_str(), 1);
    const CommandRun found = Run("/fo env.res s.rc"), ignored = Run("/x /fo x.res s.rc");
    unsetenv("INCLUDE");
    EXPECT_EQ(found.exit, 0) << found.err;
    EXPECT_EQ(ignored.exit, 1);
    EXPECT_NE(ignored.err.find("cannot find include file \"defs.h\""), std::string::npos) << ignored.err;
}

TEST_F(RcDialect, HelpNamesTheCompilerItStandsInForAndTheRcOptions) {
    const CommandRun help = Run("/?");
    EXPECT_EQ(help.exit, 0);
    EXPECT_TRUE(
        help.out.starts_with("restallow-rc 1.0, compatible with the Microsoft Windows Resource Compiler (rc.exe)"));
    for (const char* option : {"-fo OUTPUT", "-nologo", "/:depfile FILE", "-31", "-x ", "-n "}) {
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
    }
    EXPECT_EQ(Run("/h").out, help.out);
    EXPECT_EQ(Run("--help").out, help.out);
}

TEST_F(RcDialect, DependencyFileAsAMakeRuleOrAsJson) {
    dir.write("my icon.ico", ReadBytes(DataDir() / "icon.ico"));
    dir.write("d.rc", "#include \"defs.h\"\n#include \"defs.h\"\n1 ICON \"my icon.ico\"\n");
    ASSERT_EQ(Run("/i inc /fo d.res d.rc /:depfile d.d").exit, 0);
    EXPECT_EQ(Output("d.d"), "d.res: \\\n  d.rc \\\n  inc/defs.h \\\n  my\\ icon.ico\n");
    ASSERT_EQ(Run("/i inc /fo d.res d.rc /:depfile d.json /:depfile-fmt json").exit, 0);
    EXPECT_EQ(Output("d.json"), "[\"d.rc\",\"inc/defs.h\",\"my icon.ico\"]\n");
    // A failed compile writes no dependency file.
    std::filesystem::remove(dir.path("d.d"));
    dir.write("bad.rc", "#include \"defs.h\"\nX BITMAP \"missing.bmp\"\n");
    EXPECT_EQ(Run("/i inc /fo bad.res bad.rc /:depfile d.d").exit, 1);
    EXPECT_FALSE(std::filesystem::exists(dir.path("d.d")));
}

TEST_F(RcDialect, ScriptFromStandardInputAndOutputToStandardOutput) {
    dir.write("plain.rc", "D RCDATA { 5 }\n");
    ASSERT_EQ(Run("/fo plain.res plain.rc").exit, 0);
    const CommandRun piped = Run("/fo - -", "< plain.rc");
    EXPECT_EQ(piped.exit, 0) << piped.err;
    EXPECT_TRUE(piped.out == Output("plain.res"));
    // Into a pipe through /dev/stdout too, and nothing reaches standard output when the compile fails.
    const CommandRun device = RunIn(dir, "sh", "-c \"'" RESTALLOW_RC "' /fo /dev/stdout plain.rc | cat\"");
    EXPECT_TRUE(device.out == Output("plain.res")) << device.err;
    dir.write("late.rc", "A RCDATA { 1 }\nB BITMAP \"missing.bmp\"\n");
    const CommandRun failed = Run("/fo - late.rc");
    EXPECT_EQ(failed.exit, 1);
    EXPECT_EQ(failed.out, "");
    EXPECT_EQ(Run("-", "< plain.rc").exit, 2);  // no output name to make from standard input
}

// Each is one line on standard error, exit status 2, and no output.
TEST_F(RcDialect, UsageErrorsAreOneLineAndExitTwo) {
    const struct {
        const char* arguments;
        const char* message;
    } cases[] = {
        {"/q s.rc", "unknown option /q"},
        {"/fo", "option /fo needs a value"},
        {"s.rc /l", "option /l needs a value"},
        {"-31 -O coff s.rc -o out.o", "-31 writes the 16-bit .res format, which a COFF object cannot hold"},
        {"/fo nowhere/out.res s.rc", "the folder of the output nowhere/out.res does not exist"},
        {"s.rc other.rc", "more than one script: s.rc and other.rc"},
        {"/tmp/no-such-folder-here/x.rc",
         "unknown option /tmp/no-such-folder-here/x.rc (nor a file; put -- before a script path that begins with /)"},
        {"/:depfile-fmt yaml s.rc", "unknown /:depfile-fmt yaml: make or json"},
        {"/c 12x s.rc", "bad value for /c: 12x"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        const std::size_t files = dir.countFiles();
        const CommandRun run = Run(c.arguments);
        EXPECT_EQ(run.exit, 2);
        EXPECT_EQ(run.err, std::string("restallow-rc: ") + c.message + " (restallow-rc --help lists the options)\n");
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(dir.countFiles(), files);
    }
}

}  // namespace
}  // namespace rc::test
