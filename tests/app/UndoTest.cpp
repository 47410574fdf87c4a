// Undo and Redo in the window: Ctrl+Z and Ctrl+Y over Add, Delete, Clear, rename and loading a
// script, and the close question after an undo.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "app/TfmTallow.h"
#include "support/ScriptedPrompter.h"
#include "support/Settings.h"
#include "support/TempDir.h"
#include "widgets/FileEdit.h"
#include "widgets/ReportListView.h"
#include "widgets/RoundButton.h"

namespace restallow {
namespace {

class UndoTest : public ::testing::Test {
protected:
    UndoTest() : window((test::IsolateSettings(settingsDir), prompter.readmeAnswers.push_back(false), prompter)) {
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        window.Script()->setFocus();
    }
    ~UndoTest() override { window.List().setListSaved(true); }

    void Add(const std::string& path) {
        if (list().isEmpty()) prompter.outputKindAnswers.push_back(kResOutput);
        prompter.openAnswers.push_back(test::ScriptedPrompter::Chosen(QString::fromStdString(path)));
        window.BtnAddClick(TagAdd);
    }
    void Undo() { QTest::keyClick(window.Script(), Qt::Key_Z, Qt::ControlModifier); }
    void Redo() { QTest::keyClick(window.Script(), Qt::Key_Y, Qt::ControlModifier); }
    ResourceList& list() { return window.List(); }
    std::vector<ResourceEntry> Entries() { return list().model().entries(); }
    void Select(int row) {
        list().selection().select(list().model().index(row, 0),
                                  QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    // Closes the window when the close question (if asked) is answered No: true when it asked.
    bool CloseAsks() {
        const std::size_t before = prompter.messages.size();
        prompter.messageAnswers.push_back(MsgButton::No);
        window.close();
        const bool asked = prompter.messages.size() > before;
        if (!asked) prompter.messageAnswers.clear();
        EXPECT_TRUE(window.isVisible() || !asked);
        if (!window.isVisible()) {
            window.show();
            window.activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        }
        return asked;
    }

    test::TempDir settingsDir;
    test::ScriptedPrompter prompter;
    test::TempDir dir;
    TfmTallow window;
};

TEST_F(UndoTest, CtrlZBringsBackTheMiddleEntryOfThreeAndCtrlYDeletesItAgain) {
    Add("/art/logo.bmp");
    Add("/art/main.ico");
    Add("/art/hand.cur");
    const std::vector<ResourceEntry> three = Entries();
    ASSERT_EQ(three[1].name, "Cursor_1");  // sorted by Name: Bitmap_1, Cursor_1, Icon_1
    Select(1);
    QTest::keyRelease(window.Script(), Qt::Key_Delete);
    EXPECT_EQ(Entries(), (std::vector<ResourceEntry>{three[0], three[2]}));
    Undo();
    EXPECT_EQ(Entries(), three);
    EXPECT_EQ(list().SelectedRows(), std::vector<int>{1});  // the entry that came back
    EXPECT_FALSE(list().ListSaved());
    Redo();
    EXPECT_EQ(Entries(), (std::vector<ResourceEntry>{three[0], three[2]}));
    Undo();
    Undo();  // the last Add
    EXPECT_EQ(Entries(), (std::vector<ResourceEntry>{three[0], three[2]}));
    Add("/art/other.cur");  // the counter stands where it stood before the undone Add
    EXPECT_EQ(Entries()[1].name, "Cursor_1");
}

TEST_F(UndoTest, ClearAndRenameAreUndoneOneAtATime) {
    Add("/art/logo.bmp");
    Add("/art/main.ico");
    list().model().setData(list().model().index(0, 0), QStringLiteral("Logo"), Qt::EditRole);
    const std::vector<ResourceEntry> renamed = Entries();
    window.BtnAddClick(TagClear);
    EXPECT_TRUE(list().isEmpty());
    EXPECT_TRUE(list().ListSaved());
    Undo();
    EXPECT_EQ(Entries(), renamed);
    EXPECT_FALSE(list().ListSaved());
    EXPECT_TRUE(window.ListButton(TagClear)->isEnabled());
    Undo();
    EXPECT_EQ(Entries()[0].name, "Bitmap_1");
    Redo();
    EXPECT_EQ(Entries(), renamed);
}

TEST_F(UndoTest, LoadingAScriptIsOneStepAndUndoBringsTheOldListBack) {
    Add("/art/logo.bmp");
    prompter.saveAnswers.push_back(test::ScriptedPrompter::Chosen(dir.path(QStringLiteral("one.rc"))));
    window.BtnAddClick(TagScript);
    Add("/art/a.ico");
    Add("/art/b.cur");
    const std::vector<ResourceEntry> unsaved = Entries();
    prompter.messageAnswers.push_back(MsgButton::Yes);  // load over the unsaved list
    window.SetInputFileText(QString());
    window.SetInputFileText(dir.path(QStringLiteral("one.rc")));
    ASSERT_EQ(Entries().size(), 1u);
    EXPECT_TRUE(list().ListSaved());
    Undo();
    EXPECT_EQ(Entries(), unsaved);
    EXPECT_FALSE(list().ListSaved());
    Redo();
    EXPECT_EQ(Entries().size(), 1u);
    EXPECT_TRUE(list().ListSaved());  // again what one.rc holds
}

TEST_F(UndoTest, TheCloseQuestionCountsAnUndoneListAsUnsaved) {
    Add("/art/logo.bmp");
    Add("/art/main.ico");
    prompter.saveAnswers.push_back(test::ScriptedPrompter::Chosen(dir.path(QStringLiteral("two.rc"))));
    window.BtnAddClick(TagScript);
    EXPECT_FALSE(CloseAsks());
    Undo();  // the list lacks the icon the script has
    EXPECT_EQ(Entries().size(), 1u);
    EXPECT_TRUE(CloseAsks());
    Redo();  // as saved again
    EXPECT_FALSE(CloseAsks());
    Select(0);
    window.BtnAddClick(TagDelete);
    EXPECT_TRUE(CloseAsks());
    Undo();
    EXPECT_FALSE(CloseAsks());
}

TEST_F(UndoTest, KeysInAFileFieldBelongToTheField) {
    Add("/art/logo.bmp");
    QLineEdit* field = window.Filename1();
    field->setFocus();
    QTest::keyClicks(field, QStringLiteral("abc"));
    QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(field->text().isEmpty());  // the field undid its own typing
    QTest::keyClick(field, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(list().model().count(), 1);
    window.Script()->setFocus();
    Undo();
    EXPECT_EQ(list().model().count(), 0);
}

}  // namespace
}  // namespace restallow
