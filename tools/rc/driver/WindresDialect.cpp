// GNU windres's command line, read as getopt_long reads it: short options with their value glued
// or apart, long ones with "=value" or apart (also cut short while they stay unambiguous), "--"
// before names that begin with "-", and the input and output also as plain names.
#include <cctype>
#include <string_view>

#include "driver/CommandLine.h"
#include "driver/OptionReading.h"

namespace rc {
namespace {

struct LongOption {
    const char* name;
    char key;  // the short option it stands for, or a letter of its own
    bool value;
};

constexpr LongOption kLongOptions[] = {
    {"input", 'i', true},
    {"output", 'o', true},
    {"input-format", 'J', true},
    {"output-format", 'O', true},
    {"target", 'F', true},
    {"preprocessor", 'p', true},
    {"preprocessor-arg", 'a', true},
    {"include-dir", 'I', true},
    {"define", 'D', true},
    {"undefine", 'U', true},
    {"codepage", 'c', true},
    {"language", 'l', true},
    {"use-temp-file", 't', false},
    {"no-use-temp-file", 't', false},
    {"verbose", 'v', false},
    {"version", 'V', false},
    {"help", 'h', false},
};
constexpr std::string_view kShortWithValue = "ioJOFIDUcl";
constexpr std::string_view kShortFlags = "vVhr";

// The option named in full, or by the start of one name only.
const LongOption& FindLong(const std::string& name, const std::string& argument) {
    const LongOption* found = nullptr;
    std::string candidates;
    int matches = 0;
    for (const LongOption& option : kLongOptions) {
        const std::string_view full = option.name;
        if (full == name) return option;
        if (name.empty() || !full.starts_with(name)) continue;
        candidates += (candidates.empty() ? "--" : ", --") + std::string(full);
        found = &option;
        ++matches;
    }
    if (matches == 0) throw UsageError("unknown option " + argument);
    if (matches > 1) throw UsageError("ambiguous option " + argument + " (" + candidates + ")");
    return *found;
}

std::string LowerExtension(const std::string& name) {
    const std::size_t dot = name.rfind('.');
    const std::size_t slash = name.rfind('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
    std::string extension = name.substr(dot);
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension;
}

bool IsObjectName(const std::string& extension) {
    return extension == ".o" || extension == ".obj" || extension == ".exe";
}

class WindresReader {
public:
    WindresReader(const std::vector<std::string>& arguments, ToolOptions& options)
        : arguments_(arguments), options_(options) {}

    void Read() {
        bool optionsEnd = false;
        for (index_ = 0; index_ < arguments_.size(); ++index_) {
            const std::string& argument = arguments_[index_];
            if (optionsEnd || argument == "-" || argument.empty() || argument[0] != '-') {
                names_.push_back(argument);
            } else if (argument == "--") {
                optionsEnd = true;
            } else if (argument == "-31") {
                options_.compile.win16 = true;
            } else if (argument.starts_with("--")) {
                Long(argument);
            } else {
                Short(argument);
            }
        }
        if (!pendingPreprocessorOption_.empty()) {
            throw UsageError("--preprocessor-arg=" + pendingPreprocessorOption_ +
                             " needs its value in the next --preprocessor-arg");
        }
        Names();
        Formats();
        DependencyOptions& dependencies = options_.dependencies;
        if (dependenciesWanted_ && dependencies.file.empty()) {
            // gcc's -MD: the output's name with .d
            const std::string& output = options_.compile.output;
            if (output == "-")
                throw UsageError("--preprocessor-arg=-MD needs -MF FILE when the output goes to standard output");
            const std::string extension = LowerExtension(output);
            dependencies.file = output.substr(0, output.size() - extension.size()) + ".d";
        }
    }

private:
    void Long(const std::string& argument) {
        const std::size_t equals = argument.find('=');
        const LongOption& option =
            FindLong(argument.substr(2, equals == std::string::npos ? std::string::npos : equals - 2), argument);
        const std::string shown = std::string("--") + option.name;
        if (!option.value) {
            if (equals != std::string::npos) throw UsageError("option " + shown + " takes no value");
            return Apply(option.key, {}, shown);
        }
        if (equals != std::string::npos) return Apply(option.key, argument.substr(equals + 1), shown);
        Apply(option.key, Next(shown), shown);
    }

    void Short(const std::string& argument) {
        const char key = argument[1];
        const std::string shown = argument.substr(0, 2);
        if (kShortWithValue.find(key) != std::string_view::npos) {
            return Apply(key, argument.size() > 2 ? argument.substr(2) : Next(shown), shown);
        }
        if (kShortFlags.find(key) == std::string_view::npos || argument.size() > 2)
            throw UsageError("unknown option " + argument);
        Apply(key, {}, shown);
    }

    std::string Next(const std::string& option) {
        if (index_ + 1 >= arguments_.size()) throw UsageError("option " + option + " needs a value");
        return arguments_[++index_];
    }

    void Apply(char key, const std::string& value, const std::string& option);
    void Format(char key, const std::string& value);
    void PreprocessorArgument(const std::string& value);
    void PreprocessorValue(const std::string& option, const std::string& value);
    void Names();
    void Formats();

    const std::vector<std::string>& arguments_;
    ToolOptions& options_;
    std::size_t index_ = 0;
    std::vector<std::string> names_;  // the arguments that are no options, in order
    std::string pendingPreprocessorOption_;
    bool inputGiven_ = false, outputGiven_ = false;
    bool inputFormatGiven_ = false, outputFormatGiven_ = false;
    bool dependenciesWanted_ = false;  // -MD or -MMD
};

void WindresReader::Apply(char key, const std::string& value, const std::string& option) {
    CompileOptions& compile = options_.compile;
    switch (key) {
        case 'i':
            if (inputGiven_) throw UsageError("more than one input: " + compile.script + " and " + value);
            compile.script = value;
            inputGiven_ = true;
            break;
        case 'o':
            if (outputGiven_) throw UsageError("more than one output: " + compile.output + " and " + value);
            compile.output = value;
            outputGiven_ = true;
            break;
        case 'J':
        case 'O':
        case 'F': return Format(key, value);
        case 'a': return PreprocessorArgument(value);
        case 'I': compile.includeDirs.push_back(value); break;
        case 'D':
        case 'U': compile.macros.push_back(MacroArgument(value, key == 'U', option)); break;
        case 'c': {
            const bool hex = value.starts_with("0x") || value.starts_with("0X");
            compile.codePage = static_cast<int>(OptionNumber(hex ? value.substr(2) : value, hex ? 16 : 10, option));
            break;
        }
        case 'l': {
            const unsigned long language = OptionNumber(value, 16, option);
            if (language > 0xFFFF) throw UsageError("language id does not fit in 16 bits: " + value);
            compile.language = static_cast<std::uint16_t>(language);
            break;
        }
        case 'v': options_.verbose = true; break;
        case 'V': options_.action = ToolOptions::Action::Version; break;
        case 'h': options_.action = ToolOptions::Action::Help; break;
        default: break;  // --preprocessor (the script is preprocessed here), the temporary-file choice, -r
    }
}

void WindresReader::Format(char key, const std::string& value) {
    std::string name = value;
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    CompileOptions& compile = options_.compile;
    if (key == 'J') {
        if (name == "coff")
            throw UsageError("restallow-windres reads scripts and .res files, not COFF objects (-J coff)");
        if (name != "rc" && name != "res") throw UsageError("unknown input format " + value + " (rc or res)");
        options_.resInput = name == "res";
        inputFormatGiven_ = true;
    } else if (key == 'O') {
        if (name != "rc" && name != "res" && name != "coff")
            throw UsageError("unknown output format " + value + " (res, coff or rc)");
        options_.preprocessOnly = name == "rc";
        compile.format = name == "coff" ? OutputFormat::Coff : OutputFormat::Res;
        outputFormatGiven_ = true;
    } else if (name == "pe-i386" || name == "pei-i386") {
        compile.machine = CoffMachine::I386;
    } else if (name == "pe-x86-64" || name == "pei-x86-64") {
        compile.machine = CoffMachine::X86_64;
    } else {
        throw UsageError("unknown target " + value + " (pe-i386 or pe-x86-64)");
    }
}

// windres hands these to cpp; the preprocessor here takes the ones a build uses: macros, folders
// and gcc's dependency-file options. A value may come glued or in the next --preprocessor-arg.
void WindresReader::PreprocessorArgument(const std::string& value) {
    if (!pendingPreprocessorOption_.empty()) {
        const std::string option = std::move(pendingPreprocessorOption_);
        pendingPreprocessorOption_.clear();
        return PreprocessorValue(option, value);
    }
    if (value == "-MD" || value == "-MMD") {
        dependenciesWanted_ = true;
    } else if (value == "-MP") {
        options_.dependencies.phony = true;
    } else if (value.starts_with("-MF") || value.starts_with("-MT") || value.starts_with("-MQ")) {
        if (value.size() == 3)
            pendingPreprocessorOption_ = value;
        else
            PreprocessorValue(value.substr(0, 3), value.substr(3));
    } else if (value.starts_with("-D") || value.starts_with("-U") || value.starts_with("-I")) {
        if (value.size() == 2)
            pendingPreprocessorOption_ = value;
        else
            PreprocessorValue(value.substr(0, 2), value.substr(2));
    } else {
        throw UsageError("--preprocessor-arg=" + value +
                         ": the built-in preprocessor takes -D, -U, -I, -MD, -MMD, -MF, -MT, -MQ and -MP");
    }
}

void WindresReader::PreprocessorValue(const std::string& option, const std::string& value) {
    DependencyOptions& dependencies = options_.dependencies;
    if (option == "-MF")
        dependencies.file = value;
    else if (option == "-MT")
        dependencies.targets.push_back(value);
    else if (option == "-MQ")
        dependencies.targets.push_back(MakeQuoted(value));
    else
        Apply(option[1], value, "--preprocessor-arg=" + option);
}

// INPUT and OUTPUT as plain names fill what -i and -o left open.
void WindresReader::Names() {
    CompileOptions& compile = options_.compile;
    for (const std::string& name : names_) {
        if (!inputGiven_) {
            compile.script = name;
            inputGiven_ = true;
        } else if (!outputGiven_) {
            compile.output = name;
            outputGiven_ = true;
        } else {
            throw UsageError("more than one input and one output: " + name + " is one too many");
        }
    }
    if (!inputGiven_) compile.script = "-";
    if (!outputGiven_) compile.output = "-";
}

// Formats not given follow the names, as windres's do: a .res reads as one, and an output named
// .res or .rc is one; any other output name is a COFF object; standard output gets the script.
void WindresReader::Formats() {
    CompileOptions& compile = options_.compile;
    const std::string in = LowerExtension(compile.script);
    if (!inputFormatGiven_) {
        if (IsObjectName(in))
            throw UsageError("restallow-windres reads scripts and .res files, not COFF objects: " + compile.script);
        options_.resInput = in == ".res";
    }
    if (outputFormatGiven_) return;
    const std::string out = LowerExtension(compile.output);
    options_.preprocessOnly = compile.output == "-" || out == ".rc";
    compile.format = options_.preprocessOnly || out == ".res" ? OutputFormat::Res : OutputFormat::Coff;
}

}  // namespace

void ReadWindresDialect(const std::vector<std::string>& arguments, ToolOptions& options) {
    WindresReader(arguments, options).Read();
}

}  // namespace rc
