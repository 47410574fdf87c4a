// rc.exe's command line: options begin with / or -, in any letter case, and take their value
// glued ("/foapp.res") or as the next argument ("/fo app.res"), as llvm-rc reads them too.
#include <sys/stat.h>

#include <algorithm>
#include <cctype>

#include "driver/CommandLine.h"
#include "driver/OptionReading.h"

namespace rc {
namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// An absolute path such as CMake gives for the script also begins with "/": a name that exists
// is a file, not an option (a path that does not exist yet needs "--" before it).
bool IsOption(const std::string& argument) {
    if (argument.size() < 2) return false;
    if (argument[0] == '-') return true;
    struct stat info {};
    return argument[0] == '/' && ::stat(argument.c_str(), &info) != 0;
}

class RcReader {
public:
    RcReader(const std::vector<std::string>& arguments, ToolOptions& options)
        : arguments_(arguments), options_(options) {}

    void Read() {
        bool optionsEnd = false;
        for (index_ = 0; index_ < arguments_.size(); ++index_) {
            const std::string& argument = arguments_[index_];
            if (optionsEnd || !IsOption(argument)) {
                Script(argument);
            } else if (argument == "--") {
                optionsEnd = true;
            } else {
                Option(argument);
            }
        }
    }

private:
    void Script(const std::string& name) {
        CompileOptions& compile = options_.compile;
        if (!compile.script.empty()) throw UsageError("more than one script: " + compile.script + " and " + name);
        compile.script = name;
    }

    void Option(const std::string& argument) {
        CompileOptions& compile = options_.compile;
        const std::string word = Lower(argument.substr(1));
        if (argument == "--help" || word == "?" || word == "h") {
            options_.action = ToolOptions::Action::Help;
        } else if (argument == "--version") {
            options_.action = ToolOptions::Action::Version;
        } else if (word == "31") {
            compile.win16 = true;
        } else if (word == "e") {
            options_.preprocessOnly = true;
        } else if (word == "v") {
            options_.verbose = true;
        } else if (word == "n") {
            compile.nullTerminateStrings = true;
        } else if (word == "x") {
            compile.envIncludeDirs.clear();
        } else if (word == "nologo" || word == "r") {
            // rc.exe's banner and its "write a .res" (the only thing it writes): nothing to do
        } else if (!ValueOption(argument, word)) {
            std::string hint;
            if (argument[0] == '/' && argument.find('/', 1) != std::string::npos)
                hint = " (nor a file; put -- before a script path that begins with /)";
            throw UsageError("unknown option " + argument + hint);
        }
    }

    bool ValueOption(const std::string& argument, const std::string& word) {
        CompileOptions& compile = options_.compile;
        if (Takes(word, ":depfile-fmt")) {
            const std::string format = Lower(Value(argument));
            if (format != "json" && format != "make")
                throw UsageError("unknown /:depfile-fmt " + format + ": make or json");
            options_.dependencies.json = format == "json";
        } else if (Takes(word, ":depfile")) {
            options_.dependencies.file = Value(argument);
        } else if (Takes(word, "fo")) {
            compile.output = Value(argument);
            if (compile.output.empty())
                throw UsageError(argument.substr(0, 3) + " needs an output file name, not an empty one");
        } else if (Takes(word, "i")) {
            compile.includeDirs.push_back(Value(argument));
        } else if (Takes(word, "d")) {
            compile.macros.push_back(MacroArgument(Value(argument), false, argument.substr(0, 2)));
        } else if (Takes(word, "u")) {
            compile.macros.push_back(MacroArgument(Value(argument), true, argument.substr(0, 2)));
        } else if (Takes(word, "c")) {
            compile.codePage = static_cast<int>(OptionNumber(Value(argument), 10, argument.substr(0, 2)));
        } else if (Takes(word, "l")) {
            const unsigned long language = OptionNumber(Value(argument), 16, argument.substr(0, 2));
            if (language > 0xFFFF) throw UsageError("language id does not fit in 16 bits: " + argument);
            compile.language = static_cast<std::uint16_t>(language);
        } else {
            return false;
        }
        return true;
    }

    bool Takes(const std::string& word, const char* option) {
        const std::string name = option;
        if (!word.starts_with(name)) return false;
        taken_ = name.size() + 1;  // with the / or -
        return true;
    }

    // The value glued to the option taken, or the next argument.
    std::string Value(const std::string& argument) {
        if (argument.size() > taken_) return argument.substr(taken_);
        if (index_ + 1 >= arguments_.size()) throw UsageError("option " + argument + " needs a value");
        return arguments_[++index_];
    }

    const std::vector<std::string>& arguments_;
    ToolOptions& options_;
    std::size_t index_ = 0;
    std::size_t taken_ = 0;
};

}  // namespace

void ReadRcDialect(const std::vector<std::string>& arguments, ToolOptions& options) {
    RcReader(arguments, options).Read();
}

}  // namespace rc
