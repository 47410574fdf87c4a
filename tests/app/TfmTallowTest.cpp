// The main window driven through its buttons, keys and close box, with the prompter double.
#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

#include "app/TfmTallow.h"
#include "resources/TextLines.h"
#include "support/ScriptedPrompter.h"
#include "support/Settings.h"
#include "support/TempDir.h"
#include "widgets/ReportListView.h"
#include "widgets/RoundButton.h"

namespace restallow {
namespace {

// A window on settings of its own, with the readme of the first start already answered.
class TfmTallowTest : public ::testing::Test {
protected:
    TfmTallowTest()
        : settingsDir(),
          window((test::IsolateSettings(settingsDir), prompter.readmeAnswers.push_back(false), prompter)) {
        window.show();
    }

    void Add(const std::string& path) {
        if (window.List().isEmpty()) prompter.outputKindAnswers.push_back(kResOutput);
        prompter.openAnswers.push_back(test::ScriptedPrompter::Chosen(QString::fromStdString(path)));
        QTest::mouseClick(window.ListButton(TagAdd), Qt::LeftButton);
    }

    test::TempDir settingsDir;
    test::ScriptedPrompter prompter;
    test::TempDir dir;
    TfmTallow window;
};

TEST_F(TfmTallowTest, ButtonsStartDisabledAndFollowTheList) {
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Orvel  Resource Tallowin+ v1.0"));
    EXPECT_TRUE(window.ListButton(TagAdd)->isEnabled());
    EXPECT_FALSE(window.ListButton(TagClear)->isEnabled());
    EXPECT_FALSE(window.ListButton(TagScript)->isEnabled());
    EXPECT_EQ(window.ListButton(TagAdd)->toolTip(), QStringLiteral("Add a new resource"));
    Add("/a/logo.bmp");
    EXPECT_EQ(window.Script()->model()->index(0, 0).data().toString(), QStringLiteral("Bitmap_1"));
    EXPECT_TRUE(window.ListButton(TagClear)->isEnabled());
    EXPECT_TRUE(window.ListButton(TagDelete)->isEnabled());
    EXPECT_EQ(prompter.pointerMoves.back(), window.ListButton(TagAdd)->mapToGlobal(QPoint(16, 16)));
    QTest::mouseClick(window.ListButton(TagClear), Qt::LeftButton);
    EXPECT_EQ(window.Script()->model()->rowCount(), 0);
    EXPECT_FALSE(window.ListButton(TagScript)->isEnabled());
}

TEST_F(TfmTallowTest, ScriptButtonSavesAndTheInputFieldLoadsItBack) {
    Add("/a/logo.bmp");
    Add("/a/pic.jpeg");
    const QString target = dir.path("demo.rc");
    prompter.saveAnswers.push_back(test::ScriptedPrompter::Chosen(target));
    QTest::mouseClick(window.ListButton(TagScript), Qt::LeftButton);
    EXPECT_EQ(window.Filename1()->text(), target);
    EXPECT_TRUE(window.List().ListSaved());
    EXPECT_EQ(window.Script()->model()->rowCount(), 2);
    EXPECT_EQ(window.List().counters().value(kJpgKind), 1);
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(TfmTallowTest, ErrorsOfACommandAreShownInAnErrorBox) {
    const std::string text = dir.write("t.txt", "x\r\n");
    prompter.outputKindAnswers.push_back(kResOutput);
    prompter.openAnswers.push_back(test::ScriptedPrompter::Chosen(QString::fromStdString(text)));
    prompter.startIdAnswers.push_back(QStringLiteral("1-"));
    prompter.messageAnswers.push_back(MsgButton::Ok);
    QTest::mouseClick(window.ListButton(TagAdd), Qt::LeftButton);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].icon, MsgIcon::Error);
    EXPECT_EQ(prompter.messages[0].text, QStringLiteral("'1-' is not a valid integer value"));
    EXPECT_EQ(window.Script()->model()->rowCount(), 0);
}

TEST_F(TfmTallowTest, KeysInTheListAddAndDeleteButNotWhileANameIsEdited) {
    Add("/a/one.bmp");
    window.Script()->setFocus();
    prompter.openAnswers.push_back(test::ScriptedPrompter::Chosen(QStringLiteral("/a/two.bmp")));
    QTest::keyClick(window.Script(), Qt::Key_Insert);
    EXPECT_EQ(window.Script()->model()->rowCount(), 2);

    window.Script()->edit(window.Script()->model()->index(0, 0));
    auto* editor = window.Script()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_Delete);
    EXPECT_EQ(window.Script()->model()->rowCount(), 2);
    editor->clear();
    QTest::keyClicks(editor, QStringLiteral(" x y "));
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();  // the delegate commits the edit from the event loop
    EXPECT_EQ(window.List().model().entries().size(), 2u);
    bool renamed = false;
    for (const ResourceEntry& entry : window.List().model().entries()) renamed |= entry.name == "xy";
    EXPECT_TRUE(renamed);

    window.Script()->setFocus();
    window.Script()->selectionModel()->select(window.Script()->model()->index(0, 0),
                                              QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    QTest::keyClick(window.Script(), Qt::Key_Delete);
    EXPECT_EQ(window.Script()->model()->rowCount(), 1);
}

TEST_F(TfmTallowTest, HeaderClicksSortTheList) {
    Add("/a/one.bmp");
    Add("/a/two.ico");
    QHeaderView* header = window.Script()->header();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(header->sectionViewportPosition(0) + 5, 5));
    EXPECT_EQ(window.Script()->model()->index(0, 0).data().toString(), QStringLiteral("Icon_1"));
}

TEST_F(TfmTallowTest, CloseAsksOnlyForAnUnsavedListAndNoKeepsIt) {
    QCloseEvent saved;
    QApplication::sendEvent(&window, &saved);
    EXPECT_TRUE(saved.isAccepted());
    EXPECT_TRUE(prompter.messages.empty());

    Add("/a/one.bmp");
    prompter.messageAnswers.push_back(MsgButton::No);
    QCloseEvent unsaved;
    QApplication::sendEvent(&window, &unsaved);
    EXPECT_FALSE(unsaved.isAccepted());
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, QStringLiteral("Do you want to close Resource Tallowin+\r"
                                                        "without to save your current Resource List?"));
    EXPECT_EQ(prompter.messages[0].defaultButton, MsgButton::No);

    window.Settings().Queries = 1;
    QCloseEvent quiet;
    QApplication::sendEvent(&window, &quiet);
    EXPECT_TRUE(quiet.isAccepted());
    EXPECT_EQ(prompter.messages.size(), 1u);
}

}  // namespace
}  // namespace restallow
