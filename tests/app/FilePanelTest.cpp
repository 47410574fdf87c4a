// The file panel in the window: script reload and output proposal, Compile in both bitnesses
// and output kinds, Expand, the 16-bit program test and the refresh timer.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include "app/TfmTallow.h"
#include "files/FileFields.h"
#include "support/ProgramFiles.h"
#include "support/ScriptedPrompter.h"
#include "support/Settings.h"
#include "support/TempDir.h"
#include "widgets/FileEdit.h"
#include "widgets/RoundButton.h"

namespace restallow {
namespace {

class FilePanelTest : public ::testing::Test {
protected:
    FilePanelTest() : window((test::IsolateSettings(settingsDir), prompter.readmeAnswers.push_back(false), prompter)) {
        window.show();
    }
    ~FilePanelTest() override { window.List().setListSaved(true); }

    void Add(const std::string& path) {
        if (window.List().isEmpty()) prompter.outputKindAnswers.push_back(window.Settings().list.ResKind);
        prompter.openAnswers.push_back(test::ScriptedPrompter::Chosen(QString::fromStdString(path)));
        window.BtnAddClick(TagAdd);
    }

    void SaveScript(const QString& path) {
        prompter.saveAnswers.push_back(test::ScriptedPrompter::Chosen(path));
        window.BtnAddClick(TagScript);
    }

    QString Dump(const QString& res) {
        QProcess dump;
        dump.start(QStringLiteral(RESTALLOW_RESDUMP), {res});
        dump.waitForFinished();
        return QString::fromUtf8(dump.readAllStandardOutput());
    }

    FileEdit* input() { return window.Layout().filename1; }
    FileEdit* output() { return window.Layout().filename2; }

    test::TempDir settingsDir;
    test::ScriptedPrompter prompter;
    test::TempDir dir;
    TfmTallow window;
};

TEST_F(FilePanelTest, SavedScriptIsReloadedProposedAndCompiledInEveryForm) {
    const std::string data = std::string(RESTALLOW_TEST_DATA) + "/../tools/rc/data/";
    Add(data + "rle4.bmp");
    Add(data + "icon.ico");
    Add(data + "mono.cur");
    prompter.startIdAnswers.push_back(QStringLiteral("2000"));
    Add(dir.write("texts.txt", "Hello\r\nWorld\r\n"));
    SaveScript(dir.path(QStringLiteral("demo.rc")));
    EXPECT_EQ(input()->text(), dir.path(QStringLiteral("demo.rc")));
    EXPECT_EQ(output()->text(), dir.path(QStringLiteral("demo32.res")));
    EXPECT_TRUE(window.Layout().Tool(TagCompile)->isEnabled());
    EXPECT_TRUE(window.Layout().version->isEnabled());
    EXPECT_FALSE(window.Layout().Tool(TagExpand)->isEnabled());

    for (const bool sixteen : {false, true}) {
        (sixteen ? window.Layout().version16 : window.Layout().version32)->click();
        const QString res = output()->text();
        EXPECT_EQ(res, dir.path(sixteen ? QStringLiteral("demo16.res") : QStringLiteral("demo32.res")));
        window.BtnAddClick(TagCompile);
        const QString listing = Dump(res);
        EXPECT_TRUE(listing.contains(sixteen ? QStringLiteral("16-bit resource file, 15 resources")
                                             : QStringLiteral("32-bit resource file, 15 resources")))
            << listing.toStdString();
        EXPECT_TRUE(listing.contains(QStringLiteral("GROUP_ICON     ICON_1")));
        EXPECT_TRUE(listing.contains(QStringLiteral("STRINGTABLE    #126")));
        EXPECT_TRUE(window.Layout().memo2->toPlainText().startsWith(QStringLiteral("File exists")));
        EXPECT_TRUE(window.Layout().memo2->toPlainText().contains(QStringLiteral(" Byte")));
        EXPECT_EQ(prompter.pointerMoves.back(), window.Layout().Tool(TagClear)->mapToGlobal(QPoint(16, 16)));
    }
    EXPECT_TRUE(prompter.messages.empty());  // a successful compile stays silent

    // The component-palette kind proposes .dcr.
    window.Settings().list.ResKind = kDcrOutput;
    window.Layout().version16->click();
    input()->setText(QString());
    input()->setText(dir.path(QStringLiteral("demo.rc")));
    EXPECT_EQ(output()->text(), dir.path(QStringLiteral("demo16.dcr")));
    window.BtnAddClick(TagCompile);
    EXPECT_TRUE(Dump(output()->text()).contains(QStringLiteral("16-bit resource file")));
}

TEST_F(FilePanelTest, AFailedCompileIsReportedWithTheCompilersWords) {
    const std::string script = dir.write("broken.rc", "B BITMAP \"missing.bmp\"\n");
    input()->setText(QString::fromStdString(script));
    prompter.messageAnswers.push_back(MsgButton::Ok);
    window.BtnAddClick(TagCompile);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_TRUE(
        prompter.messages[0].text.contains(QStringLiteral("broken.rc(1): error: cannot open file \"missing.bmp\"")));
    EXPECT_EQ(prompter.messages[0].icon, MsgIcon::Error);
    EXPECT_EQ(window.Layout().memo2->toPlainText(), QStringLiteral("File doesn't exist yet"));
}

TEST_F(FilePanelTest, ExpandRestoresACompressedFileAndReportsADamagedOne) {
    const QString compressed = QStringLiteral(RESTALLOW_TEST_DATA "/sample.txt_");
    input()->setText(compressed);
    EXPECT_TRUE(output()->isEnabled());
    EXPECT_FALSE(window.Layout().Tool(TagExpand)->isEnabled());
    output()->setText(dir.path(QStringLiteral("sample out.txt")));
    EXPECT_TRUE(window.Layout().Tool(TagExpand)->isEnabled());
    window.BtnAddClick(TagExpand);
    EXPECT_EQ(test::TempDir::read(dir.stdPath(QStringLiteral("sample out.txt"))),
              test::TempDir::read(RESTALLOW_TEST_DATA "/sample.txt"));
    EXPECT_EQ(window.Files().Timer1().interval(), 3000);
    EXPECT_TRUE(window.Files().Timer1().isActive());

    const std::string bytes = test::TempDir::read(RESTALLOW_TEST_DATA "/sample.txt_");
    input()->setText(FieldTextForPath(QString::fromStdString(dir.write("bad copy.tx_", bytes.substr(0, 300)))));
    output()->setText(QString::fromStdString(dir.write("kept.txt", "old")));
    prompter.messageAnswers = {MsgButton::Yes, MsgButton::Ok};  // replace the typed file: yes
    window.BtnAddClick(TagExpand);
    ASSERT_EQ(prompter.messages.size(), 2u);
    EXPECT_EQ(prompter.messages[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(prompter.messages[1].text, QStringLiteral("Error writing file."));
    EXPECT_EQ(test::TempDir::read(dir.stdPath(QStringLiteral("kept.txt"))), "old");
    // The output box says why too, and keeps saying it when the refresh comes.
    EXPECT_TRUE(window.Layout().memo2->toPlainText().endsWith(QStringLiteral("Expand failed: Error writing file.")));
    window.Files().StartRefresh(1);
    QTest::qWait(30);
    EXPECT_TRUE(window.Layout().memo2->toPlainText().startsWith(QStringLiteral("File exists")));
    EXPECT_TRUE(window.Layout().memo2->toPlainText().endsWith(QStringLiteral("Expand failed: Error writing file.")));

    input()->setText(dir.path(QStringLiteral("vanished.tx_")));
    EXPECT_FALSE(window.Layout().memo2->toPlainText().contains(QStringLiteral("failed")));  // a new file, a new box
    prompter.messageAnswers = {MsgButton::Yes, MsgButton::Cancel, MsgButton::Ok};  // replace; the missing-source notice
    window.BtnAddClick(TagExpand);
    ASSERT_EQ(prompter.messages.size(), 5u);
    EXPECT_EQ(prompter.messages[3].buttons, MsgButtons::RetryCancel);
    EXPECT_EQ(prompter.messages[4].text, QStringLiteral("Error open file."));
}

// A file the user did not just choose with the browse button is replaced only after a Yes; a
// greyed-out output field is cleared, so that no command writes to a name the user no longer sees.
TEST_F(FilePanelTest, ExpandAsksBeforeReplacingAFileTheUserDidNotChooseAndUsesNoGreyedOutName) {
    const QString compressed = QStringLiteral(RESTALLOW_TEST_DATA "/sample.txt_");
    const std::string kept = dir.write("kept.txt", "old");
    input()->setText(compressed);
    output()->setText(QString::fromStdString(kept));
    prompter.messageAnswers.push_back(MsgButton::No);
    window.BtnAddClick(TagExpand);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_TRUE(prompter.messages[0].text.endsWith(u'\r' + QString::fromStdString(kept)));
    EXPECT_EQ(prompter.messages[0].defaultButton, MsgButton::No);
    EXPECT_EQ(test::TempDir::read(kept), "old");

    prompter.openAnswers.push_back(test::ScriptedPrompter::Chosen(QString::fromStdString(kept)));
    output()->browseButton()->click();  // chosen by the user: no question
    window.BtnAddClick(TagExpand);
    EXPECT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(test::TempDir::read(kept), test::TempDir::read(RESTALLOW_TEST_DATA "/sample.txt"));

    // The compiled output of a script, then another input typed: the field greys out, empty.
    Add(std::string(RESTALLOW_TEST_DATA) + "/../tools/rc/data/rle4.bmp");
    SaveScript(dir.path(QStringLiteral("demo.rc")));
    window.BtnAddClick(TagCompile);
    const std::string compiled = test::TempDir::read(dir.stdPath(QStringLiteral("demo32.res")));
    input()->setText(QString::fromStdString(dir.write("notes.txt", "plain")));
    EXPECT_FALSE(output()->isEnabled());
    EXPECT_TRUE(output()->text().isEmpty());
    EXPECT_FALSE(window.Layout().Tool(TagExpand)->isEnabled());
    EXPECT_EQ(test::TempDir::read(dir.stdPath(QStringLiteral("demo32.res"))), compiled);
}

// Old projects name their scripts in upper case; a script that fails to load leaves no output
// name of the script before.
TEST_F(FilePanelTest, ScriptsOfAnyLetterCaseLoadAndAFailedLoadKeepsNoOldOutputName) {
    Add(std::string(RESTALLOW_TEST_DATA) + "/../tools/rc/data/rle4.bmp");
    SaveScript(dir.path(QStringLiteral("good.rc")));
    const QString upper = dir.path(QStringLiteral("WCLOCK.RC"));
    ASSERT_TRUE(QFile::copy(dir.path(QStringLiteral("good.rc")), upper));
    input()->setText(upper);
    EXPECT_EQ(output()->text(), dir.path(QStringLiteral("WCLOCK32.res")));
    EXPECT_TRUE(window.Layout().Tool(TagCompile)->isEnabled());
    EXPECT_EQ(window.List().model().count(), 1);

    // A script of ours whose string table names a text file that is gone.
    std::string broken = test::TempDir::read(upper.toStdString());
    broken += "\r\n/* Strings_1 STRINGTABLE 2000 \"" + dir.stdPath(QStringLiteral("gone.txt")) + "\" */\r\n";
    const QString failing = QString::fromStdString(dir.write("Broken.Rc", broken));
    prompter.messageAnswers.push_back(MsgButton::Ok);
    input()->setText(failing);
    EXPECT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(output()->text(), dir.path(QStringLiteral("Broken32.res")));
    for (const QString& other : {dir.path(QStringLiteral("folder.rc")), dir.path(QStringLiteral("missing.rc"))}) {
        QDir().mkpath(dir.path(QStringLiteral("folder.rc")));
        input()->setText(other);
        EXPECT_FALSE(output()->text().contains(QStringLiteral("WCLOCK"))) << other.toStdString();
        EXPECT_FALSE(output()->text().contains(QStringLiteral("Broken"))) << other.toStdString();
    }
    input()->setText(dir.path(QStringLiteral("readme.txt")));
    EXPECT_TRUE(output()->text().isEmpty());
}

// The dialog opens where the field's file lies, or where the user looked last.
TEST_F(FilePanelTest, BrowseOpensInTheFolderOfTheFieldsFileOrTheOneUsedLast) {
    const std::string script = dir.write("sub/one.rc", "x");
    input()->setText(QString::fromStdString(script));
    prompter.openAnswers.push_back(std::nullopt);
    input()->browseButton()->click();
    EXPECT_EQ(prompter.openRequests.back().directory, dir.path(QStringLiteral("sub/")));
    prompter.openAnswers.push_back(
        test::ScriptedPrompter::Chosen(QString::fromStdString(dir.write("other/two.tx_", "x"))));
    input()->browseButton()->click();
    input()->setText(QString());
    prompter.openAnswers.push_back(std::nullopt);
    input()->browseButton()->click();  // an empty field: the folder of the last choice
    EXPECT_EQ(prompter.openRequests.back().directory, dir.path(QStringLiteral("other/")));
    input()->setText(QStringLiteral("/no/such/folder/x.rc"));
    prompter.openAnswers.push_back(std::nullopt);
    input()->browseButton()->click();
    EXPECT_EQ(prompter.openRequests.back().directory, dir.path(QStringLiteral("other/")));
    input()->setText(QString::fromStdString(dir.write("third/s.tx_", "x")));
    prompter.openAnswers.push_back(std::nullopt);
    output()->browseButton()->click();  // the output field remembers its own folder
    EXPECT_NE(prompter.openRequests.back().directory, dir.path(QStringLiteral("third/")));
}

TEST_F(FilePanelTest, OnlyAWindowsNeProgramPassesThe16BitTest) {
    const std::string windows = dir.write("win16.exe", test::NeProgram(2));
    input()->setText(QString::fromStdString(windows));
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_TRUE(output()->isEnabled());
    output()->setText(dir.path(QStringLiteral("small.exe")));
    EXPECT_TRUE(window.Layout().Tool(TagMinimize)->isEnabled());

    const std::pair<const char*, std::string> others[] = {{"os2.exe", test::NeProgram(1)},
                                                          {"dos.exe", test::DosProgram()},
                                                          {"pe32.exe", test::PeProgram(0x14C)},
                                                          {"pe64.exe", test::PeProgram(0x8664)},
                                                          {"cut.exe", test::NeProgram(2).substr(0, 0x90)},
                                                          {"empty.exe", ""}};
    for (const auto& [name, bytes] : others) {
        SCOPED_TRACE(name);
        const std::string path = dir.write(QString::fromLatin1(name), bytes);
        prompter.messageAnswers.push_back(MsgButton::Ok);
        input()->setText(QString::fromStdString(path));
        ASSERT_FALSE(prompter.messages.empty());
        EXPECT_EQ(prompter.messages.back().text, QStringLiteral("File \r\r") + QString::fromStdString(path) +
                                                     QStringLiteral("\r\r isn't a 16bit Windows executeable."));
        EXPECT_EQ(prompter.messages.back().title, QStringLiteral("Information"));
        EXPECT_EQ(input()->text(), QString::fromStdString(path));  // what the user gave stays
        EXPECT_TRUE(output()->text().isEmpty());
        EXPECT_FALSE(output()->isEnabled());
        EXPECT_FALSE(window.Layout().Tool(TagMinimize)->isEnabled());
    }
}

// Typing "install.exe_" passes through "install.exe": no file of that name, no test and no box;
// where a 32-bit install.exe is there, one box, and the typing goes on.
TEST_F(FilePanelTest, TheSixteenBitTestWaitsForANameThatNamesAFile) {
    QLineEdit* field = input()->edit();
    field->setFocus();
    const QString folder = dir.path(QStringLiteral("disk/"));
    dir.write("disk/install.exe_", "SZDD");
    input()->setText(folder);
    QTest::keyClicks(field, QStringLiteral("install.exe_"));
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(input()->text(), folder + QStringLiteral("install.exe_"));
    EXPECT_TRUE(output()->isEnabled());

    dir.write("disk/install.exe", test::PeProgram(0x14C));
    input()->setText(folder);
    prompter.messageAnswers.push_back(MsgButton::Ok);
    QTest::keyClicks(field, QStringLiteral("install.exe_"));
    EXPECT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(input()->text(), folder + QStringLiteral("install.exe_"));
}

TEST_F(FilePanelTest, RefreshTimerKeepsItsCountdownForTheSameInterval) {
    FilePanel& files = window.Files();
    files.StartRefresh(100);
    QTest::qWait(60);
    const int left = files.Timer1().remainingTime();
    files.StartRefresh(100);  // same interval: the countdown goes on
    EXPECT_LE(files.Timer1().remainingTime(), left);
    files.StartRefresh(5000);  // another interval restarts it
    EXPECT_GT(files.Timer1().remainingTime(), 4000);
    input()->setText(QStringLiteral(RESTALLOW_TEST_DATA "/sample.txt"));
    EXPECT_EQ(files.Timer1().interval(), 100);
    QTest::qWait(250);
    EXPECT_TRUE(window.Layout().memo1->toPlainText().startsWith(QStringLiteral("File exists")));
    EXPECT_TRUE(window.Layout().memo2->toPlainText().isEmpty());
}

}  // namespace
}  // namespace restallow
