// restallow-rc: compiles a resource script into a 16-bit or 32-bit .res file.
#include <cstdio>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <strings.h>
#include <string>

#include "Compiler.h"
#include "ResDump.h"

namespace {

constexpr const char* kUsage =
    "usage: restallow-rc [-31] [-fo OUTPUT] [-c CODEPAGE] [-l LANGID] [-i DIR]... SCRIPT\n"
    "       restallow-rc --dump FILE.res\n"
    "\n"
    "  -31          write the 16-bit (Windows 3.x) format instead of the 32-bit one\n"
    "  -fo OUTPUT   the output file (default: the script's name with .res)\n"
    "  -c CODEPAGE  code page of the script: 1252 or 65001 (default: UTF-8 when valid, else 1252)\n"
    "  -l LANGID    language of the resources, in hex (default 409)\n"
    "  -i DIR       folder searched for include files and resource files\n"
    "  --dump FILE  list the resources of a .res file of either format\n";

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

rc::CompileOptions ParseArguments(int argc, char** argv) {
    rc::CompileOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "-31") {
            options.win16 = true;
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
    return options;
}

}  // namespace

int main(int argc, char** argv) {
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
        const rc::CompileOptions options = ParseArguments(argc, argv);
        const rc::CompileResult result = rc::CompileScript(options);
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
