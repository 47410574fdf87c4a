// ACCELERATORS: a table of key events and the commands they send.
#pragma once

#include <cstdint>
#include <vector>

#include "Statements.h"

namespace rc {

enum AcceleratorFlag : std::uint16_t {
    AfVirtKey = 0x01,
    AfNoInvert = 0x02,
    AfShift = 0x04,
    AfControl = 0x08,
    AfAlt = 0x10,
    AfLast = 0x80,
};

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
