// A test fixture whose HOME, XDG config and XDG data folders lie in a temporary folder, as do the
// program's settings; the old values come back when the test ends.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "support/Settings.h"
#include "support/TempDir.h"

namespace restallow::test {

class IsolatedHome : public ::testing::Test {
protected:
    IsolatedHome() {
        for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"})
            saved_.emplace_back(name, std::getenv(name) ? std::getenv(name) : "");
        setenv("HOME", home.stdPath(QString()).c_str(), 1);
        setenv("XDG_CONFIG_HOME", home.stdPath(QStringLiteral(".config")).c_str(), 1);
        setenv("XDG_DATA_HOME", home.stdPath(QStringLiteral(".local/share")).c_str(), 1);
        IsolateSettings(home);
    }
    ~IsolatedHome() override {
        for (const auto& [name, value] : saved_) setenv(name.c_str(), value.c_str(), 1);
    }

    TempDir home;

private:
    std::vector<std::pair<std::string, std::string>> saved_;
};

}  // namespace restallow::test
