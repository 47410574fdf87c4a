// A report-style list view that tells whether an in-place edit is open and takes dropped files.
#pragma once

#include <QTreeView>
#include <vector>

namespace restallow {

class ReportListView : public QTreeView {
    Q_OBJECT

public:
    explicit ReportListView(QWidget* parent = nullptr);
    bool isEditing() const { return state() == QAbstractItemView::EditingState; }
    void SetColumnWidths(const std::vector<int>& widths);
    using QTreeView::edit;

signals:
    void filesDropped(const QStringList& files);

protected:
    // F2 renames the row's name (the only column edited in place) whichever cell is current.
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

}  // namespace restallow
