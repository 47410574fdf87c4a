// The compiler settings: include folders and defines in the options dialog, kept with the
// settings, and given to the compiler after the script's own folder.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTimer>

#include "app/TfmTallow.h"
#include "build/CompilerDriver.h"
#include "shell/TfmOptDlg.h"
#include "support/ScriptedPrompter.h"
#include "support/Settings.h"
#include "support/TempDir.h"
#include "widgets/FileEdit.h"

namespace restallow {
namespace {

TEST(CompilerSettings, TheDialogKeepsFoldersAndDefinesAndRefusesALineThatIsNoDefine) {
    TfmOptDlg dialog(
        {1, 6, false, false, true, false, {QStringLiteral("/a"), QStringLiteral("/b")}, {QStringLiteral("X=1")}}, {},
        {});
    std::vector<QString> notices;
    dialog.SetNotice([&](const QString& text, const QString&) { notices.push_back(text); });
    QStringList offered = {QStringLiteral("/c"), QStringLiteral("/a"), QString()};  // the chooser's answers
    dialog.SetFolderChooser([&](const QString&, const QString& title) {
        EXPECT_EQ(title, QStringLiteral("Include folder"));
        return offered.takeFirst();
    });
    CompilerBox& box = *dialog.compiler;
    for (int i = 0; i < 3; ++i) box.addButton->click();  // "/c" is added; "/a" is there; none chosen
    EXPECT_EQ(box.includeDirs(), (QStringList{QStringLiteral("/a"), QStringLiteral("/b"), QStringLiteral("/c")}));
    box.folders->setCurrentRow(0);
    box.removeButton->click();
    box.defineLines->setPlainText(QStringLiteral("X=1\n\n  WANTED \n9bad=2\nTEXT=\"a b\""));
    QTimer::singleShot(100, &dialog, [&] {
        dialog.okButton->click();  // refused: the dialog stays
        EXPECT_TRUE(dialog.isVisible());
        box.defineLines->setPlainText(QStringLiteral("X=1\n  WANTED \nTEXT=\"a b\""));
        dialog.okButton->click();
    });
    QTimer::singleShot(3000, &dialog, [&] { dialog.cancelButton->click(); });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_TRUE(notices[0].endsWith(QStringLiteral("\r9bad=2")));
    const OptionsOutcome outcome = dialog.Outcome();
    EXPECT_EQ(outcome.includeDirs, (QStringList{QStringLiteral("/b"), QStringLiteral("/c")}));
    EXPECT_EQ(outcome.defines,
              (QStringList{QStringLiteral("X=1"), QStringLiteral("WANTED"), QStringLiteral("TEXT=\"a b\"")}));
    dialog.ApplyDialogTable(3);
    EXPECT_EQ(box.title(), QStringLiteral("Compiler"));
    EXPECT_EQ(box.addButton->text(), QStringLiteral("&Hinzufügen..."));
    dialog.ApplyDialogTable(2);
    EXPECT_EQ(box.title(), QStringLiteral("Compilateur"));
}

// The bundled compiler takes "-i DIR" and "-D NAME"; a registered brcc32 its own "-iDIR" and
// "-dNAME". The script's folder comes first once the user named folders of his own.
TEST(CompilerSettings, ParametersNameTheScriptsFolderFirstThenTheUsersFoldersAndDefines) {
    const CompilerSearch search{QStringLiteral("/my scripts"),
                                {QStringLiteral("/inc"), QStringLiteral("/other inc")},
                                {QStringLiteral("A"), QStringLiteral("B=\"x y\"")},
                                true};
    EXPECT_EQ(CompileParameters(true, QStringLiteral("/my scripts/a.rc"), QStringLiteral("/o.res"), search),
              QStringLiteral("-31 -i \"/my scripts\" -i /inc -i \"/other inc\" -D A -D \"B=\\\"x y\\\"\" \"/my "
                             "scripts/a.rc\" -fo /o.res"));
    CompilerSearch brcc = search;
    brcc.bundled = false;
    EXPECT_EQ(CompileParameters(false, QStringLiteral("a.rc"), QStringLiteral("o.res"), brcc),
              QStringLiteral("\"-i/my scripts\" -i/inc \"-i/other inc\" -dA \"-dB=\\\"x y\\\"\" a.rc -fo o.res"));
    EXPECT_EQ(
        CompileParameters(false, QStringLiteral("a.rc"), QStringLiteral("o.res"), {QStringLiteral("/s"), {}, {}, true}),
        QStringLiteral("a.rc -fo o.res"));
}

class CompilerSettingsTest : public ::testing::Test {
protected:
    CompilerSettingsTest() { test::IsolateSettings(settingsDir); }

    // The first start shows the readme; its box, cleared, keeps it away from the second.
    std::unique_ptr<TfmTallow> Start(bool first) {
        if (first) prompter.readmeAnswers.push_back(false);
        auto window = std::make_unique<TfmTallow>(prompter);
        window->show();
        return window;
    }
    QString Strings(const QString& res) {
        QProcess dump;
        dump.start(QStringLiteral(RESTALLOW_RESDUMP), {QStringLiteral("-v"), res});
        dump.waitForFinished();
        return QString::fromUtf8(dump.readAllStandardOutput());
    }

    test::TempDir settingsDir, dir;
    test::ScriptedPrompter prompter;
};

TEST_F(CompilerSettingsTest, FoldersAndDefinesAreStoredAndReachTheCompilerAfterTheScriptsFolder) {
    dir.write("project/shared.h", "#define SHARED_TEXT \"from the script's folder\"\n");
    dir.write("headers/shared.h", "#define SHARED_TEXT \"from the include folder\"\n");
    dir.write("headers/only_here.h", "#define ONLY_TEXT \"only in the include folder\"\n");
    const std::string script = dir.write("project/app.rc",
                                         "#include \"shared.h\"\n#include \"only_here.h\"\n#ifdef WANTED\n"
                                         "STRINGTABLE { 1, SHARED_TEXT 2, ONLY_TEXT 3, NUMBER_TEXT }\n#endif\n");
    {
        auto window = Start(true);
        OptionsOutcome outcome;
        outcome.result = OptionsOutcome::Ok;
        outcome.includeDirs = {dir.path(QStringLiteral("headers"))};
        outcome.defines = {QStringLiteral("WANTED"), QStringLiteral("NUMBER_TEXT=\"a define's text\"")};
        prompter.optionsAnswers.push_back(outcome);
        window->OpenOptions();
        ASSERT_EQ(prompter.optionsRequests.size(), 1u);
        EXPECT_TRUE(prompter.optionsRequests[0].includeDirs.isEmpty());
    }
    auto window = Start(false);  // the settings of the first run come back
    ASSERT_EQ(window->Settings().IncludeDirs, QStringList{dir.path(QStringLiteral("headers"))});
    ASSERT_EQ(window->Settings().Defines.size(), 2);
    window->Layout().filename1->setText(QString::fromStdString(script));
    const QString res = window->Layout().filename2->text();
    window->BtnAddClick(TagCompile);
    ASSERT_TRUE(prompter.messages.empty()) << prompter.messages.front().text.toStdString();
    const QString strings = Strings(res);
    EXPECT_TRUE(strings.contains(QStringLiteral("from the script's folder"))) << strings.toStdString();
    EXPECT_TRUE(strings.contains(QStringLiteral("only in the include folder"))) << strings.toStdString();
    EXPECT_TRUE(strings.contains(QStringLiteral("a define's text"))) << strings.toStdString();

    window->Settings().IncludeDirs.clear();  // without the folder the header is not found
    prompter.messageAnswers.push_back(MsgButton::Ok);
    window->BtnAddClick(TagCompile);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_TRUE(prompter.messages[0].text.contains(QStringLiteral("only_here.h")))
        << prompter.messages[0].text.toStdString();
}

}  // namespace
}  // namespace restallow
