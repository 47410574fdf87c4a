// The window on hostile input: files that are folders, FIFOs or devices, errors of any kind at a
// command boundary, an empty output name, input while the compiler runs, and Expand into a folder.
// Each case ends with the program running and the Resource List as it was.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <new>

#include "app/TfmTallow.h"
#include "resources/ScriptWriter.h"
#include "support/ScriptedPrompter.h"
#include "support/Settings.h"
#include "support/TempDir.h"
#include "widgets/FileEdit.h"
#include "widgets/RoundButton.h"

namespace restallow {
namespace {

// A prompter whose save dialog runs out of memory, as any step of a command might.
class StarvedPrompter : public test::ScriptedPrompter {
public:
    bool starveSave = false;
    std::optional<FileDialogAnswer> saveFile(const FileDialogRequest& request) override {
        if (starveSave) throw std::bad_alloc();
        return ScriptedPrompter::saveFile(request);
    }
};

class CommandSafetyTest : public ::testing::Test {
protected:
    CommandSafetyTest()
        : window((test::IsolateSettings(settingsDir), prompter.readmeAnswers.push_back(false), prompter)) {
        window.show();
    }
    ~CommandSafetyTest() override {
        window.List().setListSaved(true);
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, settingsDir.path(QStringLiteral("none")));
    }

    void Add(const std::string& path) {
        if (window.List().isEmpty()) prompter.outputKindAnswers.push_back(kResOutput);
        prompter.openAnswers.push_back(test::ScriptedPrompter::Chosen(QString::fromStdString(path)));
        window.BtnAddClick(TagAdd);
    }
    // A script of ours whose one string table reads `textFile`.
    QString ScriptNaming(const std::string& textFile) {
        const std::string script =
            WriteScriptText({{"Strings_1", " STRINGTABLE ", "2000", ResourceEntry::QuoteFile(textFile)}}, "s.rc",
                            [](const std::string&) -> fileaccess::Result<std::string> { return std::string("x"); })
                .value_or("");
        return QString::fromStdString(dir.write("s.rc", script));
    }
    // A registered "Delphi" whose compiler notes each run in a log, then takes `seconds`.
    QString SlowCompiler(const char* seconds) {
        const std::string log = dir.stdPath("runs.log");
        const std::string compiler =
            dir.write("delphi/Bin/brcc32", "#!/bin/sh\necho run >> '" + log + "'\nsleep " + seconds + "\n");
        ::chmod(compiler.c_str(), 0755);
        dir.write("machine/Borland/Delphi.conf", "[3.0]\nRootDir=" + dir.stdPath("delphi") + "\n");
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, dir.path(QStringLiteral("machine")));
        return QString::fromStdString(log);
    }
    int Names() { return window.List().model().count(); }

    test::TempDir settingsDir;
    StarvedPrompter prompter;
    test::TempDir dir;
    TfmTallow window;
};

TEST_F(CommandSafetyTest, ScriptWhoseStringTableNamesAFolderFifoOrDeviceShowsTheErrorAndGoesOn) {
    QDir().mkpath(dir.path(QStringLiteral("folder.txt")));
    const std::string fifo = dir.stdPath(QStringLiteral("fifo.txt"));
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& text : {dir.stdPath(QStringLiteral("folder.txt")), fifo, std::string("/dev/zero")}) {
        prompter.messages.clear();
        prompter.messageAnswers.push_back(MsgButton::Ok);
        window.Layout().filename1->setText(QString());
        window.Layout().filename1->setText(ScriptNaming(text));
        ASSERT_EQ(prompter.messages.size(), 1u) << text;
        EXPECT_TRUE(prompter.messages[0].text.contains(QString::fromStdString(text)));
        EXPECT_TRUE(prompter.messages[0].text.contains(QStringLiteral("not a file")))
            << prompter.messages[0].text.toStdString();
        EXPECT_EQ(prompter.messages[0].icon, MsgIcon::Error);
    }
}

TEST_F(CommandSafetyTest, SavingAfterATextFileBecameAFolderShowsTheErrorAndKeepsListAndScript) {
    prompter.startIdAnswers.push_back(QStringLiteral("2000"));
    Add(dir.write("t.txt", "a\rb\r"));
    Add(dir.write("b.bmp", "BM"));
    const std::string old = dir.write("old.rc", "old script");
    QFile::remove(dir.path(QStringLiteral("t.txt")));
    QDir().mkpath(dir.path(QStringLiteral("t.txt")));
    prompter.saveAnswers.push_back(test::ScriptedPrompter::Chosen(QString::fromStdString(old)));
    prompter.messageAnswers.push_back(MsgButton::Ok);
    window.BtnAddClick(TagScript);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_TRUE(prompter.messages[0].text.contains(QStringLiteral("it is a folder, not a file")));
    EXPECT_EQ(test::TempDir::read(old), "old script");
    EXPECT_EQ(Names(), 2);
    EXPECT_FALSE(window.List().ListSaved());
}

TEST_F(CommandSafetyTest, OutOfMemoryInACommandIsShownAndTheListIsKept) {
    Add(dir.write("b.bmp", "BM"));
    prompter.starveSave = true;
    prompter.messageAnswers.push_back(MsgButton::Ok);
    window.BtnAddClick(TagScript);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, QStringLiteral("Out of memory: the command was stopped."));
    EXPECT_EQ(Names(), 1);
}

TEST_F(CommandSafetyTest, CompileWithAnEmptyOutputFieldSaysSoAndCompilesNothing) {
    const QString log = SlowCompiler("0");
    const QString script = QString::fromStdString(dir.write("c.rc", "D RCDATA { 1 }\n"));
    window.Layout().filename1->setText(script);
    window.Layout().filename2->setText(QString());
    prompter.messageAnswers.push_back(MsgButton::Ok);
    window.BtnAddClick(TagCompile);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, QStringLiteral("Please chose a new filename."));
    EXPECT_EQ(prompter.messages[0].title, QStringLiteral("Name of destination file"));
    EXPECT_FALSE(QFile::exists(log));
    EXPECT_FALSE(QFile::exists(dir.path(QStringLiteral("c.res"))));
}

TEST_F(CommandSafetyTest, ClicksWhileTheCompilerRunsAreDroppedNotReplayed) {
    Add(dir.write("b.bmp", "BM"));
    const QString log = SlowCompiler("1");
    prompter.messageAnswers.push_back(MsgButton::No);  // the input field does not load the script over the list
    window.Layout().filename1->setText(QString::fromStdString(dir.write("c.rc", "D RCDATA { 1 }\n")));
    window.Layout().filename2->setText(dir.path(QStringLiteral("c.res")));
    RoundButton* clear = window.ListButton(TagClear);
    RoundButton* compile = window.Layout().Tool(TagCompile);
    QTimer::singleShot(200, clear, [clear, compile] {
        QTest::mouseClick(clear, Qt::LeftButton);
        QTest::mouseClick(compile, Qt::LeftButton);
        QTest::mouseClick(compile, Qt::LeftButton);
    });
    window.BtnAddClick(TagCompile);
    for (int i = 0; i < 20; ++i) QCoreApplication::processEvents();
    EXPECT_EQ(Names(), 1);
    EXPECT_EQ(test::TempDir::read(log.toStdString()), "run\n");
    EXPECT_EQ(prompter.messages.size(), 1u);
}

TEST_F(CommandSafetyTest, CloseWhileTheCompilerRunsEndsItThenClosesAsUsual) {
    const QString log = SlowCompiler("60");
    window.Layout().filename1->setText(QString::fromStdString(dir.write("c.rc", "D RCDATA { 1 }\n")));
    window.Layout().filename2->setText(dir.path(QStringLiteral("c.res")));
    QTimer::singleShot(200, &window, [this] { window.close(); });
    QElapsedTimer clock;
    clock.start();
    prompter.messageAnswers.push_back(MsgButton::Ok);  // the compiler ended by the close is reported
    window.BtnAddClick(TagCompile);
    EXPECT_LT(clock.elapsed(), 10000);
    EXPECT_TRUE(window.isVisible());
    QCoreApplication::processEvents();
    EXPECT_FALSE(window.isVisible());
}

TEST_F(CommandSafetyTest, ExpandIntoAFolderGivesBothOutputMessages) {
    window.Layout().filename1->setText(QStringLiteral(RESTALLOW_TEST_DATA "/sample.txt_"));
    QDir().mkpath(dir.path(QStringLiteral("out")));
    window.Layout().filename2->setText(dir.path(QStringLiteral("out")));
    prompter.messageAnswers = {MsgButton::Ok, MsgButton::Ok};
    window.BtnAddClick(TagExpand);  // a folder is no file to replace: no question
    ASSERT_EQ(prompter.messages.size(), 2u);
    EXPECT_EQ(prompter.messages[0].text, QStringLiteral("Error output file."));
    EXPECT_EQ(prompter.messages[0].title, QStringLiteral("Error."));
    EXPECT_EQ(prompter.messages[1].text, QStringLiteral("Error writing file."));
    EXPECT_TRUE(QFileInfo(dir.path(QStringLiteral("out"))).isDir());
}

}  // namespace
}  // namespace restallow
