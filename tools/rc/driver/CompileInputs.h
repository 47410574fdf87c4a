// The files a compile reads, known by identity (device and inode), so that an output that is one
// of them, by whatever path or link it is named, is refused before it could replace it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "fileaccess/FileIdentity.h"
#include "preprocess/FileLoader.h"
#include "resformat/Diagnostic.h"

namespace rc {

class CompileInputs {
public:
    // The preprocessor read `path`: the script, or a file it includes.
    void Read(const std::string& path, bool script);
    // A loader that reads through `load` and records each file it gives as an included one.
    FileLoader Recording(FileLoader load);
    // Where the compile opens its output: throws CompileError when `output` is a file read so far,
    // and keeps its identity for the resource files that the compile opens afterwards.
    void CheckOutput(const std::string& output);
    // A resource file just opened as `fd`: throws CompileError at `where` when it is the output.
    void CheckResourceFile(int fd, const std::string& name, const Location& where) const;

private:
    struct Input {
        fileaccess::FileIdentity identity;
        std::string path;
        bool script;
    };
    std::vector<Input> read_;
    std::string output_;
    std::optional<fileaccess::FileIdentity> outputIdentity_;
};

}  // namespace rc
