// The STRINGTABLE entries of a script gathered into blocks of 16 strings, one resource per block.
#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "parse/Statements.h"
#include "resformat/ResWriter.h"

namespace rc {

class StringTables {
public:
    // `nullTerminate`: every string ends with a NUL of its own (rc.exe's /n).
    explicit StringTables(bool nullTerminate = false) : nullTerminate_(nullTerminate) {}

    struct Block {
        ResourceHeader header;
        StringBundle bundle;
    };

    // The block's header takes its options from the STRINGTABLE that first fills it; the
    // version and characteristics given are those in force there. Throws CompileError for an
    // id given twice in one language.
    void Add(StringTableStmt&& stmt, std::uint16_t language, std::uint32_t version, std::uint32_t characteristics);

    // The blocks as rc.exe writes them: language by language in the order each first appears,
    // and each language's blocks in the order they are first filled.
    std::vector<const Block*> Blocks() const;

private:
    struct Language {
        std::uint16_t id = 0;
        std::vector<std::uint16_t> order;
        std::map<std::uint16_t, Block> blocks;
        Block* last = nullptr;  // the block filled last: a table's strings mostly follow one another
        std::uint16_t lastNumber = 0;
    };
    Language& LanguageOf(std::uint16_t id);

    std::vector<Language> languages_;
    bool nullTerminate_;
};

}  // namespace rc
