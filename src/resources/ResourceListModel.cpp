// Table model of the Resource List, with sorting by precomputed collation keys.
#include "resources/ResourceListModel.h"

#include <QCollator>
#include <QCollatorSortKey>
#include <algorithm>
#include <numeric>

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

void ResourceListModel::appendAll(std::vector<ResourceEntry> entries) {
    if (entries.empty()) return;
    beginInsertRows({}, count(), count() + static_cast<int>(entries.size()) - 1);
    for (ResourceEntry& entry : entries) {
        entries_.push_back(std::move(entry));
        serials_.push_back(nextSerial_++);
    }
    endInsertRows();
}

void ResourceListModel::removeRows(std::vector<int> rows) {
    std::sort(rows.begin(), rows.end(), std::greater<>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (int row : rows) {
        if (row < 0 || row >= count()) continue;
        beginRemoveRows({}, row, row);
        entries_.erase(entries_.begin() + row);
        serials_.erase(serials_.begin() + row);
        endRemoveRows();
    }
}

void ResourceListModel::clear() {
    beginResetModel();
    entries_.clear();
    serials_.clear();
    endResetModel();
}

void ResourceListModel::setName(int row, std::string name) {
    entries_.at(static_cast<std::size_t>(row)).name = std::move(name);
    emit dataChanged(index(row, NameColumn), index(row, NameColumn));
}

int ResourceListModel::rowOfSerial(std::uint64_t serial) const {
    const auto found = std::find(serials_.begin(), serials_.end(), serial);
    return found == serials_.end() ? -1 : static_cast<int>(found - serials_.begin());
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

    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> newRowOf(order.size());
    std::vector<ResourceEntry> entries;
    std::vector<std::uint64_t> serials;
    entries.reserve(order.size());
    serials.reserve(order.size());
    for (std::size_t row = 0; row < order.size(); ++row) {
        newRowOf[order[row]] = static_cast<int>(row);
        entries.push_back(std::move(entries_[order[row]]));
        serials.push_back(serials_[order[row]]);
    }
    entries_ = std::move(entries);
    serials_ = std::move(serials);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& old : before) after << index(newRowOf[old.row()], old.column());
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

}  // namespace restallow
