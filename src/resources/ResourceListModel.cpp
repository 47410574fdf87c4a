// Table model of the Resource List, with sorting by precomputed collation keys.
#include "resources/ResourceListModel.h"

#include <QCollator>
#include <QCollatorSortKey>
#include <algorithm>
#include <numeric>
#include <unordered_map>

namespace restallow {

ResourceListModel::ResourceListModel(QObject* parent)
    : QAbstractTableModel(parent),
      titles_{QStringLiteral("Name"), QStringLiteral("Type"), QStringLiteral("StringID"), QStringLiteral("File")} {}

int ResourceListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : count(); }

int ResourceListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumnCount; }

const std::string& ResourceListModel::ColumnText(const ResourceEntry& entry, int column) {
    switch (column) {
        case NameColumn: return entry.name;
        case TypeColumn: return entry.type;
        case StringIdColumn: return entry.stringId;
        default: return entry.file;
    }
}

QVariant ResourceListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= count()) return {};
    // The File column may show its path cut short: the tooltip tells it whole.
    if (role == Qt::ToolTipRole && index.column() == FileColumn) return QString::fromUtf8(entry(index.row()).path());
    if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
    return QString::fromUtf8(ColumnText(entry(index.row()), index.column()));
}

QVariant ResourceListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section >= titles_.size()) return {};
    return titles_[section];
}

Qt::ItemFlags ResourceListModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags result = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == NameColumn) result |= Qt::ItemIsEditable;
    return result;
}

bool ResourceListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || index.column() != NameColumn) return false;
    emit nameEdited(index.row(), value.toString());
    return true;
}

void ResourceListModel::setColumnTitles(const QStringList& titles) {
    titles_ = titles;
    emit headerDataChanged(Qt::Horizontal, 0, kColumnCount - 1);
}

std::uint64_t ResourceListModel::append(ResourceEntry entry) {
    beginInsertRows({}, count(), count());
    entries_.push_back(std::move(entry));
    serials_.push_back(nextSerial_);
    endInsertRows();
    return nextSerial_++;
}

std::vector<std::uint64_t> ResourceListModel::appendAll(std::vector<ResourceEntry> entries) {
    std::vector<std::uint64_t> serials;
    if (entries.empty()) return serials;
    serials.reserve(entries.size());
    beginInsertRows({}, count(), count() + static_cast<int>(entries.size()) - 1);
    for (ResourceEntry& entry : entries) {
        entries_.push_back(std::move(entry));
        serials.push_back(nextSerial_);
        serials_.push_back(nextSerial_++);
    }
    endInsertRows();
    return serials;
}

namespace {

// Qt walks every slot of the model's persistent-index table at each removal, and that table keeps
// the size it had while a large selection lived; beyond this many runs one reset is cheaper.
constexpr std::size_t kMostRunsRemovedOneByOne = 256;

std::size_t CountRuns(const std::vector<int>& sortedRows) {
    std::size_t runs = sortedRows.empty() ? 0 : 1;
    for (std::size_t i = 1; i < sortedRows.size(); ++i) runs += sortedRows[i] != sortedRows[i - 1] + 1;
    return runs;
}

}  // namespace

// One removal per run of neighbouring rows, first run first. The entries kept so far are moved
// down behind the removed ones as the runs are passed, so every entry moves at most once and a
// view asking between two runs sees the rows as they stand. The entries before the first removed
// row stay where they are: moving them would move each onto itself, which empties a string.
std::vector<HeldEntry> ResourceListModel::takeRows(std::vector<int> rows, bool keep) {
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    rows.erase(std::remove_if(rows.begin(), rows.end(), [this](int row) { return row < 0 || row >= count(); }),
               rows.end());
    std::vector<HeldEntry> taken;
    if (rows.empty()) return taken;
    if (keep) taken.reserve(rows.size());
    const bool reset = CountRuns(rows) > kMostRunsRemovedOneByOne;
    if (reset) beginResetModel();
    // Stored rows [kept, next) are the gap; it opens at the first removed row.
    std::size_t kept = static_cast<std::size_t>(rows.front()), next = kept;
    for (std::size_t i = 0; i < rows.size();) {
        std::size_t last = i;
        while (last + 1 < rows.size() && rows[last + 1] == rows[last] + 1) ++last;
        const auto first = static_cast<std::size_t>(rows[i]), end = static_cast<std::size_t>(rows[last]) + 1;
        for (; next < first; ++next, ++kept) {
            entries_[kept] = std::move(entries_[next]);
            serials_[kept] = serials_[next];
        }
        gapStart_ = kept;
        gapEnd_ = first;
        if (!reset) beginRemoveRows({}, static_cast<int>(kept), static_cast<int>(kept + end - first) - 1);
        gapEnd_ = next = end;
        if (!reset) endRemoveRows();
        // The run lies in the gap now; later runs move kept entries over it.
        for (std::size_t k = first; keep && k < end; ++k) taken.push_back({serials_[k], std::move(entries_[k])});
        i = last + 1;
    }
    entries_.erase(std::move(entries_.begin() + static_cast<std::ptrdiff_t>(next), entries_.end(),
                             entries_.begin() + static_cast<std::ptrdiff_t>(kept)),
                   entries_.end());
    serials_.erase(std::move(serials_.begin() + static_cast<std::ptrdiff_t>(next), serials_.end(),
                             serials_.begin() + static_cast<std::ptrdiff_t>(kept)),
                   serials_.end());
    gapStart_ = gapEnd_ = 0;
    if (reset) endResetModel();
    return taken;
}

void ResourceListModel::putBack(std::vector<HeldEntry> held) {
    if (held.empty()) return;
    beginInsertRows({}, count(), count() + static_cast<int>(held.size()) - 1);
    for (HeldEntry& one : held) {
        entries_.push_back(std::move(one.entry));
        serials_.push_back(one.serial);
    }
    endInsertRows();
}

std::vector<std::uint64_t> ResourceListModel::order() const { return serials_; }

std::vector<int> ResourceListModel::rowsOfSerials(const std::vector<std::uint64_t>& serials) const {
    std::unordered_map<std::uint64_t, int> rowOf;
    rowOf.reserve(serials_.size());
    for (std::size_t row = 0; row < serials_.size(); ++row) rowOf.emplace(serials_[row], static_cast<int>(row));
    std::vector<int> rows;
    rows.reserve(serials.size());
    for (std::uint64_t serial : serials) {
        const auto found = rowOf.find(serial);
        rows.push_back(found == rowOf.end() ? -1 : found->second);
    }
    return rows;
}

// Serials the list does not hold are passed over; entries the order does not name keep their
// relative order after the named ones.
void ResourceListModel::arrange(const std::vector<std::uint64_t>& order) {
    std::vector<int> oldRow;
    oldRow.reserve(entries_.size());
    std::vector<bool> placed(entries_.size(), false);
    for (int row : rowsOfSerials(order)) {
        if (row < 0 || placed[static_cast<std::size_t>(row)]) continue;
        placed[static_cast<std::size_t>(row)] = true;
        oldRow.push_back(row);
    }
    for (std::size_t row = 0; row < entries_.size(); ++row) {
        if (!placed[row]) oldRow.push_back(static_cast<int>(row));
    }
    Reorder(oldRow);
}

void ResourceListModel::clear() {
    beginResetModel();
    entries_.clear();
    serials_.clear();
    endResetModel();
}

void ResourceListModel::setName(int row, std::string name) {
    entries_.at(Stored(row)).name = std::move(name);
    emit dataChanged(index(row, NameColumn), index(row, NameColumn));
}

int ResourceListModel::rowOfSerial(std::uint64_t serial) const {
    for (int row = 0; row < count(); ++row) {
        if (this->serial(row) == serial) return row;
    }
    return -1;
}

void ResourceListModel::sortBy(int column, bool descending, const QCollator& collator) {
    if (count() < 2) return;
    std::vector<QCollatorSortKey> keys;
    keys.reserve(entries_.size());
    for (const ResourceEntry& entry : entries_) {
        keys.push_back(collator.sortKey(QString::fromUtf8(ColumnText(entry, column))));
    }
    std::vector<int> order(entries_.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const int result = keys[a].compare(keys[b]);
        return descending ? result > 0 : result < 0;
    });

    Reorder(order);
}

void ResourceListModel::Reorder(const std::vector<int>& oldRow) {
    if (oldRow.size() != entries_.size() || entries_.size() < 2) return;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> newRowOf(oldRow.size());
    std::vector<ResourceEntry> entries;
    std::vector<std::uint64_t> serials;
    entries.reserve(oldRow.size());
    serials.reserve(oldRow.size());
    for (std::size_t row = 0; row < oldRow.size(); ++row) {
        const auto from = static_cast<std::size_t>(oldRow[row]);
        newRowOf[from] = static_cast<int>(row);
        entries.push_back(std::move(entries_[from]));
        serials.push_back(serials_[from]);
    }
    entries_ = std::move(entries);
    serials_ = std::move(serials);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& old : before) after << index(newRowOf[static_cast<std::size_t>(old.row())], old.column());
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

}  // namespace restallow
