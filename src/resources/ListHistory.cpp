// The list's undo stack.
#include "resources/ListHistory.h"

#include "resources/ListEdit.h"

namespace restallow {

ListHistory::ListHistory(ResourceList& list) : list_(list) { stack_.setUndoLimit(kUndoLimit); }

ListHistory::~ListHistory() = default;

void ListHistory::Begin() {
    if (depth_++ == 0) recording_ = std::make_unique<ListEdit>(list_);
}

// Runs also while an exception unwinds a command: what the command changed until then is one step.
void ListHistory::End() {
    if (--depth_ > 0) return;
    std::unique_ptr<ListEdit> edit = std::move(recording_);
    if (edit && !edit->empty()) {
        edit->Finish();
        stack_.push(edit.release());
    }
    if (savedAtEnd_) stack_.setClean();
    savedAtEnd_ = false;
}

void ListHistory::MarkSaved() {
    if (recording_)
        savedAtEnd_ = true;
    else
        stack_.setClean();
}

void ListHistory::Added(std::uint64_t serial) {
    if (recording_) recording_->Added(serial);
}

void ListHistory::Removed(std::vector<HeldEntry> held) {
    if (recording_) recording_->Removed(std::move(held));
}

void ListHistory::Renamed(std::uint64_t serial, std::string before, std::string after) {
    if (recording_ && before != after) recording_->Renamed(serial, std::move(before), std::move(after));
}

}  // namespace restallow
