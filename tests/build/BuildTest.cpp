// Command texts, the program runner and file expansion.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <cerrno>
#include <optional>

#include "build/Expander.h"
#include "build/TExecFile.h"
#include "platform/CommandLine.h"
#include "support/OpenFiles.h"
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
    void SetUp() override {
        runner.OnFail = [this](TExecFile&) { ++failures; };
    }
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

TEST_F(ExecFileTest, TerminateEndsTheWholeProcessGroup) {
    test::TempDir dir;
    const QString pidFile = dir.path(QStringLiteral("child.pid"));
    runner.CommandLine = QStringLiteral("/bin/sh");
    runner.Parameters = QStringLiteral("-c \"sleep 60 & echo $! > '%1'; wait\"").arg(pidFile);
    runner.Execute();
    QElapsedTimer clock;
    clock.start();
    while (QFile(pidFile).size() == 0 && clock.elapsed() < 5000) QThread::msleep(10);
    const pid_t grandchild = QString::fromLatin1(test::TempDir::read(pidFile.toStdString())).trimmed().toInt();
    ASSERT_GT(grandchild, 0);
    EXPECT_TRUE(runner.Terminate());
    // The wrapper's own child ends too (it may linger as a zombie until its new parent reaps it).
    const auto alive = [grandchild] {
        const std::string stat = test::TempDir::read("/proc/" + std::to_string(grandchild) + "/stat");
        return !stat.empty() && stat.find(") Z") == std::string::npos;
    };
    while (alive() && clock.elapsed() < 5000) QThread::msleep(10);
    EXPECT_FALSE(alive());
}

TEST_F(ExecFileTest, InputDuringTheWaitIsDroppedAndACloseEndsTheProgramThenCloses) {
    QWidget window;
    auto* button = new QPushButton(QStringLiteral("Clear"), &window);
    int clicks = 0;
    QObject::connect(button, &QPushButton::clicked, [&clicks] { ++clicks; });
    window.show();
    runner.Wait = true;
    runner.CommandLine = QStringLiteral("/bin/sleep");
    runner.Parameters = QStringLiteral("1");
    QTimer::singleShot(100, button, [button] {
        QTest::mouseClick(button, Qt::LeftButton);
        QTest::keyClick(button, Qt::Key_Space);
    });
    EXPECT_TRUE(runner.Execute());
    QCoreApplication::processEvents();
    EXPECT_EQ(clicks, 0);
    QTest::mouseClick(button, Qt::LeftButton);  // after the wait, input counts again
    EXPECT_EQ(clicks, 1);

    runner.Parameters = QStringLiteral("60");
    QTimer::singleShot(100, &window, [&window] { window.close(); });
    QElapsedTimer clock;
    clock.start();
    EXPECT_TRUE(runner.Execute());
    EXPECT_LT(clock.elapsed(), 10000);  // the close ended the program long before its 60 s
    EXPECT_TRUE(window.isVisible());    // closed only after Execute returned
    QCoreApplication::processEvents();
    EXPECT_FALSE(window.isVisible());
}

TEST_F(ExecFileTest, AProgramWhoseEndTheEventLoopSawFirstEndsTheWait) {
    // The wait runs the event loop between its short waits. Here the loop is busy until the
    // program has ended and the loop has taken note of it: the next short wait then finds no
    // program to wait for, and the wait must end there rather than go on for ever.
    runner.Wait = true;
    runner.CommandLine = QStringLiteral("/bin/sleep");
    runner.Parameters = QStringLiteral("0.1");
    QObject context;
    QTimer::singleShot(0, &context, [] {
        QElapsedTimer busy;
        busy.start();
        while (busy.elapsed() < 1000) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    });
    EXPECT_TRUE(runner.Execute());
    EXPECT_TRUE(runner.ProcessEnded);
    EXPECT_EQ(runner.FinishedExitCode, 0);
}

TEST_F(ExecFileTest, ACloseAsksTheProgramToEndAndKillsItOnlyAfterTheGrace) {
    test::TempDir dir;
    const QString asked = dir.path(QStringLiteral("asked"));
    QWidget window;
    window.show();
    runner.Wait = true;
    runner.CommandLine = QStringLiteral("/bin/sh");
    // A program that notes SIGTERM and goes on (for 30 s at most).
    runner.Parameters =
        QStringLiteral("-c \"trap 'echo term >> %1' TERM; i=0; while [ $i -lt 600 ]; do sleep 0.05; i=$((i+1)); done\"")
            .arg(asked);
    QElapsedTimer sinceClose;
    QTimer::singleShot(300, &window, [&] {
        sinceClose.start();
        window.close();
    });
    EXPECT_TRUE(runner.Execute());
    const qint64 ended = sinceClose.elapsed();
    EXPECT_EQ(test::TempDir::read(asked.toStdString()), "term\n");  // asked first, once
    EXPECT_FALSE(runner.FinishedNormally);                          // then killed
    EXPECT_GE(ended, kEndGraceMs - 50);
    EXPECT_LT(ended, 20000);
}

TEST_F(ExecFileTest, ACloseDuringACompileLeavesTheOldOutputAndNoTemporary) {
    test::TempDir dir;
    dir.write(QStringLiteral("in/big.rc"), "1 RCDATA \"big.bin\"\n");
    ASSERT_EQ(::truncate(dir.write(QStringLiteral("in/big.bin"), "").c_str(), 512LL << 20), 0);  // sparse
    const std::string output = dir.write(QStringLiteral("out/big.res"), "old");
    QWidget window;
    window.show();
    runner.Wait = true;
    runner.CommandLine = QString::fromStdString(QuoteArgument(RESTALLOW_RC));
    runner.Parameters = QStringLiteral("-fo %1 %2")
                            .arg(QString::fromStdString(QuoteArgument(output)),
                                 QString::fromStdString(QuoteArgument(dir.stdPath(QStringLiteral("in/big.rc")))));
    bool closed = false;
    QTimer watch;  // closes the window once the compiler is writing its output
    QObject::connect(&watch, &QTimer::timeout, &window, [&] {
        if (closed || !test::HoldsFileIn(static_cast<pid_t>(runner.ProcessId()), dir.stdPath(QStringLiteral("out"))))
            return;
        closed = true;
        window.close();
    });
    watch.start(1);
    EXPECT_TRUE(runner.Execute());
    EXPECT_TRUE(closed);
    EXPECT_FALSE(runner.FinishedNormally);
    EXPECT_EQ(QDir(dir.path(QStringLiteral("out"))).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("big.res")});
    EXPECT_EQ(test::TempDir::read(output), "old");
}

using fileaccess::ErrorKind;

// The step an expansion failed at; nothing when it succeeded.
std::optional<ErrorKind> FailedStep(const fileaccess::Status& status) {
    if (status) return std::nullopt;
    return status.error().kind;
}

class ExpandTest : public ::testing::Test {
protected:
    std::string Data(const char* name) { return std::string(RESTALLOW_TEST_DATA) + "/" + name; }
    test::TempDir dir;
};

TEST_F(ExpandTest, CompressedFilesAreExpandedAndOthersCopied) {
    const std::string original = test::TempDir::read(Data("sample.txt"));
    ASSERT_TRUE(ExpandFile(Data("sample.txt_"), dir.stdPath("out.txt")).ok());
    EXPECT_EQ(test::TempDir::read(dir.stdPath("out.txt")), original);
    ASSERT_TRUE(ExpandFile(Data("sample.txt"), dir.stdPath("copy.txt")).ok());
    EXPECT_EQ(test::TempDir::read(dir.stdPath("copy.txt")), original);
    dir.write("empty", "");
    EXPECT_TRUE(ExpandFile(dir.stdPath("empty"), dir.stdPath("empty.out")).ok());
    EXPECT_EQ(test::TempDir::read(dir.stdPath("empty.out")), "");
}

TEST_F(ExpandTest, FailuresLeaveAnExistingOutputIntact) {
    const std::string compressed = test::TempDir::read(Data("sample.txt_"));
    const std::string damaged = dir.write("damaged.tx_", compressed.substr(0, compressed.size() / 2));
    const std::string existing = dir.write("keep.txt", "precious");
    EXPECT_EQ(FailedStep(ExpandFile(damaged, existing)), ErrorKind::Write);
    EXPECT_EQ(test::TempDir::read(existing), "precious");
    EXPECT_EQ(FailedStep(ExpandFile(dir.stdPath("missing.tx_"), existing)), ErrorKind::Read);
    EXPECT_EQ(FailedStep(ExpandFile(Data("sample.txt"), dir.stdPath("no/such/dir/out.txt"))), ErrorKind::Open);
    const fileaccess::Status noFolder = ExpandFile(Data("sample.txt"), dir.stdPath("no/such/dir/out.txt"));
    ASSERT_FALSE(noFolder.ok());
    EXPECT_EQ(noFolder.error().message, "Error output file.");
    EXPECT_STREQ(ExpandCaption(noFolder.error()), "Error.");
    EXPECT_EQ(ExpandError(ErrorKind::Read).message, "Error open file.");
    EXPECT_STREQ(ExpandCaption(ExpandError(ErrorKind::Write)), "Error");
    EXPECT_EQ(QDir(QString::fromStdString(dir.stdPath(""))).entryList(QDir::Files).size(), 2);  // no temporary left
}

TEST_F(ExpandTest, FolderOutputFifoSourceAndModesAreHandledSafely) {
    QDir().mkpath(dir.path(QStringLiteral("folder.txt")));
    EXPECT_EQ(FailedStep(ExpandFile(Data("sample.txt_"), dir.stdPath("folder.txt"))), ErrorKind::Open);
    const std::string fifo = dir.stdPath("fifo.tx_");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(FailedStep(ExpandFile(fifo, dir.stdPath("out.txt"))), ErrorKind::Read);
    EXPECT_EQ(FailedStep(ExpandFile(dir.stdPath("folder.txt"), dir.stdPath("out.txt"))), ErrorKind::Read);
    const std::string old = dir.write("old.txt", "old");
    ::chmod(old.c_str(), 0604);
    const mode_t saved = ::umask(022);
    ASSERT_TRUE(ExpandFile(Data("sample.txt_"), old).ok());
    ASSERT_TRUE(ExpandFile(Data("sample.txt_"), dir.stdPath("new.txt")).ok());
    ::umask(saved);
    const auto mode = [](const std::string& path) {
        struct stat info {};
        ::stat(path.c_str(), &info);
        return info.st_mode & 07777;
    };
    EXPECT_EQ(mode(old), 0604u);
    EXPECT_EQ(mode(dir.stdPath("new.txt")), 0644u);
    EXPECT_EQ(test::TempDir::read(old), test::TempDir::read(Data("sample.txt")));
}

TEST_F(ExpandTest, MatchesTheSystemsExpanderWhenInstalled) {
    if (QStandardPaths::findExecutable(QStringLiteral("mscompress")).isEmpty()) GTEST_SKIP() << "mscompress missing";
    std::string bytes;
    for (int i = 0; i < 20000; ++i) bytes += static_cast<char>((i * 31 + i / 7) % 251);
    const std::string plain = dir.write("data.bin", bytes);
    ASSERT_EQ(std::system(("mscompress '" + plain + "'").c_str()), 0);
    ASSERT_TRUE(ExpandFile(plain + "_", dir.stdPath("back.bin")).ok());
    EXPECT_TRUE(test::TempDir::read(dir.stdPath("back.bin")) == bytes);
}

}  // namespace
}  // namespace restallow
