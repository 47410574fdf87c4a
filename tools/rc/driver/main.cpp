// restallow-rc: compiles a resource script into a 16-bit or 32-bit .res file.
#include <cstdio>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <strings.h>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <string>
#include <vector>

#include "driver/Compiler.h"
#include "dump/ResDump.h"

namespace {

constexpr const char* kUsage =
    "usage: restallow-rc [-31] [-fo OUTPUT] [-c CODEPAGE] [-l LANGID] [-i DIR]... [-D NAME[=VALUE]]... [-U NAME]...\n"
    "                    [-E] SCRIPT\n"
    "       restallow-rc --dump [-v] FILE.res\n"
    "\n"
    "  -31          write the 16-bit (Windows 3.x) format instead of the 32-bit one\n"
    "  -fo OUTPUT   the output file (default: the script's name with .res)\n"
    "  -c CODEPAGE  code page of the script: 1252 or 65001 (default: UTF-8 when valid, else 1252)\n"
    "  -l LANGID    language of the resources, in hex (default 409)\n"
    "  -i DIR       folder searched for include files and resource files (then those of INCLUDE)\n"
    "  -D NAME[=VALUE]  define a macro (VALUE 1 when left out); RC_INVOKED, and _WIN32 and WIN32\n"
    "               (not with -31), are defined from the start\n"
    "  -U NAME      remove a macro\n"
    "  -E           print the preprocessed script to standard output instead of compiling it\n"
    "  --dump FILE  list the resources of a .res file of either format; -v shows dialogs, menus,\n"
    "               version information, accelerators and strings one item a line\n";

struct Usage {
    std::string error;
};

// Takes the value of an option: glued ("-foOUT") or the next argument.
std::string Value(int& i, int argc, char** argv, std::size_t optionLength) {
    const std::string arg = argv[i];
    if (arg.size() > optionLength) return arg.substr(optionLength);
    if (i + 1 >= argc) throw Usage{"option " + arg + " needs a value"};
    return argv[++i];
}

unsigned long Number(const std::string& text, int base, const char* option) {
    char* end = nullptr;
    errno = 0;
    const unsigned long value = std::strtoul(text.c_str(), &end, base);
    if (text.empty() || *end != '\0' || errno != 0) throw Usage{std::string("bad value for ") + option + ": " + text};
    return value;
}

bool Starts(const std::string& arg, const char* option) {
    return arg.size() >= std::strlen(option) && strncasecmp(arg.c_str(), option, std::strlen(option)) == 0;
}

rc::MacroOption Macro(const std::string& text, bool undefine) {
    if (text.empty()) throw Usage{std::string("option -") + (undefine ? "U" : "D") + " needs a macro name"};
    if (undefine) return {text, std::nullopt, true};
    const auto equals = text.find('=');
    if (equals == std::string::npos) return {text, std::nullopt, false};
    return {text.substr(0, equals), text.substr(equals + 1), false};
}

struct Arguments {
    rc::CompileOptions options;
    bool preprocessOnly = false;
};

// The folders of INCLUDE, separated by ';' as on Windows or ':' as on this system.
std::vector<std::string> IncludeVariable() {
    std::vector<std::string> dirs;
    const char* value = std::getenv("INCLUDE");
    std::string dir;
    for (const char* c = value ? value : ""; ; ++c) {
        if (*c == ';' || *c == ':' || *c == '\0') {
            if (!dir.empty()) dirs.push_back(dir);
            dir.clear();
            if (*c == '\0') break;
        } else {
            dir += *c;
        }
    }
    return dirs;
}

Arguments ParseArguments(int argc, char** argv) {
    Arguments parsed;
    rc::CompileOptions& options = parsed.options;
    options.envIncludeDirs = IncludeVariable();
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "-31") {
            options.win16 = true;
        } else if (arg == "-E" || arg == "-e") {
            parsed.preprocessOnly = true;
        } else if (Starts(arg, "-d")) {
            options.macros.push_back(Macro(Value(i, argc, argv, 2), false));
        } else if (Starts(arg, "-u")) {
            options.macros.push_back(Macro(Value(i, argc, argv, 2), true));
        } else if (Starts(arg, "-fo")) {
            options.output = Value(i, argc, argv, 3);
            if (options.output.empty()) throw Usage{"-fo needs an output file name, not an empty one"};
        } else if (Starts(arg, "-c")) {
            options.codePage = static_cast<int>(Number(Value(i, argc, argv, 2), 10, "-c"));
        } else if (Starts(arg, "-l")) {
            const unsigned long language = Number(Value(i, argc, argv, 2), 16, "-l");
            if (language > 0xFFFF) throw Usage{"language id does not fit in 16 bits: " + arg};
            options.language = static_cast<std::uint16_t>(language);
        } else if (Starts(arg, "-i")) {
            options.includeDirs.push_back(Value(i, argc, argv, 2));
        } else if (arg.size() > 1 && arg[0] == '-') {
            throw Usage{"unknown option " + arg};
        } else if (!options.script.empty()) {
            throw Usage{"more than one script: " + options.script + " and " + arg};
        } else {
            options.script = arg;
        }
    }
    if (options.script.empty()) throw Usage{"no script given"};
    if (options.output.empty()) {
        const auto dot = options.script.rfind('.');
        const auto slash = options.script.rfind('/');
        const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
        options.output = (hasExtension ? options.script.substr(0, dot) : options.script) + ".res";
    }
    return parsed;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef __GLIBC__
    // One compile and the process ends: the heap grows in large steps and is never handed
    // back, so the C library asks the kernel for memory a few times instead of dozens.
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
    mallopt(M_TOP_PAD, 8 << 20);
    mallopt(M_MMAP_THRESHOLD, 256 << 20);
#endif
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::puts("restallow-rc 1.0");
        return 0;
    }
    if (argc >= 2 && std::strcmp(argv[1], "--dump") == 0) return rc::DumpMain(argc - 1, argv + 1);
    try {
        const Arguments arguments = ParseArguments(argc, argv);
        if (arguments.preprocessOnly) {
            const rc::PreprocessResult result = rc::PreprocessScript(arguments.options);
            if (!result.ok) {
                std::fprintf(stderr, "%s\n", result.error.c_str());
                return 1;
            }
            // One block, written as it is: no stdio buffer to allocate and copy through.
            std::setvbuf(stdout, nullptr, _IONBF, 0);
            const bool written = std::fwrite(result.text.data(), 1, result.text.size(), stdout) == result.text.size();
            if (written && std::fflush(stdout) == 0) return 0;
            std::fprintf(stderr, "restallow-rc: cannot write the preprocessed text: %s\n", std::strerror(errno));
            return 1;
        }
        const rc::CompileResult result = rc::CompileScript(arguments.options);
        if (!result.ok) {
            std::fprintf(stderr, "%s\n", result.error.c_str());
            return 1;
        }
        return 0;
    } catch (const Usage& usage) {
        std::fprintf(stderr, "restallow-rc: %s\n%s", usage.error.c_str(), kUsage);
        return 2;
    }
}
