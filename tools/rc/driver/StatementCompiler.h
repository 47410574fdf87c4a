// The resources of a script's statements, written through a .res writer.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "driver/Compiler.h"
#include "parse/Statements.h"
#include "resformat/ResWriter.h"

namespace rc {

// Writes each statement's resources as it is given, then the font directory and the string
// tables; the resource files it reads are added to `filesRead`. Throws CompileError.
class StatementCompiler {
public:
    StatementCompiler(const CompileOptions& options, ResWriter& writer, std::vector<std::string>& filesRead);
    ~StatementCompiler();

    void Add(Statement&& statement);
    // Gives the number of resources written.
    std::size_t Finish();

private:
    class Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace rc
