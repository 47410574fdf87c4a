// The bodies of MENU, MENUEX, VERSIONINFO, ACCELERATORS and TOOLBAR resources, one function per
// format. Each throws CompileError for what its format cannot hold.
#pragma once

#include <string>

#include "parse/Statements.h"

namespace rc {

std::string EncodeMenu32(const MenuStmt& menu);
std::string EncodeMenu16(const MenuStmt& menu);
std::string EncodeMenuEx(const MenuStmt& menu);
std::string EncodeVersion32(const VersionStmt& version);
std::string EncodeVersion16(const VersionStmt& version);
std::string EncodeAccelerators32(const AcceleratorStmt& table);
std::string EncodeAccelerators16(const AcceleratorStmt& table);
std::string EncodeToolbar(const ToolbarStmt& toolbar);

}  // namespace rc
