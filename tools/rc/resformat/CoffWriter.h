// The resources of a 32-bit .res as a COFF object: one .rsrc section holding the resource
// directory tree and the data, which the MinGW linker (and link.exe) put into a program.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "fileaccess/Result.h"
#include "resformat/ResReader.h"

namespace rc {

enum class CoffMachine : std::uint16_t { I386 = 0x014C, X86_64 = 0x8664 };

class CoffObject {
public:
    // The object for the entries of `file`; a Format error for a 16-bit file (COFF resources are
    // 32-bit), for two resources of the same type, name and language, or a section over 4 GB.
    // The data stays in `file`'s bytes, which must outlive the object.
    static fileaccess::Result<CoffObject> Build(const ResFile& file, CoffMachine machine);

    // The object's bytes in order, in pieces: headers and directory, each resource's data with
    // its padding, the relocations and the symbol table.
    void WriteTo(const std::function<void(std::string_view)>& put) const;
    std::string Bytes() const;

private:
    CoffObject() = default;

    std::string head_;                    // file header, section header, directory, names, data entries
    std::vector<std::string_view> data_;  // in the order of the data entries
    std::string tail_;                    // relocations, symbol table, string table
};

}  // namespace rc
