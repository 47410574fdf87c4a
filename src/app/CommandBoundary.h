// The boundary of every command of the window: whatever a command throws (a file error, memory
// running out, anything) ends that command with a message, and the program goes on with its
// Resource List as the command left it.
#pragma once

#include <QString>
#include <exception>
#include <new>

#include "widgets/UiText.h"

namespace restallow {

template <typename Command, typename ShowError>
void RunAtBoundary(Command&& command, ShowError&& showError, int language) {
    try {
        command();
    } catch (const std::bad_alloc&) {
        showError(MsgText(language, MsgOutOfMemory));
    } catch (const std::exception& error) {
        showError(QString::fromUtf8(error.what()));
    } catch (...) {
        showError(MsgText(language, MsgUnknownError));
    }
}

}  // namespace restallow
