// An undoable list step. Entries move between the list and the step, never copied: a step that is
// done holds what it took away, a step that is undone holds what it brought.
#include "resources/ListEdit.h"

#include "resources/ResourceList.h"

namespace restallow {

ListEdit::ListEdit(ResourceList& list) : list_(list), before_(Take()) {}

ListEdit::State ListEdit::Take() const { return {list_.model().order(), list_.counters(), list_.settings().StartID}; }

void ListEdit::Removed(std::vector<HeldEntry> held) {
    for (HeldEntry& one : held) {
        removedSerials_.push_back(one.serial);
        removed_.push_back(std::move(one));
    }
}

void ListEdit::Renamed(std::uint64_t serial, std::string before, std::string after) {
    renamed_.push_back({serial, std::move(before), std::move(after)});
}

void ListEdit::Finish() {
    after_ = Take();
    skipRedo_ = true;
}

void ListEdit::SetNames(bool after) {
    ResourceListModel& model = list_.model();
    const auto apply = [&](const Rename& rename) {
        const int row = model.rowsOfSerials({rename.serial}).front();
        if (row >= 0) model.setName(row, after ? rename.after : rename.before);
    };
    if (after) {
        for (const Rename& rename : renamed_) apply(rename);
    } else {
        for (auto it = renamed_.rbegin(); it != renamed_.rend(); ++it) apply(*it);
    }
}

void ListEdit::Restore(const State& state, std::vector<std::uint64_t> shown) {
    list_.model().arrange(state.order);
    list_.counters() = state.counters;
    list_.settings().StartID = state.startId;
    for (const Rename& rename : renamed_) shown.push_back(rename.serial);
    list_.AfterHistoryStep(shown);
}

void ListEdit::undo() {
    ResourceListModel& model = list_.model();
    SetNames(false);
    addedHeld_ = model.takeRows(model.rowsOfSerials(added_));
    model.putBack(std::move(removed_));
    removed_.clear();
    Restore(before_, removedSerials_);
}

void ListEdit::redo() {
    if (skipRedo_) {
        skipRedo_ = false;
        return;
    }
    ResourceListModel& model = list_.model();
    removed_ = model.takeRows(model.rowsOfSerials(removedSerials_));
    model.putBack(std::move(addedHeld_));
    addedHeld_.clear();
    SetNames(true);
    Restore(after_, added_);
}

}  // namespace restallow
