// The resources of a script's statements, written through a .res writer.
#pragma once

#include <string>
#include <vector>

#include "driver/Compiler.h"
#include "parse/Statements.h"
#include "resformat/ResWriter.h"

namespace rc {

// Writes every statement's resources, then the font directory and the string tables; the
// resource files it reads are added to `filesRead`. Gives the number of resources; throws CompileError.
std::size_t CompileStatements(const std::vector<Statement>& statements, const CompileOptions& options,
                              ResWriter& writer, std::vector<std::string>& filesRead);

}  // namespace rc
