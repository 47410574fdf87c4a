// The .rsrc section as windres -O coff lays it out, so that both tools give the same bytes:
//   the directory tables, depth first (the root; then for each type its table of names followed
//   by the language table of each name), each table sorted with names before numbers; the
//   names (a length and UTF-16 units) in the order the tables meet them, padded to 8 bytes;
//   one data entry per resource in the tables' order; the data, each piece at an 8-byte boundary.
// Each data entry holds its data's offset in the section, which the linker turns into an address
// through one relocation (DIR32NB / ADDR32NB against the section's symbol).
#include "resformat/CoffWriter.h"

#include <cstdio>
#include <map>
#include <type_traits>

#include "resformat/Bytes.h"

namespace rc {
namespace {

constexpr std::uint32_t kHighBit = 0x80000000u;  // an entry's name is a string; its value a table
constexpr std::size_t kHeaders = 20 + 40;        // the file header and the one section header
constexpr std::size_t kRelocation = 10, kDataEntry = 16;
constexpr std::uint32_t kSectionFlags = 0xC0300040u;  // initialized data, 4-byte aligned, read, write
constexpr std::uint32_t kRelocationOverflow = 0x01000000u;

struct IdOrder {
    bool operator()(const ResourceId& a, const ResourceId& b) const {
        if (a.isNumber != b.isNumber) return !a.isNumber;
        return a.isNumber ? a.number < b.number : a.text < b.text;
    }
};
using Languages = std::map<std::uint16_t, const ResEntry*>;
using Names = std::map<ResourceId, Languages, IdOrder>;
using Types = std::map<ResourceId, Names, IdOrder>;

std::size_t Align8(std::size_t size) { return (size + 7) & ~std::size_t{7}; }
std::size_t TableSize(std::size_t entries) { return 16 + 8 * entries; }

template <typename Map>
std::size_t NamedCount(const Map& map) {
    std::size_t named = 0;
    for (const auto& item : map) {
        if constexpr (std::is_same_v<typename Map::key_type, ResourceId>) named += item.first.isNumber ? 0 : 1;
    }
    return named;
}

// A table's head and room for its entries, filled in by Patch; gives where the entries start.
// Characteristics, time stamp and version stay 0, so that the same input gives the same object.
template <typename Map>
std::size_t PutTable(std::string& out, const Map& map) {
    out.append(12, '\0');
    PutU16(out, static_cast<std::uint16_t>(NamedCount(map)));
    PutU16(out, static_cast<std::uint16_t>(map.size() - NamedCount(map)));
    const std::size_t entries = out.size();
    out.append(8 * map.size(), '\0');
    return entries;
}

// The directory's fields are 32 bits wide; its offsets and ids fit them.
void Patch(std::string& out, std::size_t at, std::size_t value) {
    PatchU32(out, at, static_cast<std::uint32_t>(value));
}

fileaccess::Result<Types> Tree(const ResFile& file) {
    if (file.win16)
        return fileaccess::FormatError("a 16-bit .res cannot go into a COFF object: its resources are 32-bit ones");
    Types types;
    for (const ResEntry& entry : file.entries) {
        const std::uint16_t language = entry.language.value_or(0);
        auto [at, added] = types[entry.type][entry.name].try_emplace(language, &entry);
        if (!added) {
            char number[8];
            std::snprintf(number, sizeof number, "0x%04x", language);
            return fileaccess::FormatError("two resources " + TypeText(entry.type) + " " + IdText(entry.name) +
                                           " of language " + number + ": a program holds only one of them");
        }
    }
    // A table counts its named and its numbered entries in 16 bits each.
    for (const auto& [type, names] : types) {
        if (NamedCount(names) > 0xFFFF || names.size() - NamedCount(names) > 0xFFFF) {
            return fileaccess::FormatError("more than 65535 resources of type " + TypeText(type) +
                                           " with numbers, or with names: a COFF directory counts each in 16 bits");
        }
    }
    if (NamedCount(types) > 0xFFFF) return fileaccess::FormatError("more than 65535 named resource types");
    return types;
}

std::size_t TablesSize(const Types& types) {
    std::size_t size = TableSize(types.size());
    for (const auto& [type, names] : types) {
        size += TableSize(names.size());
        for (const auto& name : names) size += TableSize(name.second.size());
    }
    return size;
}

// The directory, the names and the data entries of the section, and where each resource's data goes.
struct Directory {
    std::string bytes;
    std::vector<const ResEntry*> leaves;
    std::size_t entriesAt = 0;  // the first data entry
    std::size_t sectionSize = 0;
};

Directory Lay(const Types& types) {
    Directory out;
    std::string& dir = out.bytes;
    std::string strings;
    const std::size_t tablesSize = TablesSize(types);
    const auto name = [&](const ResourceId& id) -> std::size_t {
        if (id.isNumber) return id.number;
        const std::size_t at = tablesSize + strings.size();
        PutU16(strings, static_cast<std::uint16_t>(id.text.size()));
        PutU16s(strings, id.text);
        return kHighBit | at;
    };
    std::vector<std::size_t> leafFields;  // each language entry's value, once the data entries' place is known
    std::size_t typeEntry = PutTable(dir, types);
    for (const auto& [type, names] : types) {
        Patch(dir, typeEntry, name(type));
        Patch(dir, typeEntry + 4, kHighBit | dir.size());
        typeEntry += 8;
        std::size_t nameEntry = PutTable(dir, names);
        for (const auto& [id, languages] : names) {
            Patch(dir, nameEntry, name(id));
            Patch(dir, nameEntry + 4, kHighBit | dir.size());
            nameEntry += 8;
            std::size_t languageEntry = PutTable(dir, languages);
            for (const auto& [language, entry] : languages) {
                Patch(dir, languageEntry, language);
                leafFields.push_back(languageEntry + 4);
                languageEntry += 8;
                out.leaves.push_back(entry);
            }
        }
    }
    strings.resize(Align8(strings.size()), '\0');
    dir += strings;
    out.entriesAt = dir.size();
    for (std::size_t i = 0; i < leafFields.size(); ++i) Patch(dir, leafFields[i], out.entriesAt + kDataEntry * i);
    std::size_t dataAt = out.entriesAt + kDataEntry * out.leaves.size();
    for (const ResEntry* resource : out.leaves) {
        PutU32(dir, static_cast<std::uint32_t>(dataAt));
        PutU32(dir, static_cast<std::uint32_t>(resource->data.size()));
        PutU32(dir, 0);  // code page
        PutU32(dir, 0);
        dataAt = Align8(dataAt + resource->data.size());
    }
    out.sectionSize = dataAt;
    return out;
}

}  // namespace

fileaccess::Result<CoffObject> CoffObject::Build(const ResFile& file, CoffMachine machine) {
    fileaccess::Result<Types> types = Tree(file);
    if (!types) return types.error();
    const Directory dir = Lay(*types);
    const std::size_t relocations = dir.leaves.size() + (dir.leaves.size() >= 0xFFFF ? 1 : 0);
    const std::size_t symbolsAt = kHeaders + dir.sectionSize + kRelocation * relocations;
    // Offsets are 32-bit; the sizes were added up without a cut, so nothing wrapped unseen.
    if (symbolsAt + 64 > 0xFFFFFFFFu)
        return fileaccess::FormatError("the resources do not fit in a COFF object: more than 4 GB");

    CoffObject object;
    std::string& head = object.head_;
    PutU16(head, static_cast<std::uint16_t>(machine));
    PutU16(head, 1);  // sections
    PutU32(head, 0);  // time stamp
    PutU32(head, static_cast<std::uint32_t>(symbolsAt));
    PutU32(head, 1);                                               // symbols
    PutU16(head, 0);                                               // optional header
    PutU16(head, machine == CoffMachine::I386 ? 0x0104 : 0x0004);  // no line numbers; 32-bit words
    head += std::string_view(".rsrc\0\0\0", 8);
    PutU32(head, 0);  // virtual size
    PutU32(head, 0);  // virtual address
    PutU32(head, static_cast<std::uint32_t>(dir.sectionSize));
    PutU32(head, kHeaders);
    PutU32(head, relocations ? static_cast<std::uint32_t>(kHeaders + dir.sectionSize) : 0);
    PutU32(head, 0);  // line numbers
    // More than 65534 relocations: the count goes into the first one, which is otherwise empty.
    PutU16(head, static_cast<std::uint16_t>(relocations >= 0xFFFF ? 0xFFFF : relocations));
    PutU16(head, 0);
    PutU32(head, kSectionFlags | (relocations >= 0xFFFF ? kRelocationOverflow : 0));
    head += dir.bytes;
    for (const ResEntry* leaf : dir.leaves) object.data_.push_back(leaf->data);

    std::string& tail = object.tail_;
    if (relocations > dir.leaves.size()) {
        PutU32(tail, static_cast<std::uint32_t>(relocations));
        PutU32(tail, 0);
        PutU16(tail, 0);
    }
    const std::uint16_t type =
        machine == CoffMachine::I386 ? 7 : 3;  // IMAGE_REL_I386_DIR32NB, IMAGE_REL_AMD64_ADDR32NB
    for (std::size_t i = 0; i < dir.leaves.size(); ++i) {
        PutU32(tail, static_cast<std::uint32_t>(dir.entriesAt + kDataEntry * i));
        PutU32(tail, 0);  // the section's symbol
        PutU16(tail, type);
    }
    tail += std::string_view(".rsrc\0\0\0", 8);
    PutU32(tail, 0);  // value
    PutU16(tail, 1);  // section number
    PutU16(tail, 0);  // type
    PutU8(tail, 3);   // static
    PutU8(tail, 0);   // no auxiliary records
    PutU32(tail, 4);  // an empty string table: its size alone
    return object;
}

void CoffObject::WriteTo(const std::function<void(std::string_view)>& put) const {
    static constexpr char kZeros[8] = {};
    put(head_);
    for (std::string_view data : data_) {
        put(data);
        put(std::string_view(kZeros, Align8(data.size()) - data.size()));
    }
    put(tail_);
}

std::string CoffObject::Bytes() const {
    std::string bytes;
    WriteTo([&bytes](std::string_view piece) { bytes += piece; });
    return bytes;
}

}  // namespace rc
