// Where the fields of a 16-bit NE program's headers lie: in the DOS stub from the start of the
// file, in the NE header from the header's own start.
#pragma once

#include <cstddef>
#include <cstdint>

namespace byteformat::ne {

inline constexpr std::size_t kDosHeaderSize = 0x40;
inline constexpr std::size_t kDosNeOffset = 0x3C;  // 32-bit file offset of the NE header

inline constexpr std::size_t kNeHeaderSize = 0x40;
inline constexpr std::size_t kEntryTable = 0x04;  // 16-bit, relative to the NE header
inline constexpr std::size_t kEntryTableSize = 0x06;
inline constexpr std::size_t kSegmentCount = 0x1C;
inline constexpr std::size_t kNonResidentSize = 0x20;
inline constexpr std::size_t kSegmentTable = 0x22;  // the five tables: 16-bit, relative
inline constexpr std::size_t kResourceTable = 0x24;
inline constexpr std::size_t kResidentNames = 0x26;
inline constexpr std::size_t kModuleReferences = 0x28;
inline constexpr std::size_t kImportedNames = 0x2A;
inline constexpr std::size_t kNonResidentNames = 0x2C;  // 32-bit file offset
inline constexpr std::size_t kAlignmentShift = 0x32;    // the segments' (0 means 9)
inline constexpr std::size_t kTargetOs = 0x36;
inline constexpr std::uint8_t kTargetOs2 = 1;  // value of kTargetOs (2 is Windows)
inline constexpr std::size_t kOtherFlags = 0x37;
inline constexpr std::uint8_t kHasGangLoadArea = 0x08;  // bit of kOtherFlags
inline constexpr std::size_t kGangLoadOffset = 0x38;    // in sectors
inline constexpr std::size_t kGangLoadSize = 0x3A;

inline constexpr std::size_t kSegmentEntrySize = 8;    // sector, length, flags, minimum size
inline constexpr std::size_t kResourceTypeSize = 8;    // TYPEINFO: type, count, reserved
inline constexpr std::size_t kResourceEntrySize = 12;  // NAMEINFO
inline constexpr std::uint16_t kRelocInfo = 0x0100;    // segment flag: relocation records follow

}  // namespace byteformat::ne
