// Refusing an output that would overwrite the script, an include file or a resource file.
#include "driver/CompileInputs.h"

namespace rc {
namespace {

std::string Refusal(const std::string& output, const std::string& what) {
    return "the output \"" + output + "\" is " + what + "; it would be overwritten: name another output file";
}

}  // namespace

void CompileInputs::Read(const std::string& path, bool script) {
    if (const auto identity = fileaccess::IdentityOf(path)) read_.push_back({*identity, path, script});
}

FileLoader CompileInputs::Recording(FileLoader load) {
    return [this, load = std::move(load)](const std::string& path) {
        fileaccess::Result<std::string> text = load(path);
        if (text) Read(path, false);
        return text;
    };
}

void CompileInputs::CheckOutput(const std::string& output) {
    output_ = output;
    outputIdentity_ = fileaccess::IdentityOf(output);
    if (!outputIdentity_) return;  // a new file: no input can be it
    for (const Input& input : read_) {
        if (input.identity != *outputIdentity_) continue;
        throw CompileError({}, Refusal(output, input.script ? "the script itself" : "the file \"" + input.path + "\" that the script includes"));
    }
}

void CompileInputs::CheckResourceFile(int fd, const std::string& name, const Location& where) const {
    if (outputIdentity_ && fileaccess::IdentityOf(fd) == outputIdentity_) {
        throw CompileError(where, Refusal(output_, "the resource file " + QuotedText(name, '"') + " of this statement"));
    }
}

}  // namespace rc
