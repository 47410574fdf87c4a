// The main window's side of the Resource List.
#include "app/MainListHost.h"

#include "widgets/FileEdit.h"
#include "widgets/LabelArea.h"
#include "widgets/MegaPanel.h"
#include "widgets/ReportListView.h"
#include "widgets/RoundButton.h"

namespace restallow {

QPoint MainListHost::ReturnPoint(ReturnButton button) const {
    const RoundButton* target = button == ReturnButton::Add     ? ui_.Tool(TagAdd)
                                : button == ReturnButton::Clear ? ui_.Tool(TagClear)
                                                                : ui_.Tool(TagCompile);
    return target->mapToGlobal(QPoint(16, 16));
}

void MainListHost::SetListButtons(bool clearEnabled, bool deleteEnabled, bool scriptEnabled) {
    const std::array<std::pair<int, bool>, 3> states = {
        {{TagClear, clearEnabled}, {TagDelete, deleteEnabled}, {TagScript, scriptEnabled}}};
    bool changed = false;
    for (const auto& [tag, enabled] : states) {
        changed |= ui_.Tool(tag)->isEnabled() != enabled;
        ui_.EnableTool(tag, enabled);
    }
    if (changed) ui_.right->update();
}

void MainListHost::ShowRow(int row) {
    ReportListView* view = ui_.script;
    if (view->model() && row >= 0 && row < view->model()->rowCount()) view->scrollTo(view->model()->index(row, 0));
}

QString MainListHost::InputFileText() const { return ui_.filename1->text(); }

void MainListHost::SetInputFileText(const QString& text) { ui_.filename1->setText(text); }

}  // namespace restallow
