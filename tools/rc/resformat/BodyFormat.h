// What the bodies of menus, accelerator tables and version resources hold that the parser, the
// encoders and the dumps all read: the flag words, and the deepest nesting of popups and blocks.
#pragma once

#include <cstdint>

namespace rc {

// Option words of MENU items, as stored in the item's flag word.
enum MenuFlag : std::uint16_t {
    MfGrayed = 0x0001,
    MfInactive = 0x0002,
    MfBitmap = 0x0004,
    MfChecked = 0x0008,
    MfPopup = 0x0010,
    MfMenuBarBreak = 0x0020,
    MfMenuBreak = 0x0040,
    MfEnd = 0x0080,
    MfOwnerDraw = 0x0100,
    MfHelp = 0x4000,
};

enum AcceleratorFlag : std::uint16_t {
    AfVirtKey = 0x01,
    AfNoInvert = 0x02,
    AfShift = 0x04,
    AfControl = 0x08,
    AfAlt = 0x10,
    AfLast = 0x80,
};

// Deepest nesting of POPUPs and BLOCKs; deeper input is refused rather than recursed into.
inline constexpr int kMaxNesting = 64;

}  // namespace rc
