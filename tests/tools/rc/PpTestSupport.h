// Helpers for the preprocessor tests: scripts in a scratch folder, run through PreprocessScript.
#pragma once

#include <sstream>

#include "RcTestSupport.h"

namespace rc::test {

struct PpRun {
    bool ok = false;
    std::string text;  // the output without line markers and blank lines
    std::string raw;   // the output as it is
    std::string error;
};

class PpTest : public ::testing::Test {
protected:
    PpRun Run(const std::string& script, const std::string& name = "main.rc") {
        options.script = dir.write(name, script).string();
        const PreprocessResult result = PreprocessScript(options);
        PpRun run{result.ok, {}, result.text, result.error};
        std::istringstream lines(result.text);
        for (std::string line; std::getline(lines, line);) {
            if (!line.empty() && !line.starts_with("# ")) run.text += line + "\n";
        }
        return run;
    }
    // The output of a script that must preprocess.
    std::string Text(const std::string& script) {
        const PpRun run = Run(script);
        EXPECT_TRUE(run.ok) << run.error;
        return run.text;
    }
    std::string Path(const std::string& name) const { return dir.path(name).string(); }

    ScratchDir dir;
    CompileOptions options;
};

}  // namespace rc::test
