// The list as the user sees it: the File column, new and renamed entries in sight, F2 from any
// column, the preview after a load, and the smallest window.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "app/TfmTallow.h"
#include "support/ScriptedPrompter.h"
#include "support/Settings.h"
#include "support/TempDir.h"
#include "widgets/FileEdit.h"
#include "widgets/PathElision.h"
#include "widgets/ReportListView.h"
#include "widgets/RoundButton.h"

namespace restallow {
namespace {

class ListViewTest : public ::testing::Test {
protected:
    ListViewTest() : window((test::IsolateSettings(settingsDir), prompter.readmeAnswers.push_back(false), prompter)) {
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    ~ListViewTest() override { window.List().setListSaved(true); }

    void Add(const std::string& path) {
        if (window.List().isEmpty()) prompter.outputKindAnswers.push_back(kResOutput);
        prompter.openAnswers.push_back(test::ScriptedPrompter::Chosen(QString::fromStdString(path)));
        window.BtnAddClick(TagAdd);
    }
    int RowNamed(const std::string& name) {
        const ResourceListModel& model = window.List().model();
        for (int row = 0; row < model.count(); ++row) {
            if (model.entry(row).name == name) return row;
        }
        return -1;
    }
    // The row is in the list's sight (the view may leave its last pixel line below) and the only
    // one selected.
    bool InSight(int row) {
        ReportListView* view = window.Script();
        const QRect shown = view->visualRect(view->model()->index(row, 0));
        return view->viewport()->rect().contains(shown.adjusted(0, 0, 0, -1));
    }
    void ExpectShownAndSelected(int row) {
        ASSERT_GE(row, 0);
        EXPECT_TRUE(InSight(row)) << row;
        EXPECT_EQ(window.List().SelectedRows(), std::vector<int>{row});
    }

    test::TempDir settingsDir;
    test::ScriptedPrompter prompter;
    test::TempDir dir;
    TfmTallow window;
};

// A subclass that shows what the delegate would draw.
struct ElisionProbe : PathElisionDelegate {
    using PathElisionDelegate::initStyleOption;
};

TEST_F(ListViewTest, TheFileColumnKeepsTheFileNameAndTellsThePathInItsTooltip) {
    const std::string path = "/home/somebody/projects/a rather long folder name/art work/splash screen.bmp";
    Add(path);
    ReportListView* view = window.Script();
    const QModelIndex file = view->model()->index(0, 3);
    EXPECT_EQ(file.data(Qt::ToolTipRole).toString().toStdString(), path);
    EXPECT_TRUE(qobject_cast<PathElisionDelegate*>(view->itemDelegateForColumn(3)));
    ElisionProbe probe;
    QStyleOptionViewItem option;
    option.initFrom(view);
    option.rect = QRect(0, 0, 200, 20);
    probe.initStyleOption(&option, file);
    EXPECT_TRUE(option.text.endsWith(QStringLiteral("/splash screen.bmp\""))) << option.text.toStdString();
    EXPECT_TRUE(option.text.contains(QChar(0x2026)));
    EXPECT_TRUE(option.text.startsWith(QStringLiteral(" \"/home")));
    EXPECT_LE(option.fontMetrics.horizontalAdvance(option.text), 200);

    const QFontMetrics metrics(view->font());
    const QString text = QStringLiteral(" \"/a/b/logo.bmp\"");
    EXPECT_EQ(ElideFolder(text, metrics, 1000), text);
    const QString narrow = ElideFolder(text, metrics, metrics.horizontalAdvance(QStringLiteral("bmp\"")) + 12);
    EXPECT_TRUE(narrow.endsWith(QStringLiteral("bmp\""))) << narrow.toStdString();
}

TEST_F(ListViewTest, NewAndRenamedEntriesAreScrolledIntoSightAndSelected) {
    for (int i = 0; i < 40; ++i) Add("/art/file" + std::to_string(i) + ".bmp");
    ExpectShownAndSelected(RowNamed("Bitmap_40"));  // sorted by name, Bitmap_40 stands after Bitmap_4
    window.Script()->scrollToTop();
    window.List().model().setData(window.Script()->model()->index(0, 0), QStringLiteral("zzz"), Qt::EditRole);
    ExpectShownAndSelected(RowNamed("zzz"));
    EXPECT_EQ(RowNamed("zzz"), 39);
    window.Script()->scrollToTop();
    prompter.messageAnswers.push_back(MsgButton::Ok);
    Add("/art/file7.bmp");  // a duplicate: both are selected, the new one is in sight
    EXPECT_TRUE(InSight(RowNamed("Bitmap_41")));
    EXPECT_EQ(window.List().SelectedRows().size(), 2u);
}

TEST_F(ListViewTest, F2RenamesTheSelectedRowFromAnyColumn) {
    Add("/art/logo.bmp");
    Add("/art/main.ico");
    ReportListView* view = window.Script();
    view->setFocus();
    view->setCurrentIndex(view->model()->index(1, 3));  // the File cell of Icon_1
    QTest::keyClick(view, Qt::Key_F2);
    ASSERT_TRUE(view->isEditing());
    EXPECT_EQ(view->currentIndex(), view->model()->index(1, 0));
    auto* editor = qobject_cast<QLineEdit*>(view->indexWidget(view->model()->index(1, 0)));
    ASSERT_NE(editor, nullptr);
    editor->setText(QStringLiteral("AppIcon"));
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();  // the delegate commits a Return on the next turn
    EXPECT_EQ(window.List().model().entry(0).name, "AppIcon");
}

TEST_F(ListViewTest, LoadingAScriptClosesThePreviewOfTheOldList) {
    const std::string bitmap = std::string(RESTALLOW_TEST_DATA) + "/../tools/rc/data/rle4.bmp";
    window.Layout().preview->setChecked(true);
    Add(bitmap);
    ASSERT_TRUE(window.Preview().isVisible());
    const QString other = dir.path(QStringLiteral("other.rc"));
    prompter.saveAnswers.push_back(test::ScriptedPrompter::Chosen(other));
    window.BtnAddClick(TagScript);
    EXPECT_TRUE(window.Preview().isVisible());    // the reload of the same list keeps it
    window.List().model().setName(0, "Changed");  // the file now holds other entries
    window.List().setListSaved(true);
    window.SetInputFileText(QString());
    window.SetInputFileText(other);
    EXPECT_EQ(window.List().model().entry(0).name, "Bitmap_1");
    EXPECT_FALSE(window.Preview().isVisible());
}

TEST_F(ListViewTest, TheSmallestWindowShowsEveryControlWhole) {
    window.resize(100, 100);
    QCoreApplication::processEvents();
    ASSERT_EQ(window.size(), window.minimumSize());
    ASSERT_FALSE(window.minimumSize().isEmpty());
    const QRect inside = window.rect();
    const MainLayout& ui = window.Layout();
    std::vector<QWidget*> controls = {ui.filename1, ui.filename2, ui.memo1,  ui.memo2,
                                      ui.version,   ui.preview,   ui.readme, ui.script};
    for (int tag = TagExpand; tag <= TagClose; ++tag) controls.push_back(ui.Tool(tag));
    for (QWidget* control : controls) {
        const QRect placed(control->mapTo(&window, QPoint(0, 0)), control->size());
        EXPECT_TRUE(inside.contains(placed)) << control->objectName().toStdString();
        EXPECT_TRUE(control->parentWidget()->rect().contains(control->geometry()))
            << control->objectName().toStdString();
    }
    EXPECT_GE(ui.Tool(TagClose)->y(), ui.Tool(TagScript)->y() + ui.Tool(TagScript)->height());
    EXPECT_GE(ui.script->columnWidth(3), 100);
    EXPECT_GE(ui.filename1->width(), 150);
}

}  // namespace
}  // namespace restallow
