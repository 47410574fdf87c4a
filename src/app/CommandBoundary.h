// The boundary of every command of the window: whatever a command throws (a file error, memory
// running out, anything) ends that command with a message, and the program goes on with its
// Resource List as the command left it.
#pragma once

#include <QString>
#include <exception>
#include <new>

namespace restallow {

template <typename Command, typename ShowError>
void RunAtBoundary(Command&& command, ShowError&& showError) {
    try {
        command();
    } catch (const std::bad_alloc&) {
        showError(QStringLiteral("Out of memory: the command was stopped."));
    } catch (const std::exception& error) {
        showError(QString::fromUtf8(error.what()));
    } catch (...) {
        showError(QStringLiteral("The command was stopped by an unknown error."));
    }
}

}  // namespace restallow
