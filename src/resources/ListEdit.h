// One undoable step of the Resource List: the entries it brought, the entries it took away, the
// names it changed, and the list's order, kind counters and Start-ID before and after it.
#pragma once

#include <QUndoCommand>
#include <cstdint>
#include <string>
#include <vector>

#include "resources/KindTable.h"
#include "resources/ResourceListModel.h"

namespace restallow {

class ResourceList;

class ListEdit : public QUndoCommand {
public:
    // Takes the state before the step from the list.
    explicit ListEdit(ResourceList& list);

    // What the step does while it runs.
    void Added(std::uint64_t serial) { added_.push_back(serial); }
    void Removed(std::vector<HeldEntry> held);
    void Renamed(std::uint64_t serial, std::string before, std::string after);
    bool empty() const { return added_.empty() && removed_.empty() && renamed_.empty(); }
    // Takes the state after the step; the step is done now, so the first redo() does nothing.
    void Finish();

    void undo() override;
    void redo() override;

private:
    struct State {
        std::vector<std::uint64_t> order;
        KindCounters counters;
        long long startId = 0;
    };
    struct Rename {
        std::uint64_t serial;
        std::string before, after;
    };

    State Take() const;
    void Restore(const State& state, std::vector<std::uint64_t> shown);
    void SetNames(bool after);

    ResourceList& list_;
    State before_, after_;
    std::vector<std::uint64_t> added_;  // serials of the entries the step brought
    std::vector<HeldEntry> addedHeld_;  // those entries while the step is undone
    std::vector<std::uint64_t> removedSerials_;
    std::vector<HeldEntry> removed_;  // the entries the step took away, while it is done
    std::vector<Rename> renamed_;
    bool skipRedo_ = false;
};

}  // namespace restallow
