// The --help and --version texts of both dialects.
#include "driver/CommandLine.h"

namespace rc {
namespace {

// Meson tells resource compilers apart by these words: "Microsoft ... Resource Compiler" in
// the answer to /?, "GNU windres" in the answer to --version.
constexpr const char* kRcVersion =
    "restallow-rc 1.0, compatible with the Microsoft Windows Resource Compiler (rc.exe) and llvm-rc\n";
constexpr const char* kWindresVersion = "restallow-windres 1.0, compatible with GNU windres\n";

constexpr const char* kRcUsage =
    "\n"
    "usage: restallow-rc [-31] [-fo OUTPUT] [-c CODEPAGE] [-l LANGID] [-i DIR]... [-D NAME[=VALUE]]... [-U NAME]...\n"
    "                    [-E] [--] SCRIPT\n"
    "       restallow-rc --dump [-v] FILE.res\n"
    "       restallow-windres [OPTION]... [INPUT [OUTPUT]]   (GNU windres's options: restallow-windres --help)\n"
    "\n"
    "Options begin with - or /, in any letter case; a value follows glued (-foapp.res) or apart (-fo app.res).\n"
    "  -fo OUTPUT   the output file (default: the script's name with .res; - is standard output)\n"
    "  -i DIR       folder searched for include files and resource files (then those of INCLUDE)\n"
    "  -D NAME[=VALUE]  define a macro (VALUE 1 when left out)\n"
    "  -U NAME      remove a macro\n"
    "  -c CODEPAGE  code page of the script: any Windows code page, such as 1252, 1251 or 65001\n"
    "               (default: UTF-8 when valid, else 1252)\n"
    "  -l LANGID    language of the resources, in hex (default 409)\n"
    "  -n           end each string of a string table with a NUL\n"
    "  -x           leave out the folders of INCLUDE\n"
    "  -v           say what is compiled into what, on standard error\n"
    "  -nologo, -r  accepted; they change nothing\n"
    "  -31          write the 16-bit (Windows 3.x) format instead of the 32-bit one\n"
    "  -E           print the preprocessed script (to standard output, or to -fo OUTPUT) instead of compiling it\n"
    "  /:depfile FILE      write the files the output depends on (the script, its include files and resource\n"
    "                      files) to FILE, as a make rule\n"
    "  /:depfile-fmt FMT   make (the default) or json (a JSON array of the files)\n"
    "  -? -h --help        this text; --version: the version\n"
    "  --           the next argument is the script, even when it begins with / or -; - is standard input\n"
    "  --dump FILE  list the resources of a .res file of either format; -v shows dialogs, menus,\n"
    "               version information, accelerators and strings one item a line\n"
    "Defined from the start: RC_INVOKED; __GNUC__ 4, __GNUC_MINOR__ 2 and __GNUC_PATCHLEVEL__ 1 (for the\n"
    "MinGW-w64 headers); _WIN32 and WIN32 (not with -31).\n";

constexpr const char* kWindresUsage =
    "\n"
    "usage: restallow-windres [OPTION]... [INPUT [OUTPUT]]\n"
    "  -i, --input=FILE            the input: a script or a .res (none, or -: standard input)\n"
    "  -o, --output=FILE           the output (none, or -: standard output)\n"
    "  -J, --input-format=FORMAT   rc or res (default: res for a name ending in .res, else rc)\n"
    "  -O, --output-format=FORMAT  res, coff or rc (default: res for a name ending in .res, rc for .rc and for\n"
    "                              standard output, coff for any other name)\n"
    "  -F, --target=TARGET         the machine of a COFF object: pe-i386 (the default; pe-x86-64 for a name\n"
    "                              beginning with x86_64-) or pe-x86-64, which also defines _WIN64\n"
    "  -I, --include-dir=DIR       folder searched for include files and resource files\n"
    "  -D, --define=NAME[=VALUE]   define a macro\n"
    "  -U, --undefine=NAME         remove a macro\n"
    "  -c, --codepage=CODEPAGE     code page of the script, decimal or 0x hex (1252, 0x4e4, 65001...)\n"
    "  -l, --language=LANGID       language of the resources, in hex (default 409)\n"
    "      --preprocessor-arg=ARG  -DNAME, -UNAME, -IDIR; -MD or -MMD (a dependency file, OUTPUT with .d),\n"
    "                              -MF FILE, -MT TARGET, -MQ TARGET (quoted for make), -MP (a rule per file)\n"
    "      --preprocessor=PROGRAM  accepted and not run: the script is preprocessed by restallow itself\n"
    "      --use-temp-file, --no-use-temp-file, -r   accepted; they change nothing\n"
    "  -31                         write the 16-bit (Windows 3.x) .res format; not for a COFF object\n"
    "  -v, --verbose               say what is compiled into what, on standard error\n"
    "  -h, --help; -V, --version   this text; the version\n"
    "  @FILE                       further arguments from FILE (blanks separate, quotes group)\n"
    "-O rc writes the preprocessed script (GNU windres writes a script rebuilt from the resources).\n";

}  // namespace

std::string UsageText(Dialect dialect) {
    return dialect == Dialect::Rc ? std::string(kRcVersion) + kRcUsage : std::string(kWindresVersion) + kWindresUsage;
}

std::string VersionText(Dialect dialect) { return dialect == Dialect::Rc ? kRcVersion : kWindresVersion; }

}  // namespace rc
