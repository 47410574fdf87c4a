// The bytes of a DIALOG or DIALOGEX resource: the Win32 templates and the Windows 3.x one.
#pragma once

#include <string>

#include "parse/Statements.h"

namespace rc {

// DLGTEMPLATE or DLGTEMPLATEEX with their items. Throws CompileError for what they cannot hold.
std::string EncodeDialog32(const DialogStmt& dialog);

// The Windows 3.x template: 8-bit strings in code page 1252, one-byte control classes.
// Throws CompileError for DIALOGEX and for what the format cannot hold.
std::string EncodeDialog16(const DialogStmt& dialog);

}  // namespace rc
