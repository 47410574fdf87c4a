// ACCELERATORS: a table of key events and the commands they send.
#pragma once

#include <cstdint>
#include <vector>

#include "parse/StatementParts.h"
#include "resformat/BodyFormat.h"

namespace rc {

// An entry as the table stores it: the event already resolved to a key code.
struct Accelerator {
    std::uint16_t flags = 0;
    std::uint16_t key = 0;
    std::uint16_t id = 0;
    bool character = false;  // a character of the script, not a key code: 8-bit in the 16-bit format
    Location where;
};

struct AcceleratorStmt {
    ResourceAttributes head;
    std::vector<Accelerator> entries;
};

}  // namespace rc
