// The Resource List's entries as a four-column table model (Name, Type, StringID, File).
#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <cstdint>
#include <vector>

#include "resources/ResourceEntry.h"

class QCollator;

namespace restallow {

// An entry taken out of the list, with the serial it keeps until it is put back.
struct HeldEntry {
    std::uint64_t serial = 0;
    ResourceEntry entry;
};

class ResourceListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { NameColumn = 0, TypeColumn = 1, StringIdColumn = 2, FileColumn = 3 };
    static constexpr int kColumnCount = 4;

    explicit ResourceListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // An accepted in-place edit of a Name is reported through nameEdited; the owner renames.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    void setColumnTitles(const QStringList& titles);

    // Every entry gets a serial number that stays with it while the list is sorted.
    std::uint64_t append(ResourceEntry entry);
    std::vector<std::uint64_t> appendAll(std::vector<ResourceEntry> entries);  // their serials
    void removeRows(std::vector<int> rows) { takeRows(std::move(rows), false); }
    // Removes the rows and hands their entries over, in row order (with keep false: drops them).
    std::vector<HeldEntry> takeRows(std::vector<int> rows, bool keep = true);
    // Appends entries that were taken out, each with its own serial again.
    void putBack(std::vector<HeldEntry> held);
    void clear();
    void setName(int row, std::string name);

    // The serials in row order, and the rows put into such an order again (the same serials).
    std::vector<std::uint64_t> order() const;
    void arrange(const std::vector<std::uint64_t>& order);
    // The rows of these serials, in the serials' order; -1 for one no entry has.
    std::vector<int> rowsOfSerials(const std::vector<std::uint64_t>& serials) const;

    const ResourceEntry& entry(int row) const { return entries_.at(Stored(row)); }
    const std::vector<ResourceEntry>& entries() const { return entries_; }  // not while rows are removed
    std::uint64_t serial(int row) const { return serials_.at(Stored(row)); }
    int rowOfSerial(std::uint64_t serial) const;  // -1 when no entry has it
    int count() const { return static_cast<int>(entries_.size() - (gapEnd_ - gapStart_)); }

    // Sorts by a column's text with the collator; descending negates the comparison.
    // Equal texts keep their order, and selections follow their entries.
    void sortBy(int column, bool descending, const QCollator& collator);

signals:
    void nameEdited(int row, const QString& text);

private:
    static const std::string& ColumnText(const ResourceEntry& entry, int column);
    // Rows in a new order: oldRow[newRow] names where each row comes from.
    void Reorder(const std::vector<int>& oldRow);

    // While removeRows runs, the stored rows [gapStart_, gapEnd_) are no rows of the list.
    std::size_t Stored(int row) const {
        const auto at = static_cast<std::size_t>(row);
        return at < gapStart_ ? at : at + (gapEnd_ - gapStart_);
    }

    std::vector<ResourceEntry> entries_;
    std::vector<std::uint64_t> serials_;
    std::size_t gapStart_ = 0, gapEnd_ = 0;
    std::uint64_t nextSerial_ = 1;
    QStringList titles_;
};

}  // namespace restallow
