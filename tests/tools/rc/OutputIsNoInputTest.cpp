// An output that is one of the compile's own inputs (the script, an include file, a resource
// file), by whatever path or link it is named, is refused and the file stays as it was.
#include <sys/wait.h>
#include <unistd.h>

#include "RcTestSupport.h"

namespace rc::test {
namespace {

class OutputIsNoInput : public ::testing::Test {
protected:
    OutputIsNoInput() {
        std::filesystem::create_directories(dir.path("sub"));
        std::filesystem::copy_file(DataDir() / "icon.ico", dir.path("app.ico"));
        std::filesystem::copy_file(DataDir() / "rgb32.bmp", dir.path("sub/logo.bmp"));
        dir.write("raw.bin", "raw bytes");
        dir.write("defs.h", "#define ANSWER 42\n");
        dir.write("more.rc", "M RCDATA { 1 }\n");
        script = dir.write("s.rc",
                           "#include \"defs.h\"\nI ICON \"app.ico\"\nB BITMAP \"logo.bmp\"\nD RCDATA \"raw.bin\"\n"
                           "rcinclude more.rc\nV RCDATA { ANSWER }\n");
    }

    // Compiles s.rc (with sub/ as an include folder) into `output`, which must be refused with
    // `message`; every input keeps its bytes and no temporary is left in either folder.
    void ExpectRefused(const std::string& output, const std::string& message, OutputFormat format = OutputFormat::Res) {
        SCOPED_TRACE(output);
        const std::string before[] = {ReadBytes(script),
                                      ReadBytes(dir.path("app.ico")),
                                      ReadBytes(dir.path("sub/logo.bmp")),
                                      ReadBytes(dir.path("raw.bin")),
                                      ReadBytes(dir.path("defs.h")),
                                      ReadBytes(dir.path("more.rc"))};
        const std::size_t files = dir.countFiles();
        CompileOptions options;
        options.script = script.string();
        options.output = output;
        options.includeDirs = {dir.path("sub").string()};
        options.format = format;
        const CompileResult result = CompileScript(options);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.error, message);
        const std::string after[] = {ReadBytes(script),
                                     ReadBytes(dir.path("app.ico")),
                                     ReadBytes(dir.path("sub/logo.bmp")),
                                     ReadBytes(dir.path("raw.bin")),
                                     ReadBytes(dir.path("defs.h")),
                                     ReadBytes(dir.path("more.rc"))};
        for (int i = 0; i < 6; ++i) EXPECT_EQ(after[i], before[i]) << "input " << i;
        EXPECT_EQ(dir.countFiles(), files);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path("sub")), {}), 1);
    }
    static std::string Refusal(const std::string& output, const std::string& what) {
        return "the output \"" + output + "\" is " + what + "; it would be overwritten: name another output file";
    }

    ScratchDir dir;
    std::filesystem::path script;
};

TEST_F(OutputIsNoInput, TheScriptByItsNameALinkOrAnotherSpellingIsRefused) {
    ASSERT_EQ(::symlink("s.rc", dir.path("link.res").c_str()), 0);
    ASSERT_EQ(::link(script.c_str(), dir.path("hard.res").c_str()), 0);
    for (const std::string& output : {script.string(), dir.path("link.res").string(), dir.path("hard.res").string(),
                                      dir.path("sub/../s.rc").string(), dir.path("./s.rc").string()}) {
        ExpectRefused(output, "error: " + Refusal(output, "the script itself"));
    }
}

TEST_F(OutputIsNoInput, AnIncludedFileIsRefused) {
    for (const char* name : {"defs.h", "more.rc"}) {
        ExpectRefused(dir.path(name).string(),
                      "error: " + Refusal(dir.path(name).string(),
                                          "the file \"" + dir.path(name).string() + "\" that the compile reads"));
    }
}

TEST_F(OutputIsNoInput, AResourceFileIsRefused) {
    ASSERT_EQ(::symlink("sub/logo.bmp", dir.path("logo-link.res").c_str()), 0);
    const auto refusal = [&](const std::string& output, const std::string& found) {
        return "error: " + Refusal(output, "the file \"" + found + "\" that the compile reads");
    };
    ExpectRefused(dir.path("app.ico").string(), refusal(dir.path("app.ico").string(), dir.path("app.ico").string()));
    // Found through the include folder, named through a link.
    ExpectRefused(dir.path("logo-link.res").string(),
                  refusal(dir.path("logo-link.res").string(), dir.path("sub/logo.bmp").string()));
    ExpectRefused(dir.path("raw.bin").string(), refusal(dir.path("raw.bin").string(), dir.path("raw.bin").string()));
}

TEST_F(OutputIsNoInput, ACoffObjectOrAConvertedResFileIsRefusedToo) {
    ExpectRefused(script.string(), "error: " + Refusal(script.string(), "the script itself"), OutputFormat::Coff);
    ExpectRefused(dir.path("raw.bin").string(),
                  "error: " + Refusal(dir.path("raw.bin").string(),
                                      "the file \"" + dir.path("raw.bin").string() + "\" that the compile reads"),
                  OutputFormat::Coff);
    const auto res = dir.path("in.res");
    ASSERT_TRUE(Compile(dir.write("small.rc", "A RCDATA { 1 }\n"), res).ok);
    const std::string bytes = ReadBytes(res);
    for (const OutputFormat format : {OutputFormat::Res, OutputFormat::Coff}) {
        CompileOptions options;
        options.script = res.string();
        options.output = dir.path("./in.res").string();
        options.format = format;
        const CompileResult result = ConvertResFile(options);
        EXPECT_EQ(result.error,
                  "error: " + Refusal(options.output, "the file \"" + res.string() + "\" that the compile reads"));
        EXPECT_EQ(ReadBytes(res), bytes);
    }
}

TEST_F(OutputIsNoInput, AFileOfTheSameNameElsewhereIsAnOrdinaryOutput) {
    // Names are not compared: another "defs.h" and another "s.rc" are outputs like any other.
    std::filesystem::create_directories(dir.path("out"));
    for (const char* name : {"out/defs.h", "out/s.rc"}) {
        CompileOptions options;
        options.script = script.string();
        options.output = dir.path(name).string();
        options.includeDirs = {dir.path("sub").string()};
        const CompileResult found = CompileScript(options);
        EXPECT_TRUE(found.ok) << found.error;
        EXPECT_GE(ReadRes(ReadBytes(dir.path(name))).entries().size(), 6u);  // icon images and group, bitmap, 3 RCDATA
    }
}

TEST_F(OutputIsNoInput, TheCommandRefusesADefaultOutputThatIsTheScript) {
    // "x.res" as a script: its default output is itself.
    dir.write("x.res", "A RCDATA { 1 }\n");
    const std::string command = "cd '" + dir.path("").string() + "' && '" RESTALLOW_RC "' x.res 2>err.txt";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_EQ(ReadBytes(dir.path("err.txt")), "error: " + Refusal("x.res", "the script itself") + "\n");
    EXPECT_EQ(ReadBytes(dir.path("x.res")), "A RCDATA { 1 }\n");
}

}  // namespace
}  // namespace rc::test
