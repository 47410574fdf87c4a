// The Resource List's state and its list commands.
#include "resources/ResourceList.h"

#include <QLocale>
#include <algorithm>

#include "languages/MainStrings.h"

namespace restallow {

ResourceList::ResourceList(ListSettings& settings, Prompter& prompter, ListHost& host, QObject* parent)
    : QObject(parent), settings_(settings), prompter_(prompter), host_(host), selection_(&model_) {
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
    model_.append(std::move(entry));
    host_.entryAppended();
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
    if (!isEmpty()) {
        const std::vector<int> rows = SelectedRows();
        // Every selected row goes: dropping the selection first spares the selection model
        // following each removal through all its ranges.
        selection_.clearSelection();
        model_.removeRows(rows);
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
    const std::string name = CleanName(text);
    model_.setName(row, name);
    if (preview_) preview_->renameCaption(QString::fromUtf8(name));
    MovePointerTo(ReturnButton::Add);
    SortList();
    listSaved_ = false;
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
    host_.setListButtons(hasEntries, selection_.hasSelection(), hasEntries);
}

void ResourceList::ReplaceEntries(std::vector<ResourceEntry> entries) {
    model_.appendAll(std::move(entries));
    host_.entryAppended();
}

void ResourceList::RemoveAll() {
    selection_.clear();
    model_.clear();
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
    const bool wanted = preview_ && preview_->hiddenWhileWanted();
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
    if (preview_) preview_->showEntry(valid ? &model_.entry(row) : nullptr);
    lastPreviewed_ = valid ? std::optional(model_.serial(row)) : std::nullopt;
}

void ResourceList::HidePreview() {
    if (preview_) preview_->hide();
}

void ResourceList::MovePointerTo(ReturnButton button) { prompter_.movePointer(host_.returnPoint(button)); }

void ResourceList::SetLanguage(int language) {
    settings_.Language = language;
    const MainTable& text = MainStrings(language);
    model_.setColumnTitles({QString::fromUtf8(text[UiColumnName]), QString::fromUtf8(text[UiColumnType]),
                            QStringLiteral("StringID"), QString::fromUtf8(text[UiColumnFile])});
}

}  // namespace restallow
