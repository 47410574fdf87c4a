// Undo and Redo of the Resource List's edits: Add and Insert, Delete, Clear, rename and loading a
// script. Each command is one step; the list knows whether it stands where a script was saved.
#pragma once

#include <QUndoStack>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "resources/ResourceListModel.h"

namespace restallow {

class ListEdit;
class ResourceList;

class ListHistory {
public:
    static constexpr int kUndoLimit = 100;

    explicit ListHistory(ResourceList& list);
    ~ListHistory();

    // The changes a command makes while its Step lives become one undoable step; a step begun
    // inside another joins it. A step that changed no entry is not kept.
    class Step {
    public:
        explicit Step(ListHistory& history) : history_(history) { history_.Begin(); }
        ~Step() { history_.End(); }
        Step(const Step&) = delete;
        Step& operator=(const Step&) = delete;

    private:
        ListHistory& history_;
    };

    // Outside a step the changes are not kept, nor are the removed entries.
    void Added(std::uint64_t serial);
    void Removed(std::vector<HeldEntry> held);
    void Renamed(std::uint64_t serial, std::string before, std::string after);

    void Undo() { stack_.undo(); }
    void Redo() { stack_.redo(); }
    bool canUndo() const { return stack_.canUndo(); }
    bool canRedo() const { return stack_.canRedo(); }
    // The list now holds what a script holds (written or loaded); inside a step, once it is kept.
    void MarkSaved();
    bool AtSavedState() const { return stack_.isClean(); }

private:
    void Begin();
    void End();

    ResourceList& list_;
    QUndoStack stack_;
    std::unique_ptr<ListEdit> recording_;
    int depth_ = 0;
    bool savedAtEnd_ = false;
};

}  // namespace restallow
