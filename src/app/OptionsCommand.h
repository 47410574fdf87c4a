// The options command of the main window: the dialog opened with the window's settings, then
// what the user chose applied to the window (or the program uninstalled).
#pragma once

#include "platform/Prompter.h"

namespace restallow {

class TfmTallow;

class OptionsCommand {
public:
    explicit OptionsCommand(TfmTallow& window) : window_(window) {}
    void Run();

private:
    void Apply(const OptionsOutcome& outcome);
    // Removes the settings and shortcuts and leaves the rest to the removal script; ends at once.
    void Uninstall();

    TfmTallow& window_;
};

}  // namespace restallow
