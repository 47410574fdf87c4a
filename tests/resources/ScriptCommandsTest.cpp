// Saving and loading scripts through the commands: overwrite question, reload after saving,
// safe failures and the load question for unsaved lists.
#include <sys/stat.h>

#include <QDir>
#include <QFile>

#include "fileaccess/FileError.h"
#include "resources/ScriptWriter.h"
#include "resources/TextLines.h"
#include "support/ListFixture.h"

namespace restallow {
namespace {

class ScriptCommandsTest : public test::ListFixture {
protected:
    void FillList() {
        AddFile(dir.write("t.txt", "Hello\r\nWorld\r\n"), QStringLiteral("2000"));
        AddFile("/a/logo.bmp");
        AddFile("/a/i.ico");
    }
};

TEST_F(ScriptCommandsTest, SavingThroughTheDialogWritesReloadsAndMarksSaved) {
    FillList();
    const QString target = dir.path("demo.rc");
    prompter.saveAnswers.push_back(test::ScriptedPrompter::Chosen(target));
    scripts.SaveScript();
    ASSERT_EQ(prompter.saveRequests.size(), 1u);
    EXPECT_EQ(prompter.saveRequests[0].defaultSuffix, QStringLiteral("rc"));
    EXPECT_EQ(prompter.saveRequests[0].filter, QStringLiteral("Resource Script (*.rc)|*.rc"));
    EXPECT_TRUE(list.ListSaved());
    EXPECT_EQ(host.inputHistory, (std::vector<QString>{QString(), target}));
    // Reloaded in file order: plain entries first, the string table last.
    ASSERT_EQ(list.model().count(), 3);
    EXPECT_EQ(list.model().entry(0).name, "Bitmap_1");
    EXPECT_EQ(list.model().entry(2).name, "Strings_1");
    EXPECT_EQ(list.counters().value(kStringTableKind), 1);
    EXPECT_EQ(settings.StartID, 2010);
    EXPECT_EQ(prompter.pointerMoves.back(), host.ReturnPoint(ReturnButton::Compile));
    EXPECT_EQ(test::TempDir::read(target.toStdString()),
              WriteScriptText(list.model().entries(), target.toStdString()).value_or("none"));
}

TEST_F(ScriptCommandsTest, ExistingInputScriptIsOverwrittenOnlyOnYes) {
    FillList();
    const std::string old = dir.write("in.rc", "old");
    host.input = QString::fromStdString(old);

    prompter.messageAnswers.push_back(MsgButton::Cancel);
    scripts.SaveScript();
    EXPECT_EQ(test::TempDir::read(old), "old");
    EXPECT_EQ(prompter.messages.back().defaultButton, MsgButton::No);
    EXPECT_EQ(prompter.messages.back().buttons, MsgButtons::YesNoCancel);
    const auto movesAfterCancel = prompter.pointerMoves.size();

    prompter.messageAnswers.push_back(MsgButton::No);
    prompter.saveAnswers.push_back(std::nullopt);
    scripts.SaveScript();
    EXPECT_EQ(prompter.saveRequests.size(), 1u);
    EXPECT_EQ(test::TempDir::read(old), "old");
    EXPECT_EQ(prompter.pointerMoves.size(), movesAfterCancel + 1);

    prompter.messageAnswers.push_back(MsgButton::Yes);
    scripts.SaveScript();
    EXPECT_EQ(prompter.saveRequests.size(), 1u);
    EXPECT_EQ(test::TempDir::read(old).substr(0, 3), "/*~");
    EXPECT_TRUE(list.ListSaved());
}

TEST_F(ScriptCommandsTest, InputScriptThatDoesNotExistIsWrittenWithoutAsking) {
    FillList();
    host.input = dir.path("new.rc");
    scripts.SaveScript();
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_TRUE(QFile::exists(dir.path("new.rc")));
}

TEST_F(ScriptCommandsTest, FailedSaveLeavesTheOldScriptListAndFieldAlone) {
    const std::string text = dir.write("t.txt", "x");
    AddFile(text, QStringLiteral("2000"));
    const std::string old = dir.write("keep.rc", "precious");
    QFile::remove(QString::fromStdString(text));
    host.input = QString::fromStdString(old);
    prompter.messageAnswers.push_back(MsgButton::Yes);
    EXPECT_THROW(scripts.SaveScript(), FileError);
    EXPECT_EQ(test::TempDir::read(old), "precious");
    EXPECT_FALSE(list.ListSaved());
    EXPECT_EQ(list.model().count(), 1);
    EXPECT_TRUE(host.inputHistory.empty());

    EXPECT_THROW(scripts.WriteScript(dir.path("no/such/folder/x.rc")), FileError);
}

TEST_F(ScriptCommandsTest, LoadingOverAnUnsavedListAsksFirst) {
    FillList();
    const QString script = dir.path("s.rc");
    scripts.WriteScript(script);
    AddFile("/a/extra.gif");
    ASSERT_FALSE(list.ListSaved());

    prompter.messageAnswers.push_back(MsgButton::No);
    scripts.LoadChosenScript(script);
    EXPECT_EQ(list.model().count(), 4);
    EXPECT_EQ(prompter.messages.back().text, QStringLiteral("The Resource List isn't saved. Load file anyway?"));

    prompter.messageAnswers.push_back(MsgButton::Yes);
    scripts.LoadChosenScript(script);
    EXPECT_EQ(list.model().count(), 3);
    EXPECT_TRUE(list.ListSaved());
}

TEST_F(ScriptCommandsTest, ForeignScriptEmptiesTheListWithoutLoading) {
    AddFile("/a/logo.bmp");
    list.setListSaved(true);
    const std::string foreign = dir.write("foreign.rc", "1 BITMAP \"x.bmp\"\r\n");
    scripts.ReadScript(QString::fromStdString(foreign));
    EXPECT_TRUE(list.isEmpty());
    EXPECT_EQ(list.counters(), KindCounters());
    EXPECT_THROW(scripts.ReadScript(dir.path("missing.rc")), FileError);
}

TEST_F(ScriptCommandsTest, ScriptThatIsAFolderOrFifoIsAnErrorAndTheListStays) {
    FillList();
    const QString folder = dir.path("folder.rc");
    QDir().mkpath(folder);
    const QString fifo = dir.path("fifo.rc");
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    for (const QString& path : {folder, fifo}) {
        try {
            scripts.ReadScript(path);
            ADD_FAILURE() << "read " << path.toStdString();
        } catch (const FileError& error) {
            EXPECT_NE(std::string(error.what()).find("not a file"), std::string::npos) << error.what();
        }
        EXPECT_EQ(list.model().count(), 3);
        EXPECT_FALSE(list.ListSaved());
    }
}

TEST_F(ScriptCommandsTest, SavingWhenATextFileBecameAFolderIsAnErrorAndTheOldScriptStays) {
    FillList();
    const std::string old = dir.write("in.rc", "old");
    const QString text = dir.path("t.txt");
    QFile::remove(text);
    QDir().mkpath(text);
    EXPECT_THROW(scripts.WriteScript(QString::fromStdString(old)), FileError);
    EXPECT_EQ(test::TempDir::read(old), "old");
    EXPECT_EQ(QDir(dir.path(QString())).entryList(QDir::Files), QStringList{QStringLiteral("in.rc")});
    EXPECT_EQ(list.model().count(), 3);
}

}  // namespace
}  // namespace restallow
