// The Minimize command: finding the minimizer, its two arguments, and the stop after the refresh.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QTest>
#include <cstdlib>

#include "app/TfmTallow.h"
#include "support/ProgramFiles.h"
#include "support/ScriptedPrompter.h"
#include "support/Settings.h"
#include "support/TempDir.h"
#include "widgets/FileEdit.h"
#include "widgets/RoundButton.h"

namespace restallow {
namespace {

class MinimizeTest : public ::testing::Test {
protected:
    MinimizeTest()
        : window((test::IsolateSettings(settingsDir), setenv("XDG_DATA_HOME", dataDir.stdPath(QString()).c_str(), 1),
                  prompter.readmeAnswers.push_back(false), prompter)) {
        window.show();
        input = dataDir.write("my programs/old app.exe", test::NeProgram(2));
        window.Layout().filename1->setText(QString::fromStdString(input));
        window.Layout().filename2->setText(dataDir.path(QStringLiteral("small.exe")));
    }
    ~MinimizeTest() override {
        window.Tools().AppExeMin.Terminate();
        unsetenv("XDG_DATA_HOME");
    }

    // A stand-in minimizer that records its arguments, one per line, and keeps running.
    QString FakeMinimizer(const QString& folder) {
        const QString path = dataDir.path(folder + QStringLiteral("/w8loss"));
        dataDir.write(
            folder + QStringLiteral("/w8loss"),
            "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + dataDir.stdPath(QStringLiteral("args")) + "'\nexec sleep 30\n");
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }
    void WriteDelphiIni(const QString& library) {
        dataDir.write(QStringLiteral("restallow/Delphi.ini"),
                      "[Library]\nComponentLibrary=" + library.toStdString() + "\n");
    }
    QString Arguments() {
        for (int i = 0; i < 200 && !QFile::exists(dataDir.path(QStringLiteral("args"))); ++i) QTest::qWait(10);
        QTest::qWait(20);
        return QString::fromStdString(test::TempDir::read(dataDir.stdPath(QStringLiteral("args"))));
    }
    QString Stored() { return test::StoredValue(settingsDir, QStringLiteral("Params/w8lossDir")); }

    test::TempDir settingsDir, dataDir;
    test::ScriptedPrompter prompter;
    TfmTallow window;
    std::string input;
};

TEST_F(MinimizeTest, DelphiIniLeadsToTheMinimizerWhichGetsTwoArgumentsAndIsStoppedByTheRefresh) {
    window.Tools().BundledMinimizer.clear();
    const QString minimizer = FakeMinimizer(QStringLiteral("delphi/bin"));
    WriteDelphiIni(dataDir.path(QStringLiteral("delphi/bin/COMPLIB.DCL")));
    ASSERT_TRUE(window.Layout().Tool(TagMinimize)->isEnabled());
    window.BtnAddClick(TagMinimize);
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(Arguments(), QString::fromStdString(input) + u'\n' + dataDir.path(QStringLiteral("small.exe")) + u'\n');
    EXPECT_EQ(Stored(), minimizer);
    EXPECT_EQ(window.Tools().AppExeMin.Tag, 1);
    EXPECT_EQ(window.Files().Timer1().interval(), 5000);
    ASSERT_TRUE(window.Tools().AppExeMin.IsRunning());
    window.Files().StartRefresh(100);  // a field change ends the wait early
    QTest::qWait(300);
    EXPECT_FALSE(window.Tools().AppExeMin.IsRunning());
    EXPECT_EQ(window.Tools().AppExeMin.ExitCode, TExecFile::kStillActive);
    EXPECT_EQ(window.Tools().AppExeMin.Tag, 0);
}

TEST_F(MinimizeTest, AStaleStoredPathIsKeptWhileDelphiIniFindsTheMinimizer) {
    window.Tools().BundledMinimizer.clear();
    SettingsStore(QStringLiteral("Params")).write(QStringLiteral("w8lossDir"), QStringLiteral("/gone/w8loss.exe"));
    FakeMinimizer(QStringLiteral("d1"));
    WriteDelphiIni(dataDir.path(QStringLiteral("d1/COMPLIB.DCL")));
    window.BtnAddClick(TagMinimize);
    EXPECT_FALSE(Arguments().isEmpty());
    EXPECT_EQ(Stored(), QStringLiteral("/gone/w8loss.exe"));
}

TEST_F(MinimizeTest, NothingFoundAsksAndTheChosenFileIsStored) {
    window.Tools().BundledMinimizer.clear();
    const QString chosen = FakeMinimizer(QStringLiteral("elsewhere"));
    prompter.messageAnswers.push_back(MsgButton::Yes);
    prompter.openAnswers.push_back(test::ScriptedPrompter::Chosen(chosen));
    window.BtnAddClick(TagMinimize);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, QStringLiteral("Program w8loss doesn't exist in path \"\".\r\r"
                                                        "Do you want to look for it yourself?"));
    EXPECT_EQ(prompter.messages[0].title, QStringLiteral("Error"));
    EXPECT_EQ(prompter.messages[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(prompter.openRequests.back().filterIndex, 1);
    EXPECT_FALSE(Arguments().isEmpty());
    EXPECT_EQ(Stored(), chosen);

    prompter.messageAnswers.push_back(MsgButton::No);  // the chosen file is gone: asked again, declined
    QFile::remove(chosen);
    window.Tools().AppExeMin.Terminate();
    window.BtnAddClick(TagMinimize);
    EXPECT_EQ(prompter.messages.size(), 2u);
}

TEST_F(MinimizeTest, TheBundledMinimizerPacksTheProgram) {
    if (window.Tools().BundledMinimizer.isEmpty()) GTEST_SKIP() << "restallow-min is not beside the tests";
    window.BtnAddClick(TagMinimize);
    for (int i = 0; i < 200 && window.Tools().AppExeMin.IsRunning(); ++i) QTest::qWait(10);
    EXPECT_TRUE(QFile::exists(dataDir.path(QStringLiteral("small.exe"))));
    EXPECT_EQ(Stored(), window.Tools().BundledMinimizer);
}

// A typed output that exists is replaced only on Yes; a minimizer that fails says why in the
// output box at the refresh.
TEST_F(MinimizeTest, AnExistingOutputIsAskedForAndAFailureIsShownInTheOutputBox) {
    if (window.Tools().BundledMinimizer.isEmpty()) GTEST_SKIP() << "restallow-min is not beside the tests";
    const std::string existing = dataDir.write("small.exe", "old");
    prompter.messageAnswers.push_back(MsgButton::No);
    window.BtnAddClick(TagMinimize);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].buttons, MsgButtons::YesNo);
    EXPECT_FALSE(window.Tools().AppExeMin.IsRunning());
    EXPECT_EQ(test::TempDir::read(existing), "old");

    window.Layout().filename2->setText(dataDir.path(QStringLiteral("no such folder/small.exe")));
    window.BtnAddClick(TagMinimize);
    for (int i = 0; i < 300 && window.Tools().AppExeMin.IsRunning(); ++i) QTest::qWait(10);
    window.Files().StartRefresh(1);  // the refresh that comes 5 s after Minimize
    QTRY_VERIFY_WITH_TIMEOUT(window.Layout().memo2->toPlainText().contains(QStringLiteral("Minimize failed: ")), 2000);
    EXPECT_TRUE(window.Layout().memo2->toPlainText().contains(QStringLiteral("no such folder")))
        << window.Layout().memo2->toPlainText().toStdString();
}

TEST_F(MinimizeTest, AnEmptyOutputAsksForAName) {
    window.Layout().filename2->setText(QString());
    prompter.messageAnswers.push_back(MsgButton::Ok);
    window.Tools().BtnExeMinClick();
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, QStringLiteral("Please chose a new filename."));
    EXPECT_EQ(prompter.messages[0].title, QStringLiteral("Name of destination file"));
}

}  // namespace
}  // namespace restallow
