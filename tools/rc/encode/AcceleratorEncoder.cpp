// ACCELERATORS bodies (WORD flags, key, id and padding; 16-bit: BYTE flags, WORD key, WORD id)
// and TOOLBAR bodies (version 1, cell size, then the button ids).
#include "encode/StatementEncoders.h"
#include "resformat/Bytes.h"
#include "resformat/ResWriter.h"

namespace rc {
namespace {

std::uint16_t FlagsOf(const AcceleratorStmt& table, std::size_t i) {
    return static_cast<std::uint16_t>(table.entries[i].flags | (i + 1 == table.entries.size() ? AfLast : 0));
}

}  // namespace

std::string EncodeAccelerators32(const AcceleratorStmt& table) {
    std::string out;
    for (std::size_t i = 0; i < table.entries.size(); ++i) {
        PutU16(out, FlagsOf(table, i));
        PutU16(out, table.entries[i].key);
        PutU16(out, table.entries[i].id);
        PutU16(out, 0);
    }
    return out;
}

std::string EncodeAccelerators16(const AcceleratorStmt& table) {
    std::string out;
    for (std::size_t i = 0; i < table.entries.size(); ++i) {
        const Accelerator& entry = table.entries[i];
        std::uint16_t key = entry.key;
        if (entry.character && key >= 0x80) {
            key = static_cast<std::uint8_t>(
                NarrowText(std::u16string(1, static_cast<char16_t>(key)), entry.where, "the accelerator")[0]);
        }
        PutU8(out, static_cast<std::uint8_t>(FlagsOf(table, i)));
        PutU16(out, key);
        PutU16(out, table.entries[i].id);
    }
    return out;
}

std::string EncodeToolbar(const ToolbarStmt& toolbar) {
    std::string out;
    PutU16(out, 1);
    PutU16(out, toolbar.width);
    PutU16(out, toolbar.height);
    PutU16(out, static_cast<std::uint16_t>(toolbar.buttons.size()));
    for (std::uint16_t id : toolbar.buttons) PutU16(out, id);
    return out;
}

}  // namespace rc
