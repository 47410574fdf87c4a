// libmspack's system interface backed by the file-access part: the decompressor reads the source
// that is already open and writes into the output being made, so it opens no file by name.
#pragma once

#include <mspack.h>

#include <cstdint>
#include <string>

#include "fileaccess/InputFile.h"
#include "fileaccess/OutputFile.h"

namespace restallow {

class MspackSystem {
public:
    MspackSystem(const fileaccess::InputFile& source, fileaccess::OutputFile& target);

    mspack_system* get() { return &table_.system; }
    std::uint64_t written() const { return written_; }
    bool failed() const { return failed_; }  // a read or write went wrong
    // Writes what the decompressor handed over and is still held; false when that failed.
    bool Flush();

private:
    struct Table {
        mspack_system system;
        MspackSystem* owner;
    };
    struct Handle;

    static mspack_file* Open(mspack_system* self, const char* name, int mode);
    static void Close(mspack_file* file);
    static int Read(mspack_file* file, void* buffer, int bytes);
    static int Write(mspack_file* file, void* buffer, int bytes);
    static int Seek(mspack_file* file, off_t offset, int mode);
    static off_t Tell(mspack_file* file);

    Table table_;
    const fileaccess::InputFile& source_;
    fileaccess::OutputFile& target_;
    // libmspack writes an SZDD file a byte at a time: the bytes are gathered here and written
    // in large blocks.
    std::string pending_;
    std::uint64_t written_ = 0;
    bool failed_ = false;
};

}  // namespace restallow
