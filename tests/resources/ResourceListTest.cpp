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

// Rows above the first one deleted must come through whole: they once were moved onto themselves.
TEST_F(ResourceListTest, DeleteKeepsEveryOtherEntryWithAllItsFields) {
    AddFile("/a/logo.bmp");
    AddFile("/a/main.ico");
    AddFile("/a/hand.cur");
    settings.CI = 3;  // by File: hand.cur, logo.bmp, main.ico
    list.SortList();
    const std::vector<ResourceEntry> before = list.model().entries();
    for (int row : {1, 0}) {
        SelectRows({row});
        list.DeleteSelected();
    }
    ASSERT_EQ(list.model().count(), 1);
    EXPECT_EQ(list.model().entry(0), before[2]);
    AddFile("/a/one.bmp");
    AddFile("/a/two.bmp");
    const std::vector<ResourceEntry> three = list.model().entries();
    SelectRows({2});
    list.DeleteSelected();
    EXPECT_EQ(list.model().entries(), (std::vector<ResourceEntry>{three[0], three[1]}));
    EXPECT_EQ(list.model().entry(0).file, " \"/a/main.ico\"");
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
    EXPECT_EQ(prompter.pointerMoves.back(), host.ReturnPoint(ReturnButton::Add));
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

TEST_F(ResourceListTest, RenameCutsBlanksAndRefusesANameNoScriptCanHold) {
    AddFile("/a/one.bmp");
    list.setListSaved(true);
    list.Rename(0, QStringLiteral("\t a b c  "));
    EXPECT_EQ(list.model().entry(0).name, "abc");
    EXPECT_EQ(preview.caption, QStringLiteral("abc"));
    EXPECT_FALSE(list.ListSaved());
    EXPECT_EQ(ResourceList::CleanName(QStringLiteral("my logo")), "mylogo");
    for (const char* accepted : {"_x.y", "65535", "0", "Logo2"}) {
        list.model().setData(list.model().index(0, 0), QString::fromLatin1(accepted), Qt::EditRole);
        EXPECT_EQ(list.model().entry(0).name, accepted);
    }
    EXPECT_TRUE(prompter.messages.empty());
    for (const char* refused :
         {"   ", "65536", "2abc", "a-b", "say\"hi", "a/*b", "LANGUAGE", "stringtable", "caf\xc3\xa9"}) {
        prompter.messageAnswers.push_back(MsgButton::Ok);
        list.model().setData(list.model().index(0, 0), QString::fromUtf8(refused), Qt::EditRole);
        EXPECT_EQ(list.model().entry(0).name, "Logo2") << refused;
        ASSERT_FALSE(prompter.messages.empty());
        EXPECT_TRUE(prompter.messages.back().text.endsWith(QStringLiteral("\rLogo2"))) << refused;
        EXPECT_EQ(prompter.messages.back().icon, MsgIcon::Warning);
    }
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

namespace restallow {
namespace {

// Each run of neighbouring selected rows goes in one removal, and between removals the model
// shows exactly the rows that are left at that moment.
TEST(ResourceListModelRemoval, RemovesEachRunOnceAndStaysConsistentBetweenRuns) {
    ResourceListModel model;
    std::vector<ResourceEntry> entries;
    for (int i = 0; i < 10; ++i) entries.push_back({"e" + std::to_string(i), " BITMAP ", {}, " \"/a\""});
    model.appendAll(entries);
    std::vector<std::string> shown;
    for (int row = 0; row < model.count(); ++row) shown.push_back(model.entry(row).name);

    std::vector<std::pair<int, int>> removals;
    QObject::connect(&model, &QAbstractItemModel::rowsAboutToBeRemoved, [&](const QModelIndex&, int first, int last) {
        EXPECT_EQ(model.count(), static_cast<int>(shown.size()));
        for (int row = 0; row < model.count(); ++row)
            EXPECT_EQ(model.entry(row).name, shown[static_cast<std::size_t>(row)]);
        shown.erase(shown.begin() + first, shown.begin() + last + 1);
    });
    QObject::connect(&model, &QAbstractItemModel::rowsRemoved, [&](const QModelIndex&, int first, int last) {
        removals.emplace_back(first, last);
        ASSERT_EQ(model.count(), static_cast<int>(shown.size()));
        for (int row = 0; row < model.count(); ++row) {
            EXPECT_EQ(model.entry(row).name, shown[static_cast<std::size_t>(row)]);
            EXPECT_EQ(model.index(row, 0).data().toString().toStdString(), shown[static_cast<std::size_t>(row)]);
        }
    });
    model.removeRows({8, 0, 2, 1, 5, 7, 2, 42});
    EXPECT_EQ(removals, (std::vector<std::pair<int, int>>{{0, 2}, {2, 2}, {3, 4}}));
    ASSERT_EQ(model.count(), 4);
    EXPECT_EQ(model.entries().size(), 4u);
    for (int row = 0; row < 4; ++row)
        EXPECT_EQ(model.entry(row).name, (std::vector<std::string>{"e3", "e4", "e6", "e9"})[row]);
    EXPECT_EQ(model.rowOfSerial(model.serial(3)), 3);
}

TEST(ResourceListModelRemoval, ManyScatteredRowsGoInOneReset) {
    ResourceListModel model;
    std::vector<ResourceEntry> entries;
    for (int i = 0; i < 2000; ++i) entries.push_back({"e" + std::to_string(i), " BITMAP ", {}, " \"/a\""});
    model.appendAll(entries);
    int removals = 0, resets = 0;
    QObject::connect(&model, &QAbstractItemModel::rowsRemoved, [&] { ++removals; });
    QObject::connect(&model, &QAbstractItemModel::modelReset, [&] { ++resets; });
    std::vector<int> odd;
    for (int row = 1; row < 2000; row += 2) odd.push_back(row);
    model.removeRows(odd);
    EXPECT_EQ(removals, 0);
    EXPECT_EQ(resets, 1);
    ASSERT_EQ(model.count(), 1000);
    EXPECT_EQ(model.entry(999).name, "e1998");
}

}  // namespace
}  // namespace restallow
