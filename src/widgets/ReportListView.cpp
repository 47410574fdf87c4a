// Files dragged onto the list are offered to its owner; the list itself moves no rows.
#include "widgets/ReportListView.h"

#include <QDropEvent>

#include "widgets/DroppedFiles.h"

namespace restallow {

ReportListView::ReportListView(QWidget* parent) : QTreeView(parent) {
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DropOnly);
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
