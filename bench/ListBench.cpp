// Times a large Resource List: writing its script, reading it back, loading it into the window's
// list view, sorting by each column and deleting all or every second entry. Prints one line per step and the peak
// memory.
#include <QApplication>

#include <sys/resource.h>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <tuple>
#include "QuietPrompter.h"

#include "app/TfmTallow.h"
#include "resources/ScriptReader.h"
#include "resources/ScriptWriter.h"
#include "resources/TextLines.h"

namespace {

using namespace restallow;

using bench::QuietPrompter;

constexpr int kEntries = 50000;
constexpr int kTables = 20;
constexpr int kLinesPerTable = 1000;

std::vector<ResourceEntry> MakeEntries(const QTemporaryDir& dir) {
    std::vector<ResourceEntry> entries;
    KindCounters counters;
    for (int t = 0; t < kTables; ++t) {
        const std::string path = dir.filePath(QStringLiteral("strings%1.txt").arg(t)).toStdString();
        std::ofstream text(path, std::ios::binary);
        for (int line = 0; line < kLinesPerTable; ++line)
            text << "String number " << line << " of table " << t << "\r\n";
        entries.push_back({counters.NextName(kStringTableKind), std::string(kStringTableKeyword),
                           std::to_string(1000 + t * 1010), ResourceEntry::QuoteFile(path)});
    }
    for (int i = 0; entries.size() < kEntries; ++i) {
        const int kind = (i * 7) % kKindCount == kStringTableKind ? kRawDataKind : (i * 7) % kKindCount;
        const std::string path = "/home/user/project/art/file " + std::to_string((i * 7919) % 100000) +
                                 std::string(kKinds[kind].extension.empty() ? ".dat" : kKinds[kind].extension);
        entries.push_back(
            {counters.NextName(kind), std::string(kKinds[kind].keyword), {}, ResourceEntry::QuoteFile(path)});
    }
    return entries;
}

// The same entries with every field, in any order (the list sorts after a removal).
bool SameEntries(std::vector<ResourceEntry> shown, std::vector<ResourceEntry> wanted) {
    const auto byFields = [](const ResourceEntry& a, const ResourceEntry& b) {
        return std::tie(a.file, a.name, a.type, a.stringId) < std::tie(b.file, b.name, b.type, b.stringId);
    };
    std::sort(shown.begin(), shown.end(), byFields);
    std::sort(wanted.begin(), wanted.end(), byFields);
    return shown == wanted;
}

long PeakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

template <typename Step>
void Time(const char* name, Step step) {
    QElapsedTimer timer;
    timer.start();
    step();
    std::printf("%-28s %8.1f ms   peak %4ld MB\n", name, static_cast<double>(timer.nsecsElapsed()) / 1e6,
                PeakMegabytes());
}

// Writes the script of the entries and reads it back; the number of checks that failed.
int TimeScript(const std::vector<ResourceEntry>& entries, const std::string& scriptPath) {
    std::string script;
    Time("write script", [&] {
        script = WriteScriptText(entries, scriptPath).value_or("");
        std::ofstream(scriptPath, std::ios::binary) << script;
    });
    std::printf("%-28s %8.1f MB\n", "script size", static_cast<double>(script.size()) / 1e6);
    std::string().swap(script);  // the file holds it now
    bool same = false;
    Time("read script back", [&] {
        const LoadedScript loaded = ParseScript(ReadFileBytes(scriptPath).value_or(""));
        // The script holds the plain entries first and the string tables after them.
        std::size_t next = 0;
        same = loaded.entries.size() == entries.size();
        for (bool tables : {false, true}) {
            for (const ResourceEntry& entry : entries) {
                if (entry.isStringTable() == tables) same = same && loaded.entries[next++] == entry;
            }
        }
    });
    if (same) return 0;
    std::printf("  MISMATCH after reading back\n");
    return 1;
}

// Loads the script into the window's list view and sorts it by each column.
int TimeListView(TfmTallow& window, const std::string& scriptPath) {
    Time("load into the list view", [&] {
        window.SetInputFileText(QString::fromStdString(scriptPath));
        QCoreApplication::processEvents();
    });
    const char* names[] = {"sort by Name", "sort by Type", "sort by StringID", "sort by File"};
    for (int column = 0; column < 4; ++column) {
        Time(names[column], [&] {
            window.List().ColumnClick(column);
            QCoreApplication::processEvents();
        });
    }
    Time("sort by File, reversed", [&] {
        window.List().ColumnClick(3);
        QCoreApplication::processEvents();
    });
    if (window.List().model().count() == kEntries) return 0;
    std::printf("  MISMATCH: only %d entries loaded\n", window.List().model().count());
    return 1;
}

// As the view selects: all rows in one range (Ctrl+A), every second row in one range each.
void SelectRows(ResourceList& list, int step) {
    QItemSelection rows;
    const int last = list.model().count() - 1;
    if (step == 1) rows.select(list.model().index(0, 0), list.model().index(last, 3));
    for (int row = 1; step > 1 && row <= last; row += step)
        rows.select(list.model().index(row, 0), list.model().index(row, 3));
    list.selection().select(rows, QItemSelectionModel::ClearAndSelect);
}

// Deletes all rows, then every second row of the entries put back.
int TimeDeletes(ResourceList& list, std::vector<ResourceEntry> entries) {
    int failures = 0;
    SelectRows(list, 1);
    Time("delete all", [&] {
        list.DeleteSelected();
        QCoreApplication::processEvents();
    });
    if (list.model().count() != 0) {
        std::printf("  MISMATCH: %d entries left after deleting all\n", list.model().count());
        ++failures;
    }
    // The same entries again; every second row goes from the second on, so the first row stays
    // before the first one removed, and the survivors are the entries of even rows.
    std::vector<ResourceEntry> survivors;
    for (std::size_t row = 0; row < entries.size(); row += 2) survivors.push_back(entries[row]);
    list.ReplaceEntries(std::move(entries));
    QCoreApplication::processEvents();
    SelectRows(list, 2);
    Time("delete every second", [&] {
        list.DeleteSelected();
        QCoreApplication::processEvents();
    });
    if (!SameEntries(list.model().entries(), std::move(survivors))) {
        std::printf("  MISMATCH: the entries left are not the ones kept\n");
        ++failures;
    }
    return failures;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    QTemporaryDir dir;
    std::vector<ResourceEntry> entries = MakeEntries(dir);
    const std::string scriptPath = dir.filePath(QStringLiteral("big.rc")).toStdString();
    std::printf("%d entries, %d string tables of %d lines\n", kEntries, kTables, kLinesPerTable);

    int failures = TimeScript(entries, scriptPath);  // each check that fails; the bench then exits 1
    QuietPrompter prompter;
    TfmTallow window(prompter);
    window.show();
    QCoreApplication::processEvents();
    failures += TimeListView(window, scriptPath);
    failures += TimeDeletes(window.List(), std::move(entries));
    window.List().setListSaved(true);
    return failures == 0 ? 0 : 1;
}
