// The output against the files read, by identity.
#include "driver/OutputCheck.h"

#include <optional>

#include "fileaccess/FileIdentity.h"
#include "resformat/Diagnostic.h"

namespace rc {

void RefuseOutputThatIsAnInput(const std::string& output, const std::string& script,
                               const std::vector<std::string>& filesRead) {
    const std::optional<fileaccess::FileIdentity> target =
        output == "-" ? fileaccess::IdentityOf(1) : fileaccess::IdentityOf(output);
    if (!target) return;  // a new file: no input can be it
    for (const std::string& input : filesRead) {
        if (fileaccess::IdentityOf(input) != target) continue;
        const std::string what =
            input == script ? "the script itself" : "the file \"" + input + "\" that the compile reads";
        throw CompileError(
            {}, "the output \"" + output + "\" is " + what + "; it would be overwritten: name another output file");
    }
}

}  // namespace rc
