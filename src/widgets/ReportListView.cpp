// Files dragged onto the list are offered to its owner; the list itself moves no rows.
#include "widgets/ReportListView.h"

#include <QDropEvent>
#include <QHeaderView>

#include "widgets/DroppedFiles.h"

namespace restallow {

// Report style: no tree, whole rows selected (several at once), names edited in place.
ReportListView::ReportListView(QWidget* parent) : QTreeView(parent) {
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setItemsExpandable(false);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setMouseTracking(true);
    header()->setSectionsClickable(true);
    header()->setStretchLastSection(false);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DropOnly);
}

void ReportListView::SetColumnWidths(const std::vector<int>& widths) {
    for (std::size_t column = 0; column < widths.size(); ++column)
        setColumnWidth(static_cast<int>(column), widths[column]);
}

bool ReportListView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    if (trigger == EditKeyPressed && index.isValid() && index.column() != 0) {
        const QModelIndex name = index.siblingAtColumn(0);
        setCurrentIndex(name);
        return QTreeView::edit(name, trigger, event);
    }
    return QTreeView::edit(index, trigger, event);
}

void ReportListView::dragEnterEvent(QDragEnterEvent* event) {
    if (DroppedFiles(event->mimeData()).isEmpty()) return event->ignore();
    event->acceptProposedAction();
}

void ReportListView::dragMoveEvent(QDragMoveEvent* event) {
    if (DroppedFiles(event->mimeData()).isEmpty()) return event->ignore();
    event->acceptProposedAction();
}

void ReportListView::dropEvent(QDropEvent* event) {
    const QStringList files = DroppedFiles(event->mimeData());
    if (files.isEmpty()) return event->ignore();
    event->acceptProposedAction();
    emit filesDropped(files);
}

}  // namespace restallow
