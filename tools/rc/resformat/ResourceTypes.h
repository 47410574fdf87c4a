// The numbers of the standard resource types and the memory flags of resource headers.
#pragma once

#include <cstdint>

namespace rc {

// Memory flags of resource headers.
enum MemoryFlag : std::uint16_t {
    MfMoveable = 0x0010,
    MfPure = 0x0020,
    MfPreload = 0x0040,
    MfDiscardable = 0x1000,
};

// Standard resource types by number.
enum ResourceType : std::uint16_t {
    RtCursor = 1,
    RtBitmap = 2,
    RtIcon = 3,
    RtString = 6,
    RtRcData = 10,
    RtGroupCursor = 12,
    RtGroupIcon = 14,
    RtAniCursor = 21,
    RtAniIcon = 22,
};

// Resource types of the statements with bodies of their own.
enum StatementType : std::uint16_t {
    RtMenu = 4,
    RtFontDir = 7,
    RtFont = 8,
    RtAccelerators = 9,
    RtVersion = 16,
    RtToolbar = 241,
};

inline constexpr std::uint16_t kDialogType = 5;

}  // namespace rc
