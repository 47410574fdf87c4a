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

signals:
    void filesDropped(const QStringList& files);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

}  // namespace restallow
