// Thousands of random list edits in the window (Add, Insert, Delete by key and button, Clear,
// rename, column clicks, Ctrl+Z and Ctrl+Y), each checked against a plain vector that does the
// same by the rules of the list: after every step every field of every row must be what the
// reference holds.
#include <gtest/gtest.h>

#include <QHeaderView>
#include <QTest>
#include <map>
#include <random>

#include "app/TfmTallow.h"
#include "resources/ListHistory.h"
#include "support/ScriptedPrompter.h"
#include "support/Settings.h"
#include "support/TempDir.h"
#include "widgets/ReportListView.h"

namespace restallow {
namespace {

// A file the test may add: its path and what the list must make of it.
struct PoolFile {
    std::string path;
    std::string prefix;   // the name prefix, which is also the counter
    std::string keyword;  // the Type column
    bool text = false;    // asks for a Start-ID
};

// What an undo brings back: the rows in their order and the counters.
struct Snapshot {
    std::vector<ResourceEntry> rows;
    std::map<std::string, int> counters;  // by prefix: .jpg and .jpeg share one
};

// The list as the rules say it must be, with the steps that Undo and Redo walk.
struct Reference : Snapshot {
    int column = 0;
    bool descending = false;
    bool saved = true;
    std::vector<std::pair<Snapshot, Snapshot>> steps;  // before and after each kept step
    std::size_t done = 0;                              // steps[0, done) are done

    void Record(const Snapshot& before) {
        steps.resize(done);
        steps.emplace_back(before, *this);
        if (steps.size() > static_cast<std::size_t>(ListHistory::kUndoLimit)) steps.erase(steps.begin());
        done = steps.size();
    }
    void Walk(bool back) {
        if (back ? done == 0 : done == steps.size()) return;
        const Snapshot& to = back ? steps[--done].first : steps[done++].second;
        static_cast<Snapshot&>(*this) = to;
        saved = rows.empty();  // no script was saved, so only an empty list counts as saved
    }
};

class ListPropertyTest : public ::testing::Test {
protected:
    ListPropertyTest()
        : window((test::IsolateSettings(settingsDir), prompter.readmeAnswers.push_back(false), prompter)) {
        window.show();
        const std::pair<const char*, const char*> kinds[] = {{"bmp", "Bitmap_"}, {"ico", "Icon_"},  {"cur", "Cursor_"},
                                                             {"jpg", "JPEG_"},   {"jpeg", "JPEG_"}, {"dat", "RCDATA_"}};
        const char* keywords[] = {" BITMAP ", " ICON ", " CURSOR ", " JPEG ", " JPEG ", " RCDATA "};
        for (int i = 0; i < 24; ++i) {
            const int kind = i % 6;
            pool.push_back(
                {"/art/" + std::string(i % 4 ? "b" : "B") + "file " + std::to_string(i) + "." + kinds[kind].first,
                 kinds[kind].second, keywords[kind]});
        }
        for (int i = 0; i < 3; ++i) {
            pool.push_back({dir.write(QStringLiteral("text%1.txt").arg(i), std::string(i + 1, 'x') + "\r\n"),
                            "Strings_", " STRINGTABLE ", true});
        }
    }
    ~ListPropertyTest() override { window.List().setListSaved(true); }

    const ResourceListModel& model() { return window.List().model(); }

    void SortReference() {
        const QCollator& collator = window.List().collator();
        const auto text = [this](const ResourceEntry& e) -> const std::string& {
            return ref.column == 0 ? e.name : ref.column == 1 ? e.type : ref.column == 2 ? e.stringId : e.file;
        };
        std::stable_sort(ref.rows.begin(), ref.rows.end(), [&](const ResourceEntry& a, const ResourceEntry& b) {
            const int result = collator.compare(QString::fromStdString(text(a)), QString::fromStdString(text(b)));
            return ref.descending ? result > 0 : result < 0;
        });
    }

    // Add (button) or Insert (key in the list): both run the Add command.
    void AddStep(bool byKey) {
        const PoolFile& file = pool[Pick(pool.size())];
        if (ref.rows.empty()) prompter.outputKindAnswers.push_back(kResOutput);
        prompter.openAnswers.push_back(test::ScriptedPrompter::Chosen(QString::fromStdString(file.path)));
        std::string stringId;
        if (file.text) {
            stringId = std::to_string(100 * static_cast<int>(Pick(300)));
            prompter.startIdAnswers.push_back(QString::fromStdString(stringId));
        }
        const std::string quoted = " \"" + file.path + "\"";
        const bool duplicate =
            std::any_of(ref.rows.begin(), ref.rows.end(), [&](const ResourceEntry& e) { return e.file == quoted; });
        if (duplicate) prompter.messageAnswers.push_back(MsgButton::Ok);
        if (byKey)
            QTest::keyRelease(window.Script(), Qt::Key_Insert);
        else
            window.BtnAddClick(TagAdd);
        const Snapshot before = ref;
        ref.rows.push_back({file.prefix + std::to_string(++ref.counters[file.prefix]), file.keyword, stringId, quoted});
        ref.saved = false;
        SortReference();
        ref.Record(before);
    }

    // Selects a random set of rows (sometimes none) and deletes them by key or button.
    void DeleteStep() {
        QItemSelection chosen;
        std::vector<bool> gone(ref.rows.size(), false);
        const std::size_t share = Pick(4);  // 0: none, else about one row in `share`+1
        for (std::size_t row = 0; share > 0 && row < ref.rows.size(); ++row) {
            if (Pick(share + 1) != 0) continue;
            gone[row] = true;
            const int r = static_cast<int>(row);
            chosen.select(model().index(r, 0), model().index(r, 3));
        }
        window.List().selection().select(chosen, QItemSelectionModel::ClearAndSelect);
        if (Pick(2))
            QTest::keyRelease(window.Script(), Qt::Key_Delete);
        else
            window.BtnAddClick(TagDelete);
        const Snapshot before = ref;
        std::vector<ResourceEntry> kept;
        for (std::size_t row = 0; row < ref.rows.size(); ++row) {
            if (!gone[row]) kept.push_back(ref.rows[row]);
        }
        const bool removed = kept.size() != ref.rows.size();
        ref.rows = std::move(kept);
        ref.saved = ref.rows.empty();
        if (ref.rows.empty()) ref.counters.clear();
        SortReference();
        if (removed) ref.Record(before);
    }

    void ClearStep() {
        const Snapshot before = ref;
        window.BtnAddClick(TagClear);
        ref.rows.clear();
        ref.counters.clear();
        ref.saved = true;
        if (!before.rows.empty()) ref.Record(before);
    }

    // Ctrl+Z or Ctrl+Y as the user presses them in the list.
    void HistoryStep(bool back) {
        if (back)
            QTest::keyClick(window.Script(), Qt::Key_Z, Qt::ControlModifier);
        else
            QTest::keyClick(window.Script(), Qt::Key_Y, Qt::ControlModifier);
        ref.Walk(back);
    }

    // A typed name with blanks and tabs around and inside it, as an in-place edit ends.
    void RenameStep() {
        if (ref.rows.empty()) return;
        const int row = static_cast<int>(Pick(ref.rows.size()));
        static const std::string letters = "abcXYZ_019";
        std::string typed = Pick(2) ? " " : "";
        typed += letters[Pick(6)];  // a letter or "_" first
        for (std::size_t n = Pick(8); n > 0; --n) typed += Pick(5) == 0 ? ' ' : letters[Pick(letters.size())];
        if (Pick(2)) typed += "\t ";
        window.List().model().setData(model().index(row, 0), QString::fromStdString(typed), Qt::EditRole);
        std::string expected;
        for (char c : typed) {
            if (c != ' ' && c != '\t') expected += c;
        }
        const Snapshot before = ref;
        const bool changed = ref.rows[static_cast<std::size_t>(row)].name != expected;
        ref.rows[static_cast<std::size_t>(row)].name = expected;
        ref.saved = false;
        SortReference();
        if (changed) ref.Record(before);
    }

    void SortStep() {
        const int column = static_cast<int>(Pick(4));
        emit window.Script()->header()->sectionClicked(column);
        if (column == ref.column)
            ref.descending = !ref.descending;
        else
            ref.column = column;
        SortReference();
    }

    void ExpectSame(int step) {
        ASSERT_EQ(model().count(), static_cast<int>(ref.rows.size())) << "step " << step;
        for (int row = 0; row < model().count(); ++row) {
            const ResourceEntry& shown = model().entry(row);
            const ResourceEntry& wanted = ref.rows[static_cast<std::size_t>(row)];
            ASSERT_EQ(shown, wanted) << "step " << step << " row " << row << ": " << shown.name << "|" << shown.type
                                     << "|" << shown.stringId << "|" << shown.file << " instead of " << wanted.name
                                     << "|" << wanted.type << "|" << wanted.stringId << "|" << wanted.file;
            ASSERT_EQ(model().index(row, 3).data().toString().toStdString(), wanted.file) << "step " << step;
        }
        ASSERT_EQ(window.List().ListSaved(), ref.saved) << "step " << step;
    }

    std::size_t Pick(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random); }

    test::TempDir settingsDir;
    test::ScriptedPrompter prompter;
    test::TempDir dir;
    TfmTallow window;
    std::vector<PoolFile> pool;
    Reference ref;
    std::mt19937 random{20240522};
};

TEST_F(ListPropertyTest, TenThousandRandomEditsKeepExactlyTheEntriesTheyShould) {
    window.activateWindow();  // the keys of Undo and Redo are the window's shortcuts
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    for (int step = 0; step < 10000; ++step) {
        // Adding outweighs deleting a little while the list is short, so it grows and shrinks.
        const std::size_t what = Pick(ref.rows.size() < 30 ? 14 : 12);
        if (what < 3)
            DeleteStep();
        else if (what < 5)
            RenameStep();
        else if (what < 6)
            SortStep();
        else if (what < 7)
            HistoryStep(true);
        else if (what < 8)
            HistoryStep(Pick(3) == 0);
        else if (what < 9 && Pick(6) == 0)
            ClearStep();
        else
            AddStep(what % 2 == 0);
        ExpectSame(step);
        if (HasFatalFailure()) return;
        prompter.messages.clear();
        prompter.pointerMoves.clear();
    }
}

}  // namespace
}  // namespace restallow
