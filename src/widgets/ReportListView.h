// A report-style list view that tells whether an in-place edit is open.
#pragma once

#include <QTreeView>

namespace restallow {

class ReportListView : public QTreeView {
    Q_OBJECT

public:
    using QTreeView::QTreeView;
    bool isEditing() const { return state() == QAbstractItemView::EditingState; }
};

}  // namespace restallow
