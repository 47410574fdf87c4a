// The main window's side of the Resource List.
#include "app/MainListHost.h"

#include <QScrollBar>

#include "widgets/FileEdit.h"
#include "widgets/LabelArea.h"
#include "widgets/MegaPanel.h"
#include "widgets/ReportListView.h"
#include "widgets/RoundButton.h"

namespace restallow {
namespace {
constexpr int kListScrollStep = 35;
}

QPoint MainListHost::returnPoint(ReturnButton button) const {
    const RoundButton* target = button == ReturnButton::Add     ? ui_.tool(TagAdd)
                                : button == ReturnButton::Clear ? ui_.tool(TagClear)
                                                                : ui_.tool(TagCompile);
    return target->mapToGlobal(QPoint(16, 16));
}

void MainListHost::setListButtons(bool clearEnabled, bool deleteEnabled, bool scriptEnabled) {
    const std::array<std::pair<int, bool>, 3> states = {
        {{TagClear, clearEnabled}, {TagDelete, deleteEnabled}, {TagScript, scriptEnabled}}};
    bool changed = false;
    for (const auto& [tag, enabled] : states) {
        changed |= ui_.tool(tag)->isEnabled() != enabled;
        ui_.enableTool(tag, enabled);
    }
    if (changed) ui_.right->update();
}

void MainListHost::entryAppended() {
    ReportListView* view = ui_.script;
    const int rowHeight = view->sizeHintForRow(0);
    if (rowHeight <= 0 || !view->model()) return;
    if (view->model()->rowCount() > view->viewport()->height() / rowHeight) {
        QScrollBar* bar = view->verticalScrollBar();
        bar->setValue(bar->value() + kListScrollStep);
    }
}

QString MainListHost::inputFileText() const { return ui_.filename1->text(); }

void MainListHost::setInputFileText(const QString& text) { ui_.filename1->setText(text); }

}  // namespace restallow
