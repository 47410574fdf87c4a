// restallow-windres: GNU windres's command line, COFF objects from scripts and .res files, the
// formats its names imply, dependency files through --preprocessor-arg, and the usage errors.
#include <unistd.h>

#include <cstdlib>

#include "RcTestSupport.h"
#include "resformat/CoffWriter.h"

namespace rc::test {
namespace {

bool HasWindres() { return std::system("command -v i686-w64-mingw32-windres >/dev/null 2>&1") == 0; }

class WindresDialect : public ::testing::Test {
protected:
    void SetUp() override {
        dir.write("inc/defs.h", "#define VALUE 5\n");
        dir.write("s.rc", "#include \"defs.h\"\n1 ICON \"icon.ico\"\nSTRINGTABLE { 1, \"one\" }\nD RCDATA { VALUE }\n");
        dir.write("icon.ico", ReadBytes(DataDir() / "icon.ico"));
        ASSERT_EQ(Run("-I inc -O res s.rc base.res").exit, 0);
        base = ReadBytes(dir.path("base.res"));
        ASSERT_FALSE(base.empty());
    }
    CommandRun Run(const std::string& arguments, const std::string& more = "") {
        return RunIn(dir, WindresPath(), arguments, more);
    }
    std::string Output(const std::string& name) const { return ReadBytes(dir.path(name)); }
    // The COFF object of base.res, as the writer makes it.
    std::string Object(CoffMachine machine) const {
        const OwnedRes res = ReadRes(base);
        return CoffObject::Build(res.file, machine)->Bytes();
    }

    ScratchDir dir;
    std::string base;
};

TEST_F(WindresDialect, ObjectsFromAScriptOrAResEqualWindresForBothMachines) {
    ASSERT_EQ(Run("-I inc -O coff s.rc s.o").exit, 0);
    EXPECT_TRUE(Output("s.o") == Object(CoffMachine::I386));
    ASSERT_EQ(Run("-J res -O coff base.res r.o").exit, 0);
    EXPECT_TRUE(Output("r.o") == Output("s.o"));
    ASSERT_EQ(Run("--include-dir=inc --target=pe-x86-64 -i s.rc -o s64.o").exit, 0);
    EXPECT_TRUE(Output("s64.o") == Object(CoffMachine::X86_64));
    if (!HasWindres()) GTEST_SKIP() << "GNU windres (binutils-mingw-w64-i686) is not installed";
    ASSERT_EQ(
        std::system(
            ("cd '" + dir.path("").string() + "' && i686-w64-mingw32-windres -I inc -O coff s.rc windres.o").c_str()),
        0);
    EXPECT_TRUE(Output("windres.o") == Output("s.o"));
    if (std::system("command -v x86_64-w64-mingw32-windres >/dev/null 2>&1") != 0) return;
    ASSERT_EQ(std::system(
                  ("cd '" + dir.path("").string() + "' && x86_64-w64-mingw32-windres -I inc s.rc windres64.o").c_str()),
              0);
    EXPECT_TRUE(Output("windres64.o") == Output("s64.o"));
}

TEST_F(WindresDialect, OptionsAsGetoptReadsThem) {
    dir.write("args.txt", "-I 'in'c -D\"OTHER=7\" --output=at.o\n");
    const char* same[] = {"-Iinc -ocoff.o s.rc",
                          "--include-dir inc --output coff.o --input s.rc",
                          "-I inc -O coff -J rc s.rc coff.o",
                          "--inc=inc --output-f=COFF --input=s.rc coff.o",
                          "-I inc --preprocessor=cpp --use-temp-file -r -c 65001 -l 409 s.rc coff.o",
                          "--preprocessor-arg=-Iinc --no-use-temp-file -c 0xfde9 --language=0x409 s.rc coff.o"};
    for (const char* arguments : same) {
        SCOPED_TRACE(arguments);
        std::filesystem::remove(dir.path("coff.o"));
        const CommandRun run = Run(arguments);
        ASSERT_EQ(run.exit, 0) << run.err;
        EXPECT_TRUE(Output("coff.o") == Object(CoffMachine::I386));
    }
    const CommandRun responses = Run("@args.txt s.rc");  // quotes group, as GNU's response files have it
    ASSERT_EQ(responses.exit, 0) << responses.err;
    EXPECT_TRUE(Output("at.o") == Object(CoffMachine::I386));
    ASSERT_EQ(Run("-I inc -U VALUE -D VALUE=9 -l 407 -O res s.rc other.res").exit, 0);
    const OwnedRes other = ReadRes(Output("other.res"));
    EXPECT_EQ(other.entries().back().language, 0x0407);
    // restallow-rc given an option only windres has reads windres's: -i is the input, not a folder.
    ASSERT_EQ(RunIn(dir, RESTALLOW_RC, "-I inc -i s.rc -o rc.o").exit, 0);
    EXPECT_TRUE(Output("rc.o") == Object(CoffMachine::I386));
}

TEST_F(WindresDialect, FormatsFollowTheNamesAndStandardStreams) {
    ASSERT_EQ(Run("-I inc s.rc named.res").exit, 0);
    EXPECT_TRUE(Output("named.res") == base);
    ASSERT_EQ(Run("-I inc s.rc named.obj").exit, 0);
    EXPECT_TRUE(Output("named.obj") == Object(CoffMachine::I386));
    const CommandRun script = Run("-I inc s.rc");  // no output: the preprocessed script on standard output
    EXPECT_EQ(script.exit, 0);
    EXPECT_NE(script.out.find("D RCDATA { 5 }"), std::string::npos) << script.out;
    ASSERT_EQ(Run("-I inc s.rc pre.rc").exit, 0);
    EXPECT_EQ(Output("pre.rc"), script.out);
    const CommandRun piped = Run("-I inc -O coff", "< s.rc");  // standard input to standard output
    EXPECT_EQ(piped.exit, 0) << piped.err;
    EXPECT_TRUE(piped.out == Object(CoffMachine::I386));
    const CommandRun res = Run("-J res -O coff - -", "< base.res");
    EXPECT_TRUE(res.out == Object(CoffMachine::I386));
    // A toolchain's prefix names the machine, and the x86-64 compiler's _WIN64 is defined.
    ASSERT_EQ(::symlink(WindresPath().c_str(), dir.path("x86_64-w64-mingw32-restallow-windres").c_str()), 0);
    dir.write("w64.rc", "#ifdef _WIN64\n#include \"defs.h\"\n#endif\nD RCDATA { VALUE }\n");
    const CommandRun prefixed =
        RunIn(dir, dir.path("x86_64-w64-mingw32-restallow-windres").string(), "-I inc -O rc w64.rc");
    EXPECT_NE(prefixed.out.find("D RCDATA { 5 }"), std::string::npos) << prefixed.err;
    ASSERT_EQ(RunIn(dir, dir.path("x86_64-w64-mingw32-restallow-windres").string(), "-I inc s.rc x.o").exit, 0);
    EXPECT_TRUE(Output("x.o") == Object(CoffMachine::X86_64));
}

TEST_F(WindresDialect, DependencyFilesThroughThePreprocessorArguments) {
    // Meson's arguments: -MD, -MQ the output, -MF the file.
    ASSERT_EQ(Run("-I inc s.rc 'out $1.o' --preprocessor-arg=-MD '--preprocessor-arg=-MQout $1.o' "
                  "--preprocessor-arg=-MFdeps.d")
                  .exit,
              0);
    EXPECT_EQ(Output("deps.d"), "out\\ $$1.o: \\\n  s.rc \\\n  inc/defs.h \\\n  icon.ico\n");
    // -MD alone: the output's name with .d; -MF and -MT apart; -MP adds a rule for each file.
    ASSERT_EQ(Run("-I inc s.rc plain.o --preprocessor-arg=-MD").exit, 0);
    EXPECT_EQ(Output("plain.d"), "plain.o: \\\n  s.rc \\\n  inc/defs.h \\\n  icon.ico\n");
    ASSERT_EQ(Run("-I inc s.rc p.o --preprocessor-arg=-MMD --preprocessor-arg=-MF --preprocessor-arg=p.dep "
                  "--preprocessor-arg=-MT --preprocessor-arg='a$b' --preprocessor-arg=-MP")
                  .exit,
              0);
    EXPECT_EQ(Output("p.dep"), "a$b: \\\n  s.rc \\\n  inc/defs.h \\\n  icon.ico\n\ninc/defs.h:\n\nicon.ico:\n");
}

TEST_F(WindresDialect, VersionAndHelpInTheWordsMesonLooksFor) {
    EXPECT_EQ(Run("--version").out, "restallow-windres 1.0, compatible with GNU windres\n");
    EXPECT_EQ(Run("-V").out, Run("--version").out);
    const CommandRun help = Run("--help");
    EXPECT_TRUE(help.out.starts_with("restallow-windres 1.0, compatible with GNU windres\n"));
    EXPECT_NE(help.out.find("--preprocessor-arg=ARG"), std::string::npos);
    // Meson asks /? first: windres's command line takes it for a file, and nothing says "Resource Compiler".
    const CommandRun rcQuestion = Run("/?");
    EXPECT_EQ(rcQuestion.exit, 1);
    EXPECT_EQ(rcQuestion.out, "");
}

TEST_F(WindresDialect, UsageErrorsAreOneLineAndExitTwo) {
    const struct {
        const char* arguments;
        const char* message;
    } cases[] = {
        {"--frobnicate s.rc", "unknown option --frobnicate"},
        {"-q s.rc", "unknown option -q"},
        {"--input=s.rc x.o --inc", "option --include-dir needs a value"},
        {"s.rc -o", "option -o needs a value"},
        {"-31 -O coff s.rc x.o", "-31 writes the 16-bit .res format, which a COFF object cannot hold"},
        {"-31 s.rc x.o", "-31 writes the 16-bit .res format, which a COFF object cannot hold"},
        {"s.rc nowhere/x.o", "the folder of the output nowhere/x.o does not exist"},
        {"-i s.rc -i other.rc x.o", "more than one input: s.rc and other.rc"},
        {"s.rc x.o other.rc", "more than one input and one output: other.rc is one too many"},
        {"-o a.o -o b.o s.rc", "more than one output: a.o and b.o"},
        {"--i s.rc", "ambiguous option --i (--input, --input-format, --include-dir)"},
        {"-O exe s.rc", "unknown output format exe (res, coff or rc)"},
        {"-J coff x.o y.res", "restallow-windres reads scripts and .res files, not COFF objects (-J coff)"},
        {"x.o y.res", "restallow-windres reads scripts and .res files, not COFF objects: x.o"},
        {"-F pe-arm s.rc x.o", "unknown target pe-arm (pe-i386 or pe-x86-64)"},
        {"--preprocessor-arg=-P s.rc x.o",
         "--preprocessor-arg=-P: the built-in preprocessor takes -D, -U, -I, -MD, -MMD, -MF, -MT, -MQ and -MP"},
        {"--preprocessor-arg=-MF s.rc x.o", "--preprocessor-arg=-MF needs its value in the next --preprocessor-arg"},
        {"--preprocessor-arg=-MD s.rc",
         "--preprocessor-arg=-MD needs -MF FILE when the output goes to standard output"},
        {"--verbose=yes s.rc", "option --verbose takes no value"},
        {"-J res -O rc base.res", "a .res cannot be written as a script (restallow-resdump -v lists it)"},
        {"@missing.txt",
         "cannot read the response file @missing.txt: Cannot open file \"missing.txt\": No such file or directory"},
        {"@self.txt", "response files nested more than 16 deep: @self.txt"},
        {"@open.txt", "a quote is not closed in a response file"},
    };
    dir.write("self.txt", "-v @self.txt");
    dir.write("open.txt", "-I 'inc");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        const std::size_t files = dir.countFiles();
        const CommandRun run = Run(c.arguments);
        EXPECT_EQ(run.exit, 2);
        EXPECT_EQ(run.err,
                  std::string("restallow-windres: ") + c.message + " (restallow-windres --help lists the options)\n");
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(dir.countFiles(), files);
    }
    // A 16-bit .res is no input for an object: an error of the input, exit status 1.
    ASSERT_EQ(RunIn(dir, RESTALLOW_RC, "-31 -fo old.res s.rc -i inc").exit, 0);
    const CommandRun old = Run("-J res -O coff old.res old.o");
    EXPECT_EQ(old.exit, 1);
    EXPECT_EQ(old.err,
              "error: \"old.res\": a 16-bit .res cannot go into a COFF object: its resources are 32-bit ones\n");
}

}  // namespace
}  // namespace rc::test
