// The Resource List's state and its list commands.
#include "resources/ResourceList.h"

#include <QLocale>
#include <algorithm>
#include <numeric>

#include "languages/MainStrings.h"
#include "resources/ScriptSafety.h"
#include "widgets/UiText.h"

namespace restallow {

ResourceList::ResourceList(ListSettings& settings, Prompter& prompter, ListHost& host, QObject* parent)
    : QObject(parent), settings_(settings), prompter_(prompter), host_(host), selection_(&model_), history_(*this) {
    // Without a language of its own (the C locale) the list sorts as an English system would.
    if (QLocale().language() == QLocale::C) collator_.setLocale(QLocale(QLocale::English));
    collator_.setCaseSensitivity(Qt::CaseSensitive);
    connect(&model_, &ResourceListModel::nameEdited, this, &ResourceList::Rename);
    connect(&selection_, &QItemSelectionModel::selectionChanged, this, [this] { UpdateListButtons(); });
    SetLanguage(settings_.Language);
}

int ResourceList::AddEntry(const std::string& path, const std::string& stringId) {
    const int kind = KindOf(path);
    ResourceEntry entry{counters_.NextName(kind), std::string(kKinds[kind].keyword),
                        kind == kStringTableKind ? stringId : std::string(), ResourceEntry::QuoteFile(path)};
    const int selected = FirstSelectedRow();
    lastPreviewed_ = selected < 0 ? std::nullopt : std::optional(model_.serial(selected));
    history_.Added(model_.append(std::move(entry)));
    return model_.count() - 1;
}

int ResourceList::SelectDuplicates(const std::string& file) {
    selection_.clearSelection();
    int found = 0;
    for (int row = model_.count() - 1; row >= 0; --row) {
        if (model_.entry(row).file != file) continue;
        selection_.setCurrentIndex(model_.index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        ++found;
    }
    return found;
}

// Read from the selection's ranges: asking row by row (selectedRows) costs every range per row.
std::vector<int> ResourceList::SelectedRows() const {
    std::vector<int> rows;
    for (const QItemSelectionRange& range : selection_.selection()) {
        for (int row = range.top(); row <= range.bottom(); ++row) rows.push_back(row);
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

int ResourceList::FirstSelectedRow() const {
    const std::vector<int> rows = SelectedRows();
    return rows.empty() ? -1 : rows.front();
}

void ResourceList::DeleteSelected() {
    ListHistory::Step step(history_);
    if (!isEmpty()) {
        const std::vector<int> rows = SelectedRows();
        // Every selected row goes: dropping the selection first spares the selection model
        // following each removal through all its ranges.
        selection_.clearSelection();
        history_.Removed(model_.takeRows(rows));
        SortList();
    }
    if (isEmpty()) {
        ResetKindCounters();
        listSaved_ = true;
    } else {
        listSaved_ = false;
    }
    HidePreview();
    UpdateListButtons();
    MovePointerTo(ReturnButton::Add);
}

void ResourceList::ClearList() {
    ListHistory::Step step(history_);
    RemoveAll();
    ResetKindCounters();
    HidePreview();
    listSaved_ = true;
    MovePointerTo(ReturnButton::Add);
}

std::string ResourceList::CleanName(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    qsizetype first = 0, last = bytes.size();
    while (first < last && static_cast<unsigned char>(bytes[first]) <= 32) ++first;
    while (last > first && static_cast<unsigned char>(bytes[last - 1]) <= 32) --last;
    std::string name;
    for (qsizetype i = first; i < last; ++i) {
        if (bytes[i] != ' ') name += bytes[i];
    }
    return name;
}

void ResourceList::Rename(int row, const QString& text) {
    if (row < 0 || row >= model_.count()) return;
    ListHistory::Step step(history_);
    const std::string name = CleanName(text);
    const std::uint64_t serial = model_.serial(row);
    if (!IsScriptName(name)) {  // the old name stays: a script could not hold this one
        prompter_.message(
            {MsgText(settings_.Language, MsgNameRefused) + u'\r' + QString::fromStdString(model_.entry(row).name),
             UiText(settings_.Language, UiError), MsgButtons::Ok, MsgIcon::Warning, MsgButton::Ok});
        return;
    }
    history_.Renamed(serial, model_.entry(row).name, name);
    model_.setName(row, name);
    if (preview_) preview_->RenameCaption(QString::fromUtf8(name));
    MovePointerTo(ReturnButton::Add);
    SortList();
    ShowEntry(serial, true);
    listSaved_ = false;
}

void ResourceList::MarkSaved() {
    listSaved_ = true;
    history_.MarkSaved();
}

// The stack takes its new place after the step ran: only then can it tell whether the list
// stands where a script was saved.
void ResourceList::Undo() {
    if (!history_.canUndo()) return;
    history_.Undo();
    listSaved_ = history_.AtSavedState() || isEmpty();
}

void ResourceList::Redo() {
    if (!history_.canRedo()) return;
    history_.Redo();
    listSaved_ = history_.AtSavedState() || isEmpty();
}

void ResourceList::AfterHistoryStep(const std::vector<std::uint64_t>& shown) {
    QItemSelection rows;
    int first = -1;
    for (int row : model_.rowsOfSerials(shown)) {
        if (row < 0) continue;
        rows.select(model_.index(row, 0), model_.index(row, ResourceListModel::kColumnCount - 1));
        if (first < 0 || row < first) first = row;
    }
    selection_.select(rows, QItemSelectionModel::ClearAndSelect);
    if (first >= 0) selection_.setCurrentIndex(model_.index(first, 0), QItemSelectionModel::NoUpdate);
    lastPreviewed_.reset();
    HidePreview();
    UpdateListButtons();
    if (first >= 0) host_.ShowRow(first);
}

void ResourceList::ShowEntry(std::uint64_t serial, bool select) {
    const int row = model_.rowsOfSerials({serial}).front();
    if (row < 0) return;
    if (select) {
        selection_.setCurrentIndex(model_.index(row, 0),
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    host_.ShowRow(row);
}

void ResourceList::ColumnClick(int column) {
    if (column == settings_.CI) {
        settings_.UpDown = settings_.UpDown == 1 ? -1 : 1;
    } else {
        settings_.CI = column;
    }
    SortList();
}

void ResourceList::SortList() {
    const int column = std::clamp(settings_.CI, 0, ResourceListModel::kColumnCount - 1);
    model_.sortBy(column, settings_.UpDown != 1, collator_);
}

void ResourceList::ResetKindCounters() {
    counters_.Reset();
    UpdateListButtons();
}

void ResourceList::UpdateListButtons() {
    const bool hasEntries = !isEmpty();
    host_.SetListButtons(hasEntries, selection_.hasSelection(), hasEntries);
}

void ResourceList::ReplaceEntries(std::vector<ResourceEntry> entries) {
    for (std::uint64_t serial : model_.appendAll(std::move(entries))) history_.Added(serial);
}

void ResourceList::RemoveAll() {
    selection_.clear();
    if (isEmpty()) return;
    std::vector<int> rows(static_cast<std::size_t>(model_.count()));
    std::iota(rows.begin(), rows.end(), 0);
    history_.Removed(model_.takeRows(std::move(rows)));
}

void ResourceList::SelectionStep() {
    const int row = FirstSelectedRow();
    if (row >= 0 && lastPreviewed_ == model_.serial(row)) return;
    if (row < 0 && !lastPreviewed_) return;
    UpdateListButtons();
    HandToPreview(row);
}

void ResourceList::MouseUp(int row) {
    const std::optional<std::uint64_t> serial = row < 0 ? std::nullopt : std::optional(model_.serial(row));
    const bool wanted = preview_ && preview_->HiddenWhileWanted();
    if (serial != lastPreviewed_ || wanted) HandToPreview(row);
}

void ResourceList::Click() {
    if (selection_.hasSelection()) {
        UpdateListButtons();
        return;
    }
    prompter_.beep(BeepKind::Default);
    const QModelIndex focused = selection_.currentIndex();
    if (!focused.isValid()) return;
    selection_.select(focused, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    UpdateListButtons();
}

void ResourceList::HandToPreview(int row) {
    const bool valid = row >= 0 && row < model_.count();
    if (preview_) preview_->ShowEntry(valid ? &model_.entry(row) : nullptr);
    lastPreviewed_ = valid ? std::optional(model_.serial(row)) : std::nullopt;
}

void ResourceList::HidePreview() {
    if (preview_) preview_->Hide();
}

void ResourceList::MovePointerTo(ReturnButton button) { prompter_.movePointer(host_.ReturnPoint(button)); }

void ResourceList::SetLanguage(int language) {
    settings_.Language = language;
    const MainTable& text = MainStrings(language);
    model_.setColumnTitles({QString::fromUtf8(text[UiColumnName]), QString::fromUtf8(text[UiColumnType]),
                            QStringLiteral("StringID"), QString::fromUtf8(text[UiColumnFile])});
}

}  // namespace restallow
