// Command texts, the program runner and file expansion.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <cerrno>

#include "build/CommandLine.h"
#include "build/ExecFile.h"
#include "build/Expander.h"
#include "support/TempDir.h"

namespace restallow {
namespace {

using Words = std::vector<std::string>;

TEST(CommandLine, SplitsByTheWindowsRules) {
    EXPECT_EQ(SplitCommandLine(R"(prog  "a b"  c\d "e\"f" "g\\" h""i)"),
              (Words{"prog", "a b", "c\\d", "e\"f", "g\\", "hi"}));
    EXPECT_EQ(SplitCommandLine(R"("say ""hi""")"), (Words{"say \"hi\""}));
    EXPECT_EQ(SplitCommandLine(" \t "), Words{});
    EXPECT_EQ(SplitCommandLine(R"("")"), (Words{""}));
    for (const char* argument : {"plain", "with blank", "quote\"inside", "trailing\\", "back\\\"slash", ""}) {
        EXPECT_EQ(SplitCommandLine(QuoteArgument(argument)), Words{argument}) << argument;
    }
}

class ExecFileTest : public ::testing::Test {
protected:
    TExecFile runner;
    int failures = 0;
    void SetUp() override { runner.OnFail = [this](TExecFile&) { ++failures; }; }
};

TEST_F(ExecFileTest, WaitingReturnsTrueAndKeepsExitCodeAndOutput) {
    runner.Wait = true;
    runner.CommandLine = QStringLiteral("/bin/sh");
    runner.Parameters = QStringLiteral(R"(-c "printf '%s|' \"a b\" c; exit 3")");
    EXPECT_TRUE(runner.Execute());
    EXPECT_TRUE(runner.ProcessEnded);
    EXPECT_FALSE(runner.IsWaiting);
    EXPECT_EQ(runner.FinishedExitCode, 3);
    EXPECT_EQ(runner.Output, QStringLiteral("a b|c|"));
    EXPECT_EQ(runner.CreationFlags, 0x20);
    EXPECT_FALSE(runner.Terminate());  // already ended: keeps its exit code
    EXPECT_EQ(runner.ExitCode, 3);
}

TEST_F(ExecFileTest, NotWaitingReturnsFalseAndTerminateEndsTheProgramWith259) {
    runner.CommandLine = QStringLiteral("/bin/sleep");
    runner.Parameters = QStringLiteral("30");
    runner.Priority = TExecFile::pcIdle;
    EXPECT_FALSE(runner.Execute());
    EXPECT_EQ(failures, 0);
    EXPECT_TRUE(runner.IsRunning());
    EXPECT_FALSE(runner.IsWaiting);
    EXPECT_TRUE(runner.Terminate());
    EXPECT_EQ(runner.ExitCode, TExecFile::kStillActive);
    EXPECT_FALSE(runner.IsRunning());
}

TEST_F(ExecFileTest, AProgramThatCannotStartCallsOnFail) {
    EXPECT_FALSE(TExecFile().Terminate());  // nothing started yet
    runner.Wait = true;
    runner.CommandLine = QStringLiteral("/no/such/program");
    EXPECT_FALSE(runner.Execute());
    EXPECT_EQ(failures, 1);
    EXPECT_NE(runner.ErrorCode, 0);
    EXPECT_FALSE(runner.ErrorText.isEmpty());

    runner.CommandLine.clear();
    runner.Parameters.clear();
    EXPECT_FALSE(runner.Execute());  // a command text of one blank names no program
    EXPECT_EQ(failures, 2);
}

TEST_F(ExecFileTest, CommandTextsAreNeverCutButRefusedBeyondTheLimit) {
    runner.Wait = true;
    runner.CommandLine = QStringLiteral("/bin/echo");
    const QString longName = QStringLiteral("/tmp/") + QString(300, u'x') + QStringLiteral(".res");
    runner.Parameters = longName;
    EXPECT_TRUE(runner.Execute());
    EXPECT_EQ(runner.Output.trimmed(), longName);
    runner.Parameters = QString(kMaxCommandText, u'y');
    EXPECT_FALSE(runner.Execute());
    EXPECT_EQ(runner.ErrorCode, E2BIG);
    EXPECT_EQ(failures, 1);
}

class ExpandTest : public ::testing::Test {
protected:
    std::string Data(const char* name) { return std::string(RESTALLOW_TEST_DATA) + "/" + name; }
    test::TempDir dir;
};

TEST_F(ExpandTest, CompressedFilesAreExpandedAndOthersCopied) {
    const std::string original = test::TempDir::read(Data("sample.txt"));
    ASSERT_EQ(ExpandFile(Data("sample.txt_"), dir.stdPath("out.txt")), ExpandResult::Ok);
    EXPECT_EQ(test::TempDir::read(dir.stdPath("out.txt")), original);
    ASSERT_EQ(ExpandFile(Data("sample.txt"), dir.stdPath("copy.txt")), ExpandResult::Ok);
    EXPECT_EQ(test::TempDir::read(dir.stdPath("copy.txt")), original);
    dir.write("empty", "");
    EXPECT_EQ(ExpandFile(dir.stdPath("empty"), dir.stdPath("empty.out")), ExpandResult::Ok);
    EXPECT_EQ(test::TempDir::read(dir.stdPath("empty.out")), "");
}

TEST_F(ExpandTest, FailuresLeaveAnExistingOutputIntact) {
    const std::string compressed = test::TempDir::read(Data("sample.txt_"));
    const std::string damaged = dir.write("damaged.tx_", compressed.substr(0, compressed.size() / 2));
    const std::string existing = dir.write("keep.txt", "precious");
    EXPECT_EQ(ExpandFile(damaged, existing), ExpandResult::WriteFailed);
    EXPECT_EQ(test::TempDir::read(existing), "precious");
    EXPECT_EQ(ExpandFile(dir.stdPath("missing.tx_"), existing), ExpandResult::SourceFailed);
    EXPECT_EQ(ExpandFile(Data("sample.txt"), dir.stdPath("no/such/dir/out.txt")), ExpandResult::OutputFailed);
    EXPECT_STREQ(ExpandMessage(ExpandResult::OutputFailed), "Error output file.");
    EXPECT_STREQ(ExpandCaption(ExpandResult::OutputFailed), "Error.");
    EXPECT_STREQ(ExpandCaption(ExpandResult::WriteFailed), "Error");
    EXPECT_EQ(QDir(QString::fromStdString(dir.stdPath(""))).entryList(QDir::Files).size(), 2);  // no temporary left
}

TEST_F(ExpandTest, MatchesTheSystemsExpanderWhenInstalled) {
    if (QStandardPaths::findExecutable(QStringLiteral("mscompress")).isEmpty()) GTEST_SKIP() << "mscompress missing";
    std::string bytes;
    for (int i = 0; i < 20000; ++i) bytes += static_cast<char>((i * 31 + i / 7) % 251);
    const std::string plain = dir.write("data.bin", bytes);
    ASSERT_EQ(std::system(("mscompress '" + plain + "'").c_str()), 0);
    ASSERT_EQ(ExpandFile(plain + "_", dir.stdPath("back.bin")), ExpandResult::Ok);
    EXPECT_TRUE(test::TempDir::read(dir.stdPath("back.bin")) == bytes);
}

}  // namespace
}  // namespace restallow
