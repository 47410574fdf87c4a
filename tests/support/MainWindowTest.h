// A test fixture that starts the main window as the program does, in the locale the test names,
// with its settings in a temporary folder and every dialog answered by a scripted Prompter.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "app/TfmTallow.h"
#include "support/ScriptedPrompter.h"
#include "support/Settings.h"
#include "support/TempDir.h"

namespace restallow::test {

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() { IsolateSettings(dir); }
    ~MainWindowTest() override { unsetenv("LC_ALL"); }

    std::unique_ptr<TfmTallow> Start(const char* locale = "en_US.UTF-8") {
        setenv("LC_ALL", locale, 1);
        return std::make_unique<TfmTallow>(prompter);
    }

    TempDir dir;
    ScriptedPrompter prompter;
};

}  // namespace restallow::test
