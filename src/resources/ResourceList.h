// The Resource List: entries, selection, counters and saved state, with the list commands
// (delete, clear, rename, sort) and the hand-over of entries to the preview.
#pragma once

#include <QCollator>
#include <QItemSelectionModel>
#include <QObject>
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/Prompter.h"
#include "resources/KindTable.h"
#include "resources/ListHistory.h"
#include "resources/ListHost.h"
#include "resources/ListSettings.h"
#include "resources/ResourceListModel.h"

namespace restallow {

class ResourceList : public QObject {
    Q_OBJECT

public:
    ResourceList(ListSettings& settings, Prompter& prompter, ListHost& host, QObject* parent = nullptr);

    ResourceListModel& model() { return model_; }
    const ResourceListModel& model() const { return model_; }
    QItemSelectionModel& selection() { return selection_; }
    KindCounters& counters() { return counters_; }
    ListSettings& settings() { return settings_; }
    Prompter& prompter() { return prompter_; }
    ListHost& host() { return host_; }
    const QCollator& collator() const { return collator_; }
    void setPreview(PreviewPort* preview) { preview_ = preview; }

    bool ListSaved() const { return listSaved_; }
    void setListSaved(bool saved) { listSaved_ = saved; }
    // The list holds what a script holds now, written or loaded: saved, and so for Undo too.
    void MarkSaved();
    ListHistory& history() { return history_; }
    std::optional<std::uint64_t> LastPreviewed() const { return lastPreviewed_; }
    bool isEmpty() const { return model_.count() == 0; }

    // Appends an entry named by its kind's counter; returns its row.
    int AddEntry(const std::string& path, const std::string& stringId);
    // Selects every entry with this File text and returns how many there are.
    int SelectDuplicates(const std::string& file);
    std::vector<int> SelectedRows() const;
    int FirstSelectedRow() const;  // -1 when none

    void DeleteSelected();
    void ClearList();
    void Rename(int row, const QString& text);
    // Ctrl+Z and Ctrl+Y: the last list step undone, or the last undone one done again.
    void Undo();
    void Redo();
    // After an undo or redo, the list counts as saved only where a script was saved or loaded (or
    // when it is empty). The entries the step brought back are selected and shown.
    void AfterHistoryStep(const std::vector<std::uint64_t>& shown);
    // Selects the entry and scrolls it into view (after an Add or a rename).
    void ShowEntry(std::uint64_t serial, bool select);
    void ColumnClick(int column);
    void SortList();
    void ResetKindCounters();
    void UpdateListButtons();

    // Replaces the list's entries with loaded ones (no sorting: they stay in file order).
    void ReplaceEntries(std::vector<ResourceEntry> entries);
    void RemoveAll();

    // List events.
    void SelectionStep();   // Space, Up, Down
    void MouseUp(int row);  // left button released over a row, or -1 over no row
    void Click();           // a click into the list
    void HandToPreview(int row);
    void HidePreview();
    void MovePointerTo(ReturnButton button);
    void SetLanguage(int language);

    // "my logo " → "mylogo": control characters cut at both ends, every blank removed.
    static std::string CleanName(const QString& text);

private:
    ListSettings& settings_;
    Prompter& prompter_;
    ListHost& host_;
    PreviewPort* preview_ = nullptr;
    ResourceListModel model_;
    QItemSelectionModel selection_;
    ListHistory history_;
    KindCounters counters_;
    QCollator collator_;
    bool listSaved_ = true;
    std::optional<std::uint64_t> lastPreviewed_;
};

}  // namespace restallow
