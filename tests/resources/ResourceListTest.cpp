// The list commands: delete, clear, rename, sorting, counters, buttons and the preview hand-over.
#include "support/ListFixture.h"

namespace restallow {
namespace {

using NameList = std::vector<std::string>;

class ResourceListTest : public test::ListFixture {};

TEST_F(ResourceListTest, DeletedNumbersAreNotReusedUntilTheListIsEmpty) {
    AddFile("/a/one.bmp");
    AddFile("/a/two.bmp");
    SelectRows({0});
    list.DeleteSelected();
    AddFile("/a/three.bmp");
    EXPECT_EQ(Names(), (NameList{"Bitmap_2", "Bitmap_3"}));
    SelectRows({0, 1});
    list.DeleteSelected();
    EXPECT_TRUE(list.isEmpty());
    AddFile("/a/four.bmp");
    EXPECT_EQ(Names(), (NameList{"Bitmap_1"}));
}

TEST_F(ResourceListTest, DeleteSetsTheSavedStateByWhatIsLeft) {
    AddFile("/a/one.bmp");
    list.setListSaved(true);
    list.selection().clearSelection();
    const int hidesBefore = preview.hides;
    list.DeleteSelected();  // nothing selected: nothing removed, but the list counts as changed
    EXPECT_EQ(list.model().count(), 1);
    EXPECT_FALSE(list.ListSaved());
    EXPECT_EQ(preview.hides, hidesBefore + 1);

    list.ClearList();
    EXPECT_TRUE(list.ListSaved());
    list.setListSaved(false);
    list.DeleteSelected();  // empty list: counters reset, saved again
    EXPECT_TRUE(list.ListSaved());
    EXPECT_EQ(list.counters(), KindCounters());
    EXPECT_EQ(prompter.pointerMoves.back(), host.returnPoint(ReturnButton::Add));
    EXPECT_FALSE(host.clearEnabled);
}

TEST_F(ResourceListTest, ButtonsFollowEntriesAndSelection) {
    list.UpdateListButtons();
    EXPECT_FALSE(host.clearEnabled || host.deleteEnabled || host.scriptEnabled);
    AddFile("/a/one.bmp");
    EXPECT_TRUE(host.clearEnabled);
    EXPECT_TRUE(host.scriptEnabled);
    EXPECT_TRUE(host.deleteEnabled);  // the new entry is selected
    list.selection().clearSelection();
    EXPECT_FALSE(host.deleteEnabled);
}

TEST_F(ResourceListTest, RenameCutsBlanksAndAcceptsAnyResult) {
    AddFile("/a/one.bmp");
    list.setListSaved(true);
    list.Rename(0, QStringLiteral("\t a b c  "));
    EXPECT_EQ(list.model().entry(0).name, "abc");
    EXPECT_EQ(preview.caption, QStringLiteral("abc"));
    EXPECT_FALSE(list.ListSaved());
    list.model().setData(list.model().index(0, 0), QStringLiteral("   "), Qt::EditRole);
    EXPECT_EQ(list.model().entry(0).name, "");
    EXPECT_EQ(ResourceList::CleanName(QStringLiteral("my logo")), "mylogo");
}

TEST_F(ResourceListTest, ColumnClicksToggleDirectionOnTheSameColumnOnly) {
    for (const char* path : {"/a/b.bmp", "/a/c.bmp", "/a/d.ico", "/a/e.bmp"}) AddFile(path);
    for (int i = 0; i < 10; ++i) AddFile("/a/more" + std::to_string(i) + ".bmp");
    ASSERT_EQ(settings.CI, 0);
    ASSERT_EQ(settings.UpDown, 1);
    list.ColumnClick(0);
    EXPECT_EQ(settings.UpDown, -1);
    EXPECT_EQ(list.model().entry(0).name, "Icon_1");
    list.ColumnClick(0);
    EXPECT_EQ(settings.UpDown, 1);
    // Text order: Bitmap_10 sorts before Bitmap_2.
    EXPECT_EQ(Names()[0], "Bitmap_1");
    EXPECT_EQ(Names()[1], "Bitmap_10");
    list.ColumnClick(1);
    EXPECT_EQ(settings.CI, 1);
    EXPECT_EQ(settings.UpDown, 1);
    EXPECT_EQ(list.model().entry(0).type, " BITMAP ");
    EXPECT_EQ(list.model().entries().back().type, " ICON ");
}

TEST_F(ResourceListTest, SortIsLocaleAwareAndKeepsTheSelectionOnItsEntries) {
    for (const char* path : {"/x/Banana.bmp", "/x/apple.bmp", "/x/cherry.bmp"}) AddFile(path);
    settings.CI = 3;
    list.SortList();  // byte order would put "Banana" first
    EXPECT_EQ(list.model().entry(0).path(), "/x/apple.bmp");
    EXPECT_EQ(list.model().entry(1).path(), "/x/Banana.bmp");
    SelectRows({2});
    settings.UpDown = -1;
    list.SortList();
    EXPECT_EQ(list.model().entry(0).path(), "/x/cherry.bmp");
    EXPECT_EQ(list.SelectedRows(), std::vector<int>{0});
}

TEST_F(ResourceListTest, SelectionStepAndMouseHandEntriesToThePreviewOnce) {
    AddFile("/a/one.bmp");
    AddFile("/a/two.bmp");
    preview.shown.clear();
    SelectRows({0});
    list.SelectionStep();
    list.SelectionStep();
    EXPECT_EQ(preview.shown, std::vector<std::string>{"Bitmap_1"});
    list.MouseUp(0);
    EXPECT_EQ(preview.shown.size(), 1u);
    preview.wanted = true;  // the box is ticked while the window is hidden: show it again
    list.MouseUp(0);
    EXPECT_EQ(preview.shown.size(), 2u);
    preview.wanted = false;
    list.MouseUp(-1);
    EXPECT_EQ(preview.shown.back(), "");
    EXPECT_FALSE(list.LastPreviewed());
}

TEST_F(ResourceListTest, ClickIntoEmptySpaceBeepsAndReselectsTheFocusedEntry) {
    AddFile("/a/one.bmp");
    list.selection().clearSelection();
    list.Click();
    EXPECT_EQ(prompter.beeps, std::vector<BeepKind>{BeepKind::Default});
    EXPECT_EQ(list.SelectedRows(), std::vector<int>{0});
    EXPECT_TRUE(host.deleteEnabled);
}

}  // namespace
}  // namespace restallow
