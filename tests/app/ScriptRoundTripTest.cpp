// Every kind of file under odd names, text files of odd lines and odd entry names: the saved
// script loads back as the same list and the bundled compiler builds it.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>

#include "app/TfmTallow.h"
#include "resources/ScriptReader.h"
#include "support/ScriptedPrompter.h"
#include "support/Settings.h"
#include "support/TempDir.h"
#include "widgets/FileEdit.h"

namespace restallow {
namespace {

const std::string kData = RESTALLOW_TEST_DATA "/../tools/rc/data/";

// Lines a text file of a string table may hold, each a trap for one part of a script string.
const char* const kOddLines[] = {"plain",
                                 "say \"hello\"",
                                 "\"",
                                 "\"\"",
                                 "C:\\new\\table",
                                 "ends in a backslash \\",
                                 "\\\"escaped\\\" quotes",
                                 "octal \\777 and \\400",
                                 "UTF-8 caf\xc3\xa9 with \\xff and \\200",
                                 "Windows-1252 caf\xe9",
                                 "/* no comment */",
                                 "// nor this",
                                 "#define X 1",
                                 "{",
                                 "}",
                                 " 1, \"two\"",
                                 "STRINGTABLE",
                                 "\tleading tab",
                                 "L\"wide\"",
                                 "",
                                 "   ",
                                 "*/ closes nothing",
                                 "trailing blanks   "};

class ScriptRoundTripTest : public ::testing::Test {
protected:
    ScriptRoundTripTest()
        : window((test::IsolateSettings(settingsDir), prompter.readmeAnswers.push_back(false), prompter)) {
        window.show();
    }
    ~ScriptRoundTripTest() override { window.List().setListSaved(true); }

    // Copies a fixture to `name` below the test's folder and adds it; false when it was refused.
    bool AddCopy(const char* fixture, const QString& name) {
        const QString path = dir.path(name);
        QDir().mkpath(QFileInfo(path).absolutePath());
        EXPECT_TRUE(QFile::copy(QString::fromStdString(kData + fixture), path)) << name.toStdString();
        return AddPath(path);
    }
    bool AddPath(const QString& path) {
        const int before = window.List().model().count();
        if (before == 0) prompter.outputKindAnswers.push_back(kResOutput);
        prompter.openAnswers.push_back(test::ScriptedPrompter::Chosen(path));
        window.BtnAddClick(TagAdd);
        return window.List().model().count() == before + 1;
    }

    test::TempDir settingsDir;
    test::ScriptedPrompter prompter;
    test::TempDir dir;
    TfmTallow window;
};

TEST_F(ScriptRoundTripTest, EveryKindWithOddNamesAndTextsLoadsBackAndCompiles) {
    const std::pair<const char*, const char*> files[] = {{"anim.ani", "odd dir, #1 'x' {y} %z/a b,c.ani"},
                                                         {"clip.avi", "odd dir, #1 'x' {y} %z/$HOME;clip.avi"},
                                                         {"rle4.bmp", "star*/back\\slash.bmp"},
                                                         {"color.cur", "-dash x STRINGTABLE y.cur"},
                                                         {"pic.gif", "caf\xc3\xa9 \xe4\xb8\xad.gif"},
                                                         {"icon.ico", "semi;colon{1}.ICO"},
                                                         {"pic.jpg", "photo.jpg"},
                                                         {"pic.jpg", "photo two.JPEG"},
                                                         {"tune.mid", "comment*/*start.mid"},
                                                         {"sound.wav", "double//slash.wav"},
                                                         {"font.ttf", "font, bold.ttf"},
                                                         {"raw.bin", "data.tar.gz"},
                                                         {"raw.bin", "defs.inc"}};
    for (const auto& [fixture, name] : files) EXPECT_TRUE(AddCopy(fixture, QString::fromUtf8(name))) << name;
    std::string text;
    for (const char* line : kOddLines) text += std::string(line) + "\r\n";
    prompter.startIdAnswers.push_back(QStringLiteral("100"));
    EXPECT_TRUE(AddPath(QString::fromStdString(dir.write(QStringLiteral("odd lines.txt"), text))));
    prompter.startIdAnswers.push_back(QStringLiteral("0500"));
    EXPECT_TRUE(
        AddPath(QString::fromStdString(dir.write(QStringLiteral("x STRINGTABLE y, \xc3\xa9.txt"), "one\rtwo\n"))));
    // Names a user may give that are still names.
    ResourceListModel& model = window.List().model();
    const char* names[] = {"_x.y", "65535", "Logo2"};
    for (int row = 0; row < 3; ++row) model.setData(model.index(row, 0), QString::fromLatin1(names[row]), Qt::EditRole);
    ASSERT_TRUE(prompter.messages.empty()) << prompter.messages.front().text.toStdString();

    std::vector<ResourceEntry> written;  // as the script holds them: plain entries, then string tables
    for (bool tables : {false, true}) {
        for (const ResourceEntry& entry : model.entries()) {
            if (entry.isStringTable() == tables) written.push_back(entry);
        }
    }
    const QString script = dir.path(QStringLiteral("odd, script.rc"));
    prompter.saveAnswers.push_back(test::ScriptedPrompter::Chosen(script));
    window.BtnAddClick(TagScript);
    ASSERT_TRUE(prompter.messages.empty()) << prompter.messages.front().text.toStdString();
    EXPECT_EQ(model.entries(), written);  // the list after the reload
    EXPECT_TRUE(window.List().ListSaved());
    const LoadedScript loaded = ParseScript(test::TempDir::read(script.toStdString()));
    EXPECT_EQ(loaded.entries, written);  // and read afresh

    const QString res = window.Layout().filename2->text();
    window.BtnAddClick(TagCompile);
    EXPECT_TRUE(prompter.messages.empty()) << prompter.messages.front().text.toStdString();
    QProcess dump;
    dump.start(QStringLiteral(RESTALLOW_RESDUMP), {QStringLiteral("-v"), res});
    dump.waitForFinished();
    const QString listing = QString::fromUtf8(dump.readAllStandardOutput());
    EXPECT_TRUE(listing.contains(QStringLiteral("32-bit resource file, 32 resources"))) << listing.toStdString();
    // The dump doubles a quote as the script does.
    for (const char* shown :
         {"101 \"say \"\"hello\"\"\"", "102 \"\"\"\"", "105 \"ends in a backslash \\\"",
          "107 \"octal \\777 and \\400\"", "110 \"/* no comment */\"", "115 \" 1, \"\"two\"\"\"", "501 \"two\""}) {
        EXPECT_TRUE(listing.contains(QString::fromUtf8(shown))) << shown << "\n" << listing.toStdString();
    }
}

TEST_F(ScriptRoundTripTest, AListWithANameNoScriptCanHoldIsNotSaved) {
    ASSERT_TRUE(AddCopy("rle4.bmp", QStringLiteral("a.bmp")));
    const QString old = QString::fromStdString(dir.write(QStringLiteral("old.rc"), "kept"));
    // A loaded script of old may hold names that no compiler reads; the model takes them as they come.
    ResourceListModel& model = window.List().model();
    model.setName(0, "two words");
    prompter.saveAnswers.push_back(test::ScriptedPrompter::Chosen(old));
    prompter.messageAnswers.push_back(MsgButton::Ok);
    window.BtnAddClick(TagScript);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_TRUE(prompter.messages[0].text.endsWith(QStringLiteral("\rtwo words")));
    EXPECT_EQ(test::TempDir::read(old.toStdString()), "kept");
    EXPECT_FALSE(window.List().ListSaved());
}

}  // namespace
}  // namespace restallow
